// Play, stop and close as the broadcast program uses them: stop halts the
// file where it is and keeps it open, play goes on from there, a replay
// after the end starts from the beginning, and a new open forgets all that
// the previous file still had to report.

#include <gtest/gtest.h>

#include <thread>

#include "platform/text/gbk.h"
#include "tests/media/media_wait.h"
#include "tests/media/player_fixture.h"
#include "tests/media/test_media.h"

namespace media_testing {
namespace {

TEST_F(PlayerTest, StopKeepsTheFileOpenAtItsPositionAndPlayGoesOnFromThere) {
    const auto tone = file("tone.wav");
    writeToneWav(tone, 2.0);
    player.open(gbk(tone));
    player.play();
    pumpFor(700ms);
    player.stop();
    const auto stopped = Clock::now();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    const long long where = player.position();
    EXPECT_GT(where, 0);
    EXPECT_LT(where, 1500);
    pumpFor(500ms);
    EXPECT_EQ(player.position(), where) << "a stopped file stands still";
    EXPECT_EQ(player.length(), 2000);
    sink.waitFor(stopped + 500ms);
    EXPECT_LT(sink.peak(stopped + 250ms, stopped + 500ms), 0.01) << "sound after stop";

    const auto resumed = Clock::now();
    player.play();
    pumpFor(100ms);
    EXPECT_GE(player.position(), where) << "play went on from the stop position";
    const auto end = playToEnd();
    EXPECT_EQ(player.position(), 2000);
    EXPECT_GT(end - resumed, std::chrono::milliseconds(2000 - where - 150)) << "the rest of the file played";
    sink.waitFor(end);
    EXPECT_GT(sink.peak(resumed, end), 0.4);

    player.close();
    EXPECT_EQ(player.mode(), PlayerMode::NotOpen);
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.length(), 0);
}

TEST_F(PlayerTest, PlayAfterTheEndStartsAgainFromTheBeginning) {
    const auto tone = file("tone.mp3");
    encodeMp3(tone, 1.0, true);
    player.open(gbk(tone));
    const long long length = player.length();
    playToEnd();
    EXPECT_EQ(player.position(), length);
    player.stop();  // after the end: nothing to halt, the end stays
    EXPECT_EQ(player.position(), length);

    const auto again = Clock::now();
    player.play();
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    pumpFor(300ms);
    EXPECT_LT(player.position(), 600);
    ASSERT_TRUE(waitUntil([&] { return player.mode() != PlayerMode::Playing; }, 3s));
    const auto end = Clock::now();
    EXPECT_EQ(player.position(), length);
    EXPECT_GT(end - again, 800ms) << "the replay played the whole file";
    sink.waitFor(end);
    EXPECT_GT(sink.peak(again, end), 0.4);
}

TEST_F(PlayerTest, OpensAGbkPathWrittenWithWindowsSeparators) {
    std::filesystem::create_directory(file("音乐"));
    writeToneWav(file("音乐") / "上课铃.wav", 0.5);
    player.open(gbk(dir_) + text::gbk("\\音乐\\上课铃.wav"));
    EXPECT_EQ(player.length(), 500);
}

TEST_F(PlayerTest, TheEndOfAnEarlierFileDoesNotEndTheNextOne) {
    const auto shortTone = file("short.wav");
    const auto longTone = file("long.wav");
    writeToneWav(shortTone, 0.3);
    writeToneWav(longTone, 2.0);
    player.open(gbk(shortTone));
    player.play();
    // No event loop and no question to the player meanwhile: the end of the
    // short file waits unread on the bus when the next file opens.
    std::this_thread::sleep_for(1s);
    player.open(gbk(longTone));
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.position(), 0);
    player.play();
    pumpFor(500ms);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    EXPECT_LT(player.position(), player.length());
}

}  // namespace
}  // namespace media_testing
