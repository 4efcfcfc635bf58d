#pragma once
// What the main window owns and every handler of the core works on: the
// shared state, the two tables, the controls, the other forms' data, and
// the ports to the outside.

#include <cstdint>
#include <string>
#include <vector>

#include "data/dbase/table.h"
#include "operator/options_form.h"
#include "operator/password_form.h"
#include "playback/media_player.h"
#include "playback/video_form.h"
#include "scheduler/broadcast_state.h"
#include "scheduler/clock.h"
#include "shell/layout.h"
#include "shell/message_port.h"
#include "shell/presentation_model.h"
#include "shell/system_port.h"
#include "shell/window_port.h"

namespace shell {

// A table component: the engine's table plus the file and tag it is set to.
// The names stay set while the table is closed, so a load that chooses no
// new table reopens the one it had.
struct TableComponent {
    dbase::Table table;
    std::string TableName;  // for example "xia.dbf"
    std::string IndexName;  // for example "XIA_ON"
};

struct Ports {
    playback::MediaPlayer& player;
    MessagePort& messages;
    WindowPort& window;
    const scheduler::Clock& clock;
    SystemPort& system = realSystem();
};

struct MainContext {
    explicit MainContext(Ports ports)
        : MediaPlayer1(ports.player),
          messages(ports.messages),
          window(ports.window),
          clock(ports.clock),
          system(ports.system) {}

    scheduler::BroadcastState state;
    TableComponent Table1;  // the open season timetable
    TableComponent Table2;  // system.dbf
    MainControls controls;
    MainLayout layout;
    operation::PasswordForm Form2;
    operation::OptionsForm Form4;
    playback::VideoForm Form6;
    std::vector<std::string> fileNamePickList;  // bare GBK names for the FILENAME column
    bool terminating = false;  // the quit command has told the program to end
    // The folder rows' random pick: a generator of its own, 0 at every start.
    std::uint32_t randomState = 0;
    // The row whose "not found" message is open, so that ticks running
    // while it is shown neither pile up more boxes nor advance again.
    int missingFileMessageRecord = 0;

    playback::MediaPlayer& MediaPlayer1;
    MessagePort& messages;
    WindowPort& window;
    const scheduler::Clock& clock;
    SystemPort& system;
};

}  // namespace shell
