// Start latency of the media player: from play() to the first sample of the
// file at the sound server's null sink, median and 95th percentile over 20
// starts of a WAV and an MP3, beside paplay on the same file started the
// same way (from its start to its first sample at the sink). The player is
// measured twice: play() after a finished open (the timetable's case), and
// open() plus play() (what paplay has to do too).
//
// Runs against a private PulseAudio daemon of its own, like the media tests.

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/fs_path.h"
#include "platform/media/gst_player.h"
#include "tests/media/media_wait.h"
#include "tests/media/pulse_server.h"
#include "tests/media/sink_recorder.h"
#include "tests/media/subprocess.h"
#include "tests/media/test_media.h"

namespace {

using namespace std::chrono_literals;
using media_testing::SinkRecorder;
using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kStarts = 20;
constexpr double kSoundThreshold = 0.01;

struct Figures {
    double median;
    double p95;
};

Figures figures(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.95)};
}

// Starts something that should sound, and gives the time from the start to
// its first sample at the sink; `end` silences it again.
double latency(SinkRecorder& sink, const std::function<void()>& start, const std::function<void()>& end) {
    const auto t0 = Clock::now();
    start();
    std::optional<Clock::time_point> sound;
    media_testing::waitUntil([&] { return (sound = sink.firstSound(t0, kSoundThreshold)).has_value(); }, 5s);
    end();
    media_testing::pumpFor(300ms);  // the sink is quiet again before the next start
    return sound ? Millis(*sound - t0).count() : -1;
}

void report(const char* what, const char* format, const Figures& f, const Figures& paplay) {
    std::printf("%-22s %-4s median %7.2f ms  p95 %7.2f ms  ratio to paplay %.3f / %.3f\n", what, format, f.median,
                f.p95, f.median / paplay.median, f.p95 / paplay.p95);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    media_testing::PulseServer pulse;
    QApplication app(argc, argv);
    SinkRecorder sink;
    media::GstPlayer player;
    const auto dir = pulse.dir() / "media";
    std::filesystem::create_directory(dir);
    const auto wav = dir / "tone.wav";
    const auto mp3 = dir / "tone.mp3";
    media_testing::writeToneWav(wav, 1.0);
    media_testing::encodeMp3(mp3, 1.0, true);

    std::printf("start latency to the first sample at the null sink, %d starts each\n", kStarts);
    for (const auto& [format, file] : {std::pair{"WAV", wav}, std::pair{"MP3", mp3}}) {
        const std::string path = files::fromFsPath(file);
        std::vector<double> play, openPlay, paplay;
        for (int i = 0; i < kStarts; ++i) {
            player.open(path);
            play.push_back(latency(sink, [&] { player.play(); }, [&] { player.close(); }));
            openPlay.push_back(latency(
                sink, [&] { player.open(path), player.play(); }, [&] { player.close(); }));
            std::optional<media_testing::Subprocess> child;
            paplay.push_back(latency(
                sink, [&] { child.emplace(std::vector<std::string>{"paplay", "--device=out", file.string()}); },
                [&] { child.reset(); }));
        }
        const Figures reference = figures(paplay);
        report("play() after open", format, figures(play), reference);
        report("open() + play()", format, figures(openPlay), reference);
        report("paplay", format, reference, reference);
    }
    return 0;
}
