// Every format the timetable may name plays through the real sink from the
// start to its end: the player reports the length at open, the position
// runs from 0 to that length, the mode drops out of playing at the end, and
// video files draw into the display surface.

#include <gtest/gtest.h>

#include "tests/media/media_wait.h"
#include "tests/media/player_fixture.h"
#include "tests/media/test_media.h"

namespace media_testing {
namespace {

struct Format {
    const char* name;
    const char* fileName;
    void (*make)(const std::filesystem::path&);
    int pictureWidth;  // 0 for sound only
    double minPeak;    // the tone is at half of full scale
};

const Format kFormats[] = {
    {"wav", "tone.wav", [](const auto& f) { writeToneWav(f, 1.5); }, 0, 0.4},
    {"midi", "tune.mid", [](const auto& f) { writeMidiTune(f); }, 0, 0.05},
    {"mp3", "tone.mp3", [](const auto& f) { encodeMp3(f, 1.5, true); }, 0, 0.4},
    {"mp3_without_xing_header", "plain.mp3", [](const auto& f) { encodeMp3(f, 1.5, false); }, 0, 0.4},
    {"avi", "clip.avi", [](const auto& f) { encodeAvi(f, 1.5); }, 320, 0.4},
    {"mpg", "clip.mpg", [](const auto& f) { encodeMpeg(f, 1.5, false); }, 352, 0.4},
    {"dat_program_stream", "clip.dat", [](const auto& f) { encodeMpeg(f, 1.5, true); }, 352, 0.4},
    {"video_cd_dat", "AVSEQ01.DAT", [](const auto& f) { writeVideoCdDat(f, 1.5); }, 352, 0.4},
};

void PrintTo(const Format& format, std::ostream* out) { *out << format.name; }

class EachFormat : public PlayerTest, public testing::WithParamInterface<Format> {};

TEST_P(EachFormat, PlaysFromStartToEndThroughTheSink) {
    const Format& format = GetParam();
    const auto media = file(format.fileName);
    format.make(media);

    const auto opening = Clock::now();
    player.open(gbk(media));
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.position(), 0);
    const long long length = player.length();
    EXPECT_NEAR(length, 1500, 100);
    EXPECT_EQ(player.hasVideo(), format.pictureWidth > 0);

    const auto start = Clock::now();
    player.play();
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    pumpFor(700ms);
    const long long midway = player.position();
    EXPECT_GT(midway, 0);
    EXPECT_LT(midway, length);
    EXPECT_EQ(player.length(), length) << "the length stays what open reported";

    ASSERT_TRUE(waitUntil([&] { return player.mode() != PlayerMode::Playing; }, 5s));
    const auto end = Clock::now();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.position(), length);
    EXPECT_GT(end - start, 1300ms);

    sink.waitFor(end + 500ms);
    EXPECT_LT(sink.peak(opening, start), 0.01) << "sound before play";
    ASSERT_TRUE(sink.firstSound(start, 0.02)) << "nothing reached the sink";
    EXPECT_GT(sink.peak(start, end), format.minPeak);
    EXPECT_LT(sink.peak(end + 250ms, end + 500ms), 0.01) << "sound went on after the end";

    if (format.pictureWidth > 0) {
        EXPECT_GT(surface.framesShown(), 10);
        EXPECT_EQ(surface.picture().width(), format.pictureWidth);
    } else {
        EXPECT_EQ(surface.framesShown(), 0);
        EXPECT_TRUE(surface.picture().isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Media, EachFormat, testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace media_testing
