#pragma once
// The row advance (the hidden command tab2): moves the timetable's cursor
// to the next row that is due, passing over rows suspended today, rows
// without a file, timed rows whose window is over and the continuation
// rows that follow them. It neither starts nor stops playback.

#include "shell/main_context.h"

namespace scheduler {

void tab2Click(shell::MainContext& ctx);

// A path separator as stored: "\" from tables written on Windows, or "/".
inline bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace scheduler
