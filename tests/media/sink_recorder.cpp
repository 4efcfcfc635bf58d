#include "tests/media/sink_recorder.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>

#include "tests/media/pulse_server.h"

namespace media_testing {

namespace {

std::chrono::nanoseconds frameSpan(std::size_t frames) {
    return std::chrono::nanoseconds(static_cast<long long>(frames) * 1'000'000'000LL / SinkRecorder::kRate);
}

}  // namespace

SinkRecorder::SinkRecorder()
    : parec_({"parec", std::string("--device=") + PulseServer::kMonitor, "--format=s16le", "--rate=44100",
              "--channels=2", "--latency-msec=10", "--raw"},
             true),
      reader_([this] { readLoop(); }) {}

SinkRecorder::~SinkRecorder() {
    parec_.terminate();  // the reader then sees the end of its pipe
    reader_.join();
}

void SinkRecorder::readLoop() {
    std::vector<short> buffer(2 * kRate / 100);
    std::size_t carried = 0;  // bytes of a frame split across two reads
    auto* bytes = reinterpret_cast<char*>(buffer.data());
    for (;;) {
        const ssize_t n = ::read(parec_.outputFd(), bytes + carried, buffer.size() * sizeof(short) - carried);
        if (n <= 0) return;
        const auto now = Clock::now();
        const std::size_t total = carried + static_cast<std::size_t>(n);
        const std::size_t whole = total / (2 * sizeof(short)) * (2 * sizeof(short));
        Block block{now, std::vector<short>(buffer.begin(), buffer.begin() + whole / sizeof(short))};
        carried = total - whole;
        for (std::size_t i = 0; i < carried; ++i) bytes[i] = bytes[whole + i];
        std::lock_guard lock(mutex_);
        blocks_.push_back(std::move(block));
    }
}

void SinkRecorder::waitFor(Clock::time_point until) const {
    const auto giveUp = Clock::now() + std::chrono::seconds(5);
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (!blocks_.empty() && blocks_.back().arrived >= until) return;
        }
        if (Clock::now() > giveUp) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

template <typename Visit>
void SinkRecorder::forEachFrame(Clock::time_point from, Clock::time_point to, Visit visit) const {
    std::lock_guard lock(mutex_);
    for (const Block& block : blocks_) {
        const std::size_t frames = block.samples.size() / 2;
        const auto first = block.arrived - frameSpan(frames);
        if (block.arrived < from || first > to) continue;
        for (std::size_t i = 0; i < frames; ++i) {
            const auto at = first + frameSpan(i + 1);
            if (at >= from && at <= to) visit(at, block.samples[2 * i] / 32768.0, block.samples[2 * i + 1] / 32768.0);
        }
    }
}

double SinkRecorder::peak(Clock::time_point from, Clock::time_point to, Channel channel) const {
    double result = 0;
    forEachFrame(from, to, [&](Clock::time_point, double left, double right) {
        if (channel != kRight) result = std::max(result, std::abs(left));
        if (channel != kLeft) result = std::max(result, std::abs(right));
    });
    return result;
}

double SinkRecorder::rms(Clock::time_point from, Clock::time_point to, Channel channel) const {
    double sum = 0;
    long long count = 0;
    forEachFrame(from, to, [&](Clock::time_point, double left, double right) {
        if (channel != kRight) sum += left * left, ++count;
        if (channel != kLeft) sum += right * right, ++count;
    });
    return count ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
}

std::optional<SinkRecorder::Clock::time_point> SinkRecorder::firstSound(Clock::time_point from,
                                                                       double threshold) const {
    std::optional<Clock::time_point> first;
    forEachFrame(from, Clock::time_point::max(), [&](Clock::time_point at, double left, double right) {
        if (!first && (std::abs(left) > threshold || std::abs(right) > threshold)) first = at;
    });
    return first;
}

}  // namespace media_testing
