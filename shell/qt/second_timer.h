#pragma once
// Arming a single-shot timer for just after the next wall-clock second, so
// that a timer re-armed at every shot fires once in every second of the day.

#include <QDateTime>
#include <QTimer>

namespace view {

inline void armForNextSecond(QTimer& timer) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    timer.start(static_cast<int>(1000 - now % 1000) + 2);
}

}  // namespace view
