// Toramel, for now without its window: loads the settings and the selected
// season timetable from the program folder and reports them on the terminal.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>

#include "data/settings_table.h"
#include "data/table_layouts.h"
#include "data/timetable_load.h"
#include "platform/files/fs_path.h"
#include "platform/text/gbk.h"
#include "shell/main_context.h"
#include "platform/files/program_folder.h"

namespace {

std::string forTerminal(std::string gbkText) {
    std::replace(gbkText.begin(), gbkText.end(), '\r', '\n');
    return text::utf8FromGbk(gbkText);
}

class TerminalMessages : public shell::MessagePort {
public:
    void information(const std::string& gbkText) override {
        std::printf("[信息] %s\n", forTerminal(gbkText).c_str());
    }
};

// This build plays nothing yet: the player is never playing.
class NoPlayer : public playback::MediaPlayer {
public:
    void open(const std::string&) override { throw playback::MediaError("no media player in this build"); }
    void play() override {}
    void stop() override {}
    void close() override {}
    playback::PlayerMode mode() const override { return playback::PlayerMode::NotOpen; }
    long long position() const override { return 0; }
    long long length() const override { return 0; }
    void setDisplay(playback::VideoSurface*) override {}
    void setDisplayRect(const playback::DisplayRect&) override {}
    void setVolume(unsigned, unsigned) override {}
};

// Without a window the desktop requests have nowhere to go.
class NoWindow : public shell::WindowPort {
public:
    void showPasswordDialog() override {}
    void closePasswordDialog() override {}
    void showAboutBox() override {}
    void hideMainWindow() override {}
    void showMainWindow() override {}
    void popupTrayMenu() override {}
    void addTrayIcon() override {}
    void removeTrayIcon() override {}
    void terminate() override {}
    void applySkin(int) override {}
    void openDocument(const std::string&) override {}
    void openUrl(const std::string&) override {}
};

int run() {
    TerminalMessages messages;
    NoPlayer player;
    NoWindow window;
    scheduler::SystemClock clock;
    shell::MainContext ctx({player, messages, window, clock});

    ctx.state.AppDir = files::programFolder();
    if (chdir(files::toFsPath(ctx.state.AppDir).c_str()) != 0) std::perror("chdir");
    if (!files::fileExists(ctx.state.AppDir + data::kSettingsFile)) {
        messages.information(text::gbk("系统初始化错误！\r\r文件 ") + ctx.state.AppDir +
                             text::gbk("system.dbf 未找到！"));
        return 0;
    }
    data::openSettingsTable(ctx);
    data::zxsj2Click(ctx);
    if (ctx.terminating) return 0;

    dbase::Table& t = ctx.Table1.table;
    if (!t.active()) return 0;
    std::printf("%s: %d 行\n", forTerminal(ctx.Table1.TableName).c_str(), t.rowCount());
    const int current = t.rowIndex();
    for (t.first(); !t.eof(); t.next()) {
        std::printf("%s %5s  %-8s  %-10s  %s\n", t.rowIndex() == current ? ">" : " ",
                    t.fieldText(data::kOn).c_str(), t.fieldText(data::kTime).c_str(),
                    forTerminal(t.fieldText(data::kXiangmu)).c_str(),
                    forTerminal(t.fieldText(data::kFilename)).c_str());
    }
    return 0;
}

}  // namespace

int main() {
    try {
        return run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "toramel: %s\n", e.what());
        return 1;
    }
}
