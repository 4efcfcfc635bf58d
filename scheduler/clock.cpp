#include "scheduler/clock.h"

#include <ctime>

namespace scheduler {

LocalTime SystemClock::now() const {
    const std::time_t t = std::time(nullptr);
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
