#include "scheduler/tick.h"

#include <cstdio>
#include <exception>

#include "data/settings_table.h"
#include "data/table_layouts.h"
#include "platform/text/trim.h"
#include "playback/play_stop.h"
#include "playback/video_window.h"
#include "scheduler/advance.h"
#include "scheduler/end_of_day.h"
#include "scheduler/status_line.h"
#include "scheduler/time_text.h"
#include "shell/tray.h"

namespace scheduler {
namespace {

int compare(const std::string& a, const std::string& b) { return compareTimeTexts(a, b); }

// Step 6: start, stop or pass over the current row.
void decideRow(shell::MainContext& ctx) {
    BroadcastState& s = ctx.state;
    dbase::Table& t = ctx.Table1.table;
    const std::string& start = s.StartTimeText;
    const std::string& now = s.NowText;
    const std::string& stop = s.StopTimeText;

    if (!s.TodayText.empty() && t.fieldText(data::kXqjtb).find(s.TodayText) != std::string::npos) {
        s.AdvanceRequested = true;
        return;
    }
    if (text::trimBlanks(t.fieldText(data::kFilename)).empty()) {
        s.AdvanceRequested = true;
        return;
    }
    if (!s.Playing && !t.eof()) {
        playback::hideVideoWindow(ctx);
        s.ShutdownArmable = true;
        if (start.empty()) {
            if (s.ChainBroken) {
                s.AdvanceRequested = true;
            } else if (stop.empty() && s.RowPlayed) {
                s.AdvanceRequested = true;
            } else if (!stop.empty() && compare(stop, now) < 0) {
                s.AdvanceRequested = true;
            } else {
                playback::ToolButton17Click(ctx);
            }
        } else {
            if (compare(start, now) == 0) playback::ToolButton17Click(ctx);
            if (compare(start, now) < 0) {
                if (compare(stop, now) > 0) {
                    playback::ToolButton17Click(ctx);
                } else {
                    s.AdvanceRequested = true;
                }
                if (stop.empty()) s.AdvanceRequested = true;
            }
        }
    }
    if (!stop.empty() && compare(stop, now) <= 0) {
        playback::ToolButton18Click(ctx);
        s.AdvanceRequested = true;
    }
    if (s.LengthText == s.PositionText) {
        if (!s.RowIsDirectory) s.AdvanceRequested = true;
        playback::ToolButton18Click(ctx);
    }
}

void runTick(shell::MainContext& ctx) {
    BroadcastState& s = ctx.state;
    auto& c = ctx.controls;
    dbase::Table& t = ctx.Table1.table;

    if (c.ztbc.enabled) {
        c.ztbc.enabled = true;
        c.jxbc.enabled = false;
    }
    const LocalTime time = ctx.clock.now();
    const int nowSeconds = time.hour * 3600 + time.minute * 60 + time.second;
    s.ClockText = clockText(time.hour, time.minute, time.second);
    s.StartTimeText = normaliseTime(t.fieldText(data::kTime));
    s.NowText = normaliseTime(s.ClockText);
    s.StopTimeText = normaliseTime(t.fieldText(data::kShichang));

    if (ctx.Form4.RadioGroup1Index == kEndShutdown && s.AutoShutdownTime == s.ClockText) exit1Click(ctx);
    if (data::settingText(ctx, data::kId2) == s.ClockText) exit1Click(ctx);
    if (data::settingText(ctx, data::kId3) == s.ClockText) exit1Click(ctx);

    s.Playing = ctx.MediaPlayer1.mode() == playback::PlayerMode::Playing;
    decideRow(ctx);

    if (s.Playing) {
        s.IdleCountdown = 60;
    } else {
        s.IdleCountdown = s.IdleCountdown - 1;
        if (s.IdleCountdown == 0) s.IdleCountdown = 30;
    }
    if (s.AdvanceRequested) tab2Click(ctx);

    if (t.eof() && s.ShutdownArmable && s.IdleCountdown < 30 && !s.Playing &&
        compare(s.StartTimeText, s.NowText) < 0) {
        s.AutoShutdownTime = clockTextOfSeconds(nowSeconds + 5 * 60);
        s.ShutdownArmable = false;
    }
    refreshStatusLine(ctx, nowSeconds);

    if (t.eof()) {
        if (ctx.Form4.RadioGroup1Index == kEndQuit) {
            s.Unlocked = true;
            shell::Q1Click(ctx);
        }
        if (ctx.Form4.RadioGroup1Index == kEndReplay && s.StartTimeText.empty()) t.first();
    }
}

}  // namespace

void Timer1Timer(shell::MainContext& ctx) {
    ctx.state.AdvanceRequested = false;
    try {
        runTick(ctx);
    } catch (const std::exception& e) {
        // The schedule stands still until the mode is switched; say why.
        ctx.controls.Timer1Interval = 0;
        std::fprintf(stderr, "toramel: the schedule stopped: %s\n", e.what());
    }
}

}  // namespace scheduler
