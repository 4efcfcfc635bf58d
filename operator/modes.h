#pragma once
// Manual operation and automatic broadcast. The mode has no variable: it
// is which of ztbc and jxbc is enabled.

#include "shell/main_context.h"

namespace operation {

void ZTBCClick(shell::MainContext& ctx);  // manual: the schedule stops, editing opens
void JXBCClick(shell::MainContext& ctx);  // automatic: the schedule runs

bool inManualMode(const shell::MainContext& ctx);

}  // namespace operation
