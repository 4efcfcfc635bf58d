#pragma once
// Fakes of the core's ports for unit tests.

#include <string>
#include <vector>

#include "playback/media_player.h"
#include "platform/text/gbk.h"
#include "shell/message_port.h"

namespace testing_support {

class RecordingMessages : public shell::MessagePort {
public:
    void information(const std::string& gbkText) override { shown.push_back(text::utf8FromGbk(gbkText)); }
    std::vector<std::string> shown;  // in UTF-8, for readable assertions
};

class FakePlayer : public playback::MediaPlayer {
public:
    void open(const std::string& path) override {
        opened = path;
        currentMode = playback::PlayerMode::Stopped;
    }
    void play() override { currentMode = playback::PlayerMode::Playing; }
    void stop() override {
        ++stops;
        currentMode = playback::PlayerMode::Stopped;
    }
    void close() override { currentMode = playback::PlayerMode::NotOpen; }
    playback::PlayerMode mode() const override { return currentMode; }
    long long position() const override { return 0; }
    long long length() const override { return 0; }
    void setDisplay(playback::VideoSurface*) override {}
    void setDisplayRect(const playback::DisplayRect&) override {}
    void setVolume(unsigned, unsigned) override {}

    playback::PlayerMode currentMode = playback::PlayerMode::NotOpen;
    std::string opened;
    int stops = 0;
};

}  // namespace testing_support
