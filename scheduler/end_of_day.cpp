#include "scheduler/end_of_day.h"

#include "scheduler/time_text.h"

namespace scheduler {

void exit1Click(shell::MainContext& ctx) {
    // No platform here shuts down by itself: the helper asks the system.
    ctx.system.startDetached(ctx.state.AppDir + kShutdownHelper);
}

int secondsOfDay(const std::string& t) {
    if (t.size() != 8 || t[2] != ':' || t[5] != ':' || !readsAsTimeOfDay(t)) return -1;
    return ((t[0] - '0') * 10 + (t[1] - '0')) * 3600 + ((t[3] - '0') * 10 + (t[4] - '0')) * 60 +
           (t[6] - '0') * 10 + (t[7] - '0');
}

std::string clockTextOfSeconds(int seconds) {
    seconds = ((seconds % 86400) + 86400) % 86400;
    return clockText(seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

}  // namespace scheduler
