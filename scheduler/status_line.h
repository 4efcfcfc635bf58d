#pragma once
// The status line and the line below it, refreshed by every tick.

#include <string>

#include "shell/main_context.h"

namespace scheduler {

// One refresh: the playing line while a file plays, otherwise the shutdown
// countdown or the next tip. `now` is the tick's time of day in seconds.
void refreshStatusLine(shell::MainContext& ctx, int nowSeconds);

// Seconds as "h:mm:ss" (no leading zero on the hours): 205 gives 0:03:25.
std::string formatEstimate(int seconds);

}  // namespace scheduler
