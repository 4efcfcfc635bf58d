#pragma once
// The real windows over a temporary program folder, with fake media, clock
// and messages, for the GUI tests (offscreen).

#include <QUrl>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/qt/program_windows.h"
#include "tests/gui/fake_recorder_device.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

namespace gui_test {

struct Setup {
    bool settings = true;   // write system.dbf
    std::string id6 = "0";  // 0: the password is needed
};

class GuiProgram {
public:
    explicit GuiProgram(Setup setup = {});

    shell::MainContext& ctx() { return windows->ctx; }
    view::TForm1& main() { return *windows->Form1; }
    std::filesystem::path timetableFile() const { return folder.dir() / "chunqiu.dbf"; }

    // Runs `action` while the password dialog that it opens is answered with
    // `password`; a dialog still open after the answer is closed.
    void withPasswordAnswer(const std::string& password, const std::function<void()>& action);
    void unlock() { withPasswordAnswer("1234", [this] { trigger("Jrxt"); }); }
    void trigger(const std::string& controlName);

    testing_support::TempProgramFolder folder;
    testing_support::RecordingMessages messages;
    testing_support::FakePlayer player;
    testing_support::FakeClock clock;
    FakeRecorderDevice recorderDevice;
    std::vector<QUrl> opened;
    std::unique_ptr<view::ProgramWindows> windows;
};

// The UTF-8 text of a GBK field of the timetable file as stored on disk.
std::string storedField(const std::filesystem::path& table, int row, int field);

}  // namespace gui_test
