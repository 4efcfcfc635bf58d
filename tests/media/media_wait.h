#pragma once
// Waiting in the media tests with the GUI's event loop running, as it runs
// in the program: the player reads its bus and hands over frames there.

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace media_testing {

template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline void pumpFor(std::chrono::milliseconds span) {
    waitUntil([] { return false; }, span);
}

}  // namespace media_testing
