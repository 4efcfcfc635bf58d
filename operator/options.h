#pragma once
// The options dialog's handlers over its data (ctx.Form4).

#include <string>

#include "shell/main_context.h"

// The options dialog has handlers of the same names as the password
// dialog's (Button1Click, Button2Click): they live in a namespace of their own.
namespace operation::options {

// Initial values from the settings record, once at program start.
void Form4Create(shell::MainContext& ctx);
void xuanxiangClick(shell::MainContext& ctx);  // shows the dialog, not modal
void BitBtn7Click(shell::MainContext& ctx);    // hides it

// Moves the volume slider; like the platform's slider it clamps to 0-255
// and calls its change handler only when the position actually changes.
void setTrackbar1Position(shell::MainContext& ctx, int position);
// Sets the output volume from the slider: position * 256 on both channels.
void trackbar1Change(shell::MainContext& ctx);
void volbuttClick(shell::MainContext& ctx);  // stores the slider into the current row's VOL

void BitBtn1Click(shell::MainContext& ctx);  // empties both time boxes
// Stores each box that holds a time after 00:00:00, as the clock shows it
// (7:30:00 becomes 07:30:00). A box that is filled but no time of day is
// not stored, and the operator is told.
void BitBtn2Click(shell::MainContext& ctx);

// The folder list moved to `gbkFolder`: it becomes the text to assign,
// with exactly one trailing separator.
void DirectoryListBox2Change(shell::MainContext& ctx, const std::string& gbkFolder);
void chooseFile(shell::MainContext& ctx, const std::string& gbkPath);  // the file button's result
void dirokClick(shell::MainContext& ctx);  // assigns Edit71 to the current row's FILENAME

void Button1Click(shell::MainContext& ctx);  // stores the end of the list as default when ticked
void Button2Click(shell::MainContext& ctx);  // stores the permission choice

// The time as the clock text shows it ("07:30:00"), or empty when the box
// holds no time of day. A box that is blank apart from its colons is empty.
std::string normaliseShutdownTime(const std::string& boxText);

}  // namespace operation::options
