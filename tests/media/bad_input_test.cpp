// Files that cannot play make open() fail within the bounded wait, without
// a crash and without leaving anything open; the next good file still
// plays. An open also closes what played before it, bad file or not.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <gtest/gtest.h>

#include "tests/media/media_wait.h"
#include "tests/media/player_fixture.h"
#include "tests/media/test_media.h"

namespace media_testing {
namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

// The first bytes of a real MP3: its header frame, cut before any sound.
void writeTruncatedMp3(const fs::path& file) {
    const fs::path whole = file.string() + ".whole";
    encodeMp3(whole, 1.0, true);
    std::ifstream in(whole, std::ios::binary);
    std::string head(200, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    writeBytes(file, head);
}

struct BadInput {
    const char* name;
    const char* fileName;
    void (*make)(const fs::path&);
};

const BadInput kBadInputs[] = {
    {"missing_file", "nothing.wav", [](const fs::path&) {}},
    {"zero_byte_file", "empty.wav", [](const fs::path& f) { writeBytes(f, ""); }},
    {"truncated_mp3", "cut.mp3", writeTruncatedMp3},
    {"text_named_mp3", "notes.mp3", [](const fs::path& f) { writeBytes(f, "Bell at 7:55, assembly at 8:00.\n"); }},
    {"folder_named_wav", "x.wav", [](const fs::path& f) { fs::create_directory(f); }},
    {"fifo", "pipe.wav", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }},
    {"unreadable_file", "locked.wav",
     [](const fs::path& f) {
         writeToneWav(f, 0.5);
         fs::permissions(f, fs::perms::none);
     }},
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

class EachBadInput : public PlayerTest, public testing::WithParamInterface<BadInput> {};

TEST_P(EachBadInput, OpenFailsInBoundedTimeAndTheNextFilePlays) {
    const BadInput& input = GetParam();
    const auto bad = file(input.fileName);
    input.make(bad);
    if (std::string(input.name) == "unreadable_file" && access(bad.c_str(), R_OK) == 0)
        GTEST_SKIP() << "this user reads files without read permission (root), so the file is not unreadable";

    const auto good = file("good.wav");
    writeToneWav(good, 0.8);
    player.open(gbk(good));
    player.play();
    pumpFor(200ms);

    const auto before = Clock::now();
    EXPECT_THROW(player.open(gbk(bad)), playback::MediaError);
    EXPECT_LT(Clock::now() - before, kPrerollLimit + 1s);
    EXPECT_EQ(player.mode(), PlayerMode::NotOpen) << "the failed open closed the playing file";
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.length(), 0);
    player.play();  // nothing is open: no effect
    EXPECT_EQ(player.mode(), PlayerMode::NotOpen);
    const auto afterFailure = Clock::now();

    player.open(gbk(good));
    EXPECT_EQ(player.length(), 800);
    const auto start = Clock::now();
    const auto end = playToEnd();
    EXPECT_EQ(player.position(), 800);
    sink.waitFor(end);
    EXPECT_LT(sink.peak(afterFailure + 200ms, start), 0.01) << "the first file went on playing";
    EXPECT_GT(sink.peak(start, end), 0.4);
}

INSTANTIATE_TEST_SUITE_P(Media, EachBadInput, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace media_testing
