#pragma once
// The wall clock as the core reads it; tests pass a fake.

namespace scheduler {

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int weekday = 1;  // 1 = Monday ... 7 = Sunday
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The system's local time.
class SystemClock : public Clock {
public:
    LocalTime now() const override;
};

}  // namespace scheduler
