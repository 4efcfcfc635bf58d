// The output volume: a level per channel from 0 to 65535, as the volume
// slider gives it (its position times 256), heard at the sink at once and
// given again to every file opened later, whatever the sound server
// remembered of our last stream.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "platform/media/volume_levels.h"
#include "tests/media/media_wait.h"
#include "tests/media/player_fixture.h"
#include "tests/media/subprocess.h"
#include "tests/media/test_media.h"

namespace media_testing {
namespace {

constexpr double kToneRms = 0.5 / 1.41421356;  // the test tone's level at full volume

// Sets the volume of every stream into the sink but the silence that keeps
// it busy, as another program (a mixer) would.
void setOurStreamVolumeFromOutside(const char* volume) {
    FILE* out = popen("pactl list sink-inputs", "r");
    ASSERT_NE(out, nullptr);
    std::string index;
    std::vector<std::string> ours;
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
        if (std::strncmp(line, "Sink Input #", 12) == 0) index = std::string(line + 12, std::strcspn(line + 12, "\n"));
        if (std::strstr(line, "application.name = ") && !std::strstr(line, "\"silence\"")) ours.push_back(index);
    }
    pclose(out);
    ASSERT_FALSE(ours.empty());
    for (const auto& i : ours) run({"pactl", "set-sink-input-volume", i, volume});
}

class VolumeTest : public PlayerTest {
protected:
    VolumeTest() { writeToneWav(tone, 3.0); }

    // The level of the tone at the sink, once it sounds.
    double levelOfNextPlay(SinkRecorder::Channel channel = SinkRecorder::kBoth) {
        player.open(gbk(tone));
        const auto start = Clock::now();
        player.play();
        std::optional<Clock::time_point> sound;
        EXPECT_TRUE(waitUntil([&] { return (sound = sink.firstSound(start, 0.001)).has_value(); }, 3s));
        if (!sound) return 0;
        pumpFor(500ms);
        sink.waitFor(*sound + 500ms);
        return sink.rms(*sound + 100ms, *sound + 500ms, channel);
    }

    const std::filesystem::path tone = file("tone.wav");
};

TEST_F(VolumeTest, SliderPosition50IsClearlyQuieterThan255) {
    player.setVolume(255 * 256, 255 * 256);
    const double loud = levelOfNextPlay();
    player.setVolume(50 * 256, 50 * 256);
    const double quiet = levelOfNextPlay();
    EXPECT_NEAR(loud, kToneRms * 255 / 255.0, 0.03);
    EXPECT_NEAR(quiet / loud, 50 / 255.0, 0.03) << "the level follows the volume linearly";
}

TEST_F(VolumeTest, EachChannelGetsItsOwnLevel) {
    player.setVolume(65535, 0);
    EXPECT_GT(levelOfNextPlay(SinkRecorder::kLeft), kToneRms * 0.9);
    EXPECT_LT(sink.rms(Clock::now() - 300ms, Clock::now(), SinkRecorder::kRight), 0.005);

    player.setVolume(16384, 65535);
    const double left = levelOfNextPlay(SinkRecorder::kLeft);
    const double right = sink.rms(Clock::now() - 300ms, Clock::now(), SinkRecorder::kRight);
    EXPECT_NEAR(right, kToneRms, 0.03);
    EXPECT_NEAR(left / right, 0.25, 0.03);
}

TEST_F(VolumeTest, AChangeActsOnThePlayingFileAtOnce) {
    player.setVolume(65535, 65535);
    const double before = levelOfNextPlay();
    player.setVolume(13107, 13107);  // a fifth
    const auto changed = Clock::now();
    pumpFor(600ms);
    sink.waitFor(changed + 600ms);
    EXPECT_NEAR(sink.rms(changed + 300ms, changed + 600ms) / before, 0.2, 0.03);
}

TEST_F(VolumeTest, EveryOpenReplacesAVolumeTheSoundServerKept) {
    player.setVolume(50 * 256, 50 * 256);
    const double ours = levelOfNextPlay();
    // Someone turns our stream up in a mixer; the server remembers that
    // level for the program's next stream.
    setOurStreamVolumeFromOutside("100%");
    const auto turnedUp = Clock::now();
    pumpFor(500ms);
    sink.waitFor(turnedUp + 500ms);
    ASSERT_GT(sink.rms(turnedUp + 250ms, turnedUp + 500ms), ours * 3) << "the mixer did not reach our stream";
    player.stop();

    EXPECT_NEAR(levelOfNextPlay() / ours, 1.0, 0.15) << "the next file plays at our volume again";
}

TEST(VolumeLevels, LouderChannelSetsTheFactorAndThePanoramaTheOther) {
    struct Case {
        unsigned left, right;
        double master, panorama;
    };
    const Case cases[] = {
        {65535, 65535, 1.0, 0.0}, {65280, 65280, 65280 / 65535.0, 0.0}, {0, 0, 0.0, 0.0},
        {65535, 0, 1.0, -1.0},    {0, 65535, 1.0, 1.0},                  {32768, 65536, 1.0, 0.5},
        {80000, 16384, 1.0, -0.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "/" + std::to_string(c.right));
        const media::VolumeLevels levels = media::volumeLevels(c.left, c.right);
        EXPECT_NEAR(levels.master, c.master, 1e-4);
        EXPECT_NEAR(levels.panorama, c.panorama, 1e-4);
    }
}

}  // namespace
}  // namespace media_testing
