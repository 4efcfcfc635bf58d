#pragma once
// The end of the broadcast day: the end modes, the automatic shutdown
// time, and switching the computer off through kestrin.

#include <string>

#include "shell/main_context.h"

namespace scheduler {

// The end modes, the items of the options dialog's RadioGroup1.
inline constexpr int kEndShutdown = 0;  // 5分钟自动关机
inline constexpr int kEndQuit = 1;      // 关闭本系统 返回WINDOWS
inline constexpr int kEndReplay = 2;    // 回到第一项重播
inline constexpr int kEndWait = 3;      // 等待

inline constexpr const char* kShutdownHelper = "kestrin";

// Switches the computer off: starts kestrin from the program folder,
// detached; the program itself runs on until the system ends it.
void exit1Click(shell::MainContext& ctx);

// "HH:MM:SS" as seconds of the day; -1 for a text that is no such time.
int secondsOfDay(const std::string& clockText);
// Seconds of the day (wrapping past midnight) as the clock text.
std::string clockTextOfSeconds(int seconds);

}  // namespace scheduler
