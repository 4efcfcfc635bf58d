#pragma once
// The schedule tick: once a second in automatic mode it writes the clock,
// tests the shutdown times, starts, stops or passes over the current row,
// arms the automatic shutdown at the end of the list, refreshes the status
// line and applies the end mode.

#include "shell/main_context.h"

namespace scheduler {

void Timer1Timer(shell::MainContext& ctx);

}  // namespace scheduler
