#pragma once
// The video window's behaviour over its data (ctx.Form6).

#include "shell/main_context.h"

namespace playback {

void showVideoWindow(shell::MainContext& ctx);  // captioned with the file that plays
void hideVideoWindow(shell::MainContext& ctx);

// After the window's size changed: the height follows the width, and the
// picture is fitted to the client area again while a file is found.
void sizClick(shell::MainContext& ctx);

}  // namespace playback
