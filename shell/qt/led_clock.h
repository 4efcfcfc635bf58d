#pragma once
// VrClock1: a seven-segment LED clock, HH:MM:SS in 24-hour form followed by
// an AM/PM mark, lime segments on black with the unlit segments in dark
// green. It reads the program's clock and redraws itself every second.

#include <QTimer>
#include <QWidget>

#include "scheduler/clock.h"

namespace view {

class LedClock : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDigitWidth = 12;
    static constexpr int kDigitHeight = 17;

    LedClock(const scheduler::Clock& clock, QWidget* parent);

    // The time shown, as "HH:MM:SS AM" (for tests and the accessible name).
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void tick();

    const scheduler::Clock& clock_;
    scheduler::LocalTime shown_;
    QTimer timer_;
};

}  // namespace view
