// How late the schedule tick fires after each wall-clock second, and how
// many seconds the clock it reads skips or doubles, beside a plain
// repeating 1000 ms timer, while both cores are kept busy.
//   tick_timer_bench [SECONDS]   (default 600)

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "scheduler/clock.h"
#include "shell/qt/second_timer.h"

namespace {

struct Samples {
    std::vector<qint64> lateness;  // ms after the second boundary
    std::vector<qint64> seconds;   // which second the tick's clock showed at each shot

    void record() {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const scheduler::LocalTime shown = scheduler::SystemClock().now();
        lateness.push_back(now % 1000);
        seconds.push_back(((shown.day * 24 + shown.hour) * 60 + shown.minute) * 60 + shown.second);
    }
    void report(const char* name) {
        std::vector<qint64> sorted = lateness;
        std::sort(sorted.begin(), sorted.end());
        int skipped = 0, doubled = 0;
        for (size_t i = 1; i < seconds.size(); ++i) {
            const qint64 step = seconds[i] - seconds[i - 1];
            if (step == 0) ++doubled;
            if (step > 1) skipped += static_cast<int>(step - 1);
        }
        std::printf("%-22s shots %5zu  lateness median %3lld ms  p99 %3lld ms  skipped %d  doubled %d\n", name,
                    sorted.size(), static_cast<long long>(sorted[sorted.size() / 2]),
                    static_cast<long long>(sorted[sorted.size() * 99 / 100]), skipped, doubled);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int duration = argc > 1 ? std::atoi(argv[1]) : 600;

    std::atomic<bool> busy{true};
    std::vector<std::thread> load;
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i) {
        load.emplace_back([&busy] {
            unsigned long x = 0;
            while (busy.load(std::memory_order_relaxed)) x = x * 6364136223846793005ul + 1;
            std::printf("%s", x == 42 ? "" : "");  // keeps the loop's work
        });
    }

    Samples aligned, plain;
    QTimer alignedTimer, plainTimer;
    alignedTimer.setTimerType(Qt::PreciseTimer);
    alignedTimer.setSingleShot(true);
    QObject::connect(&alignedTimer, &QTimer::timeout, [&] {
        view::armForNextSecond(alignedTimer);
        aligned.record();
    });
    plainTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&plainTimer, &QTimer::timeout, [&] { plain.record(); });
    view::armForNextSecond(alignedTimer);
    plainTimer.start(1000);
    QTimer::singleShot(duration * 1000, &app, &QCoreApplication::quit);
    app.exec();

    busy = false;
    for (auto& t : load) t.join();
    std::printf("%d s with %zu busy threads\n", duration, load.size());
    aligned.report("second-aligned tick");
    plain.report("plain 1000 ms timer");
}
