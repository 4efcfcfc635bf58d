#pragma once
// What the main window owns and every handler of the core works on: the
// shared state, the two tables, the controls, and the ports to the outside.

#include <functional>
#include <string>
#include <vector>

#include "data/dbase/table.h"
#include "playback/media_player.h"
#include "scheduler/broadcast_state.h"
#include "shell/message_port.h"
#include "shell/presentation_model.h"

namespace shell {

// A table component: the engine's table plus the file and tag it is set to.
// The names stay set while the table is closed, so a load that chooses no
// new table reopens the one it had.
struct TableComponent {
    dbase::Table table;
    std::string TableName;  // for example "xia.dbf"
    std::string IndexName;  // for example "XIA_ON"
};

struct MainContext {
    MainContext(playback::MediaPlayer& player, MessagePort& messagePort)
        : MediaPlayer1(player), messages(messagePort) {}

    scheduler::BroadcastState state;
    TableComponent Table1;  // the open season timetable
    TableComponent Table2;  // system.dbf
    MainControls controls;
    std::vector<std::string> fileNamePickList;  // bare GBK names for the FILENAME column

    playback::MediaPlayer& MediaPlayer1;
    MessagePort& messages;
    std::function<void()> Q1Click;  // the quit command, set by the main window
};

}  // namespace shell
