#pragma once
// Loading the season timetable that id8 selects (the hidden command zxsj2)
// and the four season commands of the menu.

#include "shell/main_context.h"

namespace data {

void zxsj2Click(shell::MainContext& ctx);

void C1Click(shell::MainContext& ctx);  // spring and autumn
void X1Click(shell::MainContext& ctx);  // summer
void D1Click(shell::MainContext& ctx);  // winter
void T2Click(shell::MainContext& ctx);  // special

// The first row, in the open timetable, whose TIME or SHICHANG has a colon
// but does not read as a time of day; the cursor is left on it. Returns
// false when every row passes (the cursor is then at the end).
bool findBadTimeRow(dbase::Table& timetable);

}  // namespace data
