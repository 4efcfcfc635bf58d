#include "scheduler/status_line.h"

#include <charconv>

#include "platform/text/gbk.h"
#include "scheduler/end_of_day.h"
#include "scheduler/time_text.h"

namespace scheduler {
namespace {

long long readInteger(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::runtime_error("not a number: \"" + text + "\"");
    }
    return value;
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

void showPlaying(shell::MainContext& ctx) {
    BroadcastState& s = ctx.state;
    s.PositionText = std::to_string(ctx.MediaPlayer1.position());
    const long long position = readInteger(s.PositionText);
    const long long length = readInteger(s.LengthText);
    // A file whose length is 0 (or not known yet) shows 0 % instead of
    // stopping the day's schedule.
    s.PercentDone = length > 0 ? static_cast<int>(static_cast<long double>(position) / length * 100) : 0;
    s.PercentText = std::to_string(s.PercentDone);

    if (s.SampleCount == 1) {
        s.FirstSamplePosition = static_cast<int>(ctx.MediaPlayer1.position());
        s.EstimatedLengthText = "00:00:00";
    } else {
        const long long rate = (ctx.MediaPlayer1.position() - s.FirstSamplePosition) / (s.SampleCount - 1);
        // A position that has not moved gives no rate: no estimate yet.
        s.EstimatedLengthSeconds = rate > 0 ? static_cast<int>(ctx.MediaPlayer1.length() / rate) : 0;
        s.EstimatedLengthText = formatEstimate(s.EstimatedLengthSeconds);
    }
    s.SampleCount = s.SampleCount + 1;

    ctx.controls.Label1 = text::gbk("正在播放：") + s.NowPlayingTitle + text::gbk("  长度大约：") +
                          s.EstimatedLengthText + text::gbk("  已完成：") + s.PercentText + text::gbk("％");
    ctx.controls.Label2 = s.TagLine;
}

}  // namespace

std::string formatEstimate(int seconds) {
    return std::to_string(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" + twoDigits(seconds % 60);
}

void refreshStatusLine(shell::MainContext& ctx, int nowSeconds) {
    BroadcastState& s = ctx.state;
    if (s.Playing) {
        showPlaying(ctx);
        return;
    }
    if (ctx.Form4.RadioGroup1Index == kEndShutdown && ctx.Table1.table.active() && ctx.Table1.table.eof()) {
        const int shutdownAt = secondsOfDay(s.AutoShutdownTime);
        if (shutdownAt >= 0 && shutdownAt <= nowSeconds + 5 * 60 && nowSeconds < shutdownAt) {
            ctx.controls.Label1 = text::gbk("  ☆ 系统将在 ") + clockTextOfSeconds(shutdownAt - nowSeconds) +
                                  text::gbk(" 后自动关机！");
            return;
        }
    }
    s.TipTick = s.TipTick + 1;
    s.TipIndex = s.TipTick / 10;
    if (s.TipTick > s.TipTickLimit) s.TipTick = 0;
    ctx.controls.Label1 = s.Tips[s.TipIndex];
}

}  // namespace scheduler
