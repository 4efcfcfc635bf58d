#pragma once
// What every player test has: a temporary folder for its media, a recorder
// on the sink, a video surface on the offscreen platform and the player
// drawing into it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files/fs_path.h"
#include "platform/media/gst_player.h"
#include "platform/media/video_widget.h"
#include "tests/media/sink_recorder.h"

namespace media_testing {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using playback::PlayerMode;

class PlayerTest : public testing::Test {
protected:
    // Generous: the sanitizer build loads a MIDI soundfont several times slower.
    static constexpr auto kPrerollLimit = 10000ms;

    PlayerTest();
    ~PlayerTest() override;

    std::filesystem::path file(const std::string& name) const { return dir_ / name; }
    // The player takes the program's GBK paths.
    static std::string gbk(const std::filesystem::path& path) { return files::fromFsPath(path); }
    // Plays the open file to its end; the time it ended.
    Clock::time_point playToEnd(std::chrono::milliseconds limit = 5000ms);

    std::filesystem::path dir_;
    SinkRecorder sink;
    media::VideoWidget surface;
    media::GstPlayer player{kPrerollLimit};
};

}  // namespace media_testing
