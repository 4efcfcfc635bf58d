#include "scheduler/clock.h"

#include <ctime>

namespace scheduler {

LocalTime SystemClock::now() const {
    // Not time(): on Linux it reads the coarse clock, which can still show
    // the last second for a few milliseconds after the boundary the tick
    // timer was armed for, so a tick would see one second twice and skip
    // the next (and a row timed for that second would not start).
    timespec precise{};
    clock_gettime(CLOCK_REALTIME, &precise);
    const std::time_t t = precise.tv_sec;
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalTime lt;
    lt.year = tm.tm_year + 1900;
    lt.month = tm.tm_mon + 1;
    lt.day = tm.tm_mday;
    lt.hour = tm.tm_hour;
    lt.minute = tm.tm_min;
    lt.second = tm.tm_sec;
    lt.weekday = tm.tm_wday == 0 ? 7 : tm.tm_wday;
    return lt;
}

}  // namespace scheduler
