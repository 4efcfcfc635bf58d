#include "operator/options.h"

#include <algorithm>

namespace operation {

void setTrackbar1Position(shell::MainContext& ctx, int position) {
    position = std::clamp(position, 0, 255);
    if (position == ctx.Form4.trackbar1Position) return;
    ctx.Form4.trackbar1Position = position;
    trackbar1Change(ctx);
}

void trackbar1Change(shell::MainContext& ctx) {
    const auto level = static_cast<unsigned>(ctx.Form4.trackbar1Position) << 8;
    ctx.MediaPlayer1.setVolume(level, level);
}

}  // namespace operation
