#pragma once
// Hiding to the notification area and quitting.

#include "shell/main_context.h"

namespace shell {

inline constexpr int kLeftButtonUp = 514;
inline constexpr int kRightButtonUp = 517;

// A mouse message on the tray icon: right button up pops up the menu, left
// button up shows the main window. Other messages do nothing.
void TrayIconNotify(MainContext& ctx, int mouseMessage);

// Closing the main window in any way only hides it; the schedule goes on.
void FormClose(MainContext& ctx);
void E1Click(MainContext& ctx);

// Quit: asks for the password while locked, then removes the tray icon and
// tells the program to end.
void Q1Click(MainContext& ctx);
void TCXTClick(MainContext& ctx);

}  // namespace shell
