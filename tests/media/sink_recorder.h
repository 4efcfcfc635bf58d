#pragma once
// Records what reaches the test daemon's null sink (its monitor, through
// parec) with the time each sample arrived, to tell whether sound came out,
// when, and how loud. Levels are 0 (silence) to 1 (full scale).

#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "tests/media/subprocess.h"

namespace media_testing {

class SinkRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kRate = 44100;
    enum Channel { kLeft = 0, kRight = 1, kBoth = 2 };

    SinkRecorder();  // records from now on
    ~SinkRecorder();

    // Waits until the samples that reach the sink up to `until` are in.
    void waitFor(Clock::time_point until) const;
    double peak(Clock::time_point from, Clock::time_point to, Channel channel = kBoth) const;
    double rms(Clock::time_point from, Clock::time_point to, Channel channel = kBoth) const;
    // When the first sample louder than `threshold` arrived after `from`.
    std::optional<Clock::time_point> firstSound(Clock::time_point from, double threshold) const;

private:
    struct Block {
        Clock::time_point arrived;  // when its last sample came in
        std::vector<short> samples;  // interleaved left, right
    };
    template <typename Visit>
    void forEachFrame(Clock::time_point from, Clock::time_point to, Visit visit) const;
    void readLoop();

    Subprocess parec_;
    mutable std::mutex mutex_;
    std::vector<Block> blocks_;
    std::thread reader_;
};

}  // namespace media_testing
