// Audible onset of timed rows: the real toramel plays a timetable of 20
// rows, three seconds apart, each a tone with no stop time, and the sound
// server's null sink is recorded. For each row the time from its scheduled
// wall-clock second to its first sample at the sink is measured; median and
// 99th percentile are printed.
//
// The sink's samples are time-stamped when the recorder reads them, so the
// figures include the recorder's own capture delay (about 10 ms at most).
//   onset_bench [BUSY]   with BUSY, both cores are kept busy meanwhile
//
// Runs against a private PulseAudio daemon of its own, like the media tests.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/media/pulse_server.h"
#include "tests/media/sink_recorder.h"
#include "tests/media/subprocess.h"
#include "tests/media/test_media.h"

namespace {

using namespace std::chrono_literals;
using media_testing::SinkRecorder;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kRows = 20;
constexpr int kSpacing = 3;    // seconds between rows; the tone lasts one
constexpr int kLeadIn = 8;     // seconds for toramel to start before the first row
constexpr double kSoundThreshold = 0.01;

std::string clockText(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

// The steady-clock instant of a wall-clock second (the recorder's stamps
// are steady; the schedule's seconds are the wall clock's).
SinkRecorder::Clock::time_point steadyOf(std::time_t second) {
    const auto wallNow = std::chrono::system_clock::now();
    const auto steadyNow = SinkRecorder::Clock::now();
    return steadyNow + std::chrono::duration_cast<SinkRecorder::Clock::duration>(
                           std::chrono::system_clock::from_time_t(second) - wallNow);
}

}  // namespace

int main(int argc, char**) {
    const bool busy = argc > 1;
    media_testing::PulseServer pulse;
    SinkRecorder sink;

    const auto school = pulse.dir() / "school";
    const auto runtime = pulse.dir() / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    media_testing::run({TORAMEL_MAKE_PROGRAM_FOLDER, school.string()});
    std::filesystem::copy_file(TORAMEL_BINARY, school / "toramel");
    media_testing::writeToneWav(school / "audio" / "tone.wav", 1.0, 0.5, 1000);

    // Whole seconds from now on, so the first row is safely ahead of start-up.
    const std::time_t first = std::time(nullptr) + kLeadIn;
    const auto rows = pulse.dir() / "rows.txt";
    {
        std::ofstream out(rows);
        for (int i = 0; i < kRows; ++i) out << clockText(first + i * kSpacing) << "|tone.wav||\n";
    }
    media_testing::run({TORAMEL_WRITE_TIMETABLE, (school / "chunqiu.dbf").string(), "CHUNQIU_ON"}, rows.string());

    std::atomic<bool> loaded{busy};
    std::vector<std::thread> load;
    for (unsigned i = 0; busy && i < std::max(2u, std::thread::hardware_concurrency()); ++i) {
        load.emplace_back([&loaded] {
            volatile unsigned long x = 0;
            while (loaded.load(std::memory_order_relaxed)) x = x * 6364136223846793005ul + 1;
        });
    }

    // A session of its own, no system bus (nothing here may reach a real
    // shutdown), messages printed rather than waited on.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TORAMEL_ECHO_MESSAGES", "1", 1);
    setenv("TORAMEL_ECHO_STATUS", "1", 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + (runtime / "no-bus").string()).c_str(), 1);
    const auto log = school / "toramel.out";
    std::filesystem::current_path(school);
    std::optional<media_testing::Subprocess> toramel;
    toramel.emplace(std::vector<std::string>{"sh", "-c", "exec ./toramel >toramel.out 2>&1"});

    std::vector<double> onsets;
    for (int i = 0; i < kRows; ++i) {
        const auto scheduled = steadyOf(first + i * kSpacing);
        std::this_thread::sleep_until(scheduled + 2s);  // the recorder's wait is short
        sink.waitFor(scheduled + 2s);
        const auto sound = sink.firstSound(scheduled - 500ms, kSoundThreshold);
        if (!sound || *sound > scheduled + 2s) {
            std::printf("row %2d at %s: no sound within 2 s\n", i + 1, clockText(first + i * kSpacing).c_str());
            continue;
        }
        onsets.push_back(Millis(*sound - scheduled).count());
    }
    toramel.reset();
    loaded = false;
    for (auto& t : load) t.join();

    if (onsets.empty()) {
        std::printf("no row sounded; toramel said:\n%s", std::string(std::istreambuf_iterator<char>(std::ifstream(log).rdbuf()), {}).c_str());
        return 1;
    }
    std::sort(onsets.begin(), onsets.end());
    const auto at = [&](double q) { return onsets[static_cast<std::size_t>(q * (onsets.size() - 1) + 0.5)]; };
    std::printf("audible onset after the scheduled second%s: %zu of %d rows, median %.1f ms, p99 %.1f ms, "
                "min %.1f ms, max %.1f ms\n",
                busy ? " (both cores busy)" : "", onsets.size(), kRows, at(0.5), at(0.99), onsets.front(),
                onsets.back());
    return 0;
}
