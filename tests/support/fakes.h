#pragma once
// Fakes of the core's ports for unit tests.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "playback/media_player.h"
#include "platform/files/fs_path.h"
#include "platform/text/gbk.h"
#include "scheduler/clock.h"
#include "shell/main_context.h"
#include "shell/message_port.h"
#include "shell/window_port.h"

namespace testing_support {

class RecordingMessages : public shell::MessagePort {
public:
    void information(const std::string& gbkText) override {
        shown.push_back(text::utf8FromGbk(gbkText));
        if (whileShown) whileShown();  // what happens while the modal box is open
    }
    std::vector<std::string> shown;  // in UTF-8, for readable assertions
    std::function<void()> whileShown;
};

// Opens what exists as a file (like the device, which fails on anything
// else), plays at once, and records the volume and display calls.
class FakePlayer : public playback::MediaPlayer {
public:
    void open(const std::string& path) override {
        if (!files::fileExists(path)) throw playback::MediaError("cannot open " + path);
        opened = path;
        ++opens;
        currentMode = playback::PlayerMode::Stopped;
    }
    void play() override { currentMode = playback::PlayerMode::Playing; }
    void stop() override {
        ++stops;
        currentMode = playback::PlayerMode::Stopped;
    }
    void close() override { currentMode = playback::PlayerMode::NotOpen; }
    playback::PlayerMode mode() const override { return currentMode; }
    long long position() const override { return currentPosition; }
    long long length() const override { return fileLength; }
    void setDisplay(playback::VideoSurface*) override {}
    void setDisplayRect(const playback::DisplayRect& rect) override { displayRects.push_back(rect); }
    void setVolume(unsigned left, unsigned right) override { volumes.emplace_back(left, right); }

    playback::PlayerMode currentMode = playback::PlayerMode::NotOpen;
    std::string opened;
    int opens = 0;
    int stops = 0;
    long long currentPosition = 0;
    long long fileLength = 3000;
    std::vector<std::pair<unsigned, unsigned>> volumes;
    std::vector<playback::DisplayRect> displayRects;
};

// Records what the core asked of the windows, by name ("terminate",
// "applySkin 3"). The password dialog runs `onPasswordDialog`, standing in
// for what the operator does while it is open.
class FakeWindow : public shell::WindowPort {
public:
    void showPasswordDialog() override {
        calls.push_back("showPasswordDialog");
        if (onPasswordDialog) onPasswordDialog();
    }
    void closePasswordDialog() override { calls.push_back("closePasswordDialog"); }
    void showAboutBox() override { calls.push_back("showAboutBox"); }
    void hideMainWindow() override { calls.push_back("hideMainWindow"); }
    void showMainWindow() override { calls.push_back("showMainWindow"); }
    void popupTrayMenu() override { calls.push_back("popupTrayMenu"); }
    void addTrayIcon() override { calls.push_back("addTrayIcon"); }
    void removeTrayIcon() override { calls.push_back("removeTrayIcon"); }
    void terminate() override { calls.push_back("terminate"); }
    void applySkin(int index) override { calls.push_back("applySkin " + std::to_string(index)); }
    void openDocument(const std::string& gbkPath) override { calls.push_back("openDocument " + gbkPath); }
    void openUrl(const std::string& url) override { calls.push_back("openUrl " + url); }

    std::vector<std::string> calls;
    std::function<void()> onPasswordDialog;
};

class FakeClock : public scheduler::Clock {
public:
    scheduler::LocalTime now() const override { return time; }
    scheduler::LocalTime time;
};

class FakeSystem : public shell::SystemPort {
public:
    void startDetached(const std::string& gbkPath) override { started.push_back(gbkPath); }
    std::vector<std::string> started;
};

// Every port faked, and a context over them.
struct FakePorts {
    RecordingMessages messages;
    FakePlayer player;
    FakeWindow window;
    FakeClock clock;
    FakeSystem system;
    shell::Ports ports() { return {player, messages, window, clock, system}; }
};

}  // namespace testing_support
