#pragma once
// Play and stop of the current row's file, and the playlist's "next file".

#include <string>

#include "shell/main_context.h"

namespace playback {

void ToolButton17Click(shell::MainContext& ctx);  // play
void ToolButton18Click(shell::MainContext& ctx);  // stop
void ListBox1DblClick(shell::MainContext& ctx);   // stop, then play the folder's next file

// The volume of a row: its VOL when that is a whole number 1-255 and the
// file was found, 200 otherwise.
int rowVolume(bool mediaFound, const std::string& vol);

// ".AVI" for "D:\v\clip.avi": the upper-cased text from the last "." when
// no separator or ":" follows it; empty otherwise.
std::string upperExtension(const std::string& path);

// A title longer than 40 bytes: its first 23 bytes (never half a
// character), "...\" and the file's bare name from the path.
std::string shortenTitle(const std::string& title, const std::string& mediaPath);

}  // namespace playback
