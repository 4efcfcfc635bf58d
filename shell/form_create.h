#pragma once
// The main window's start-up sequence and the audio folder listing.

#include <string>

#include "shell/main_context.h"

namespace shell {

// Brings the program into its starting state; `appDir` is the folder of the
// program file in GBK, ending in '/'. A start that cannot go on (no
// settings table, a damaged one, an unreadable timetable) has told the
// program to end when this returns (ctx.terminating).
void FormCreate(MainContext& ctx, const std::string& appDir);

// Appends the bare names of the audio folder's files to the FILENAME pick
// list: hidden files (a leading ".") and folders are passed over.
void filelist1Click(MainContext& ctx);

}  // namespace shell
