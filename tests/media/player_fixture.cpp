#include "tests/media/player_fixture.h"

#include <cstdlib>

#include "tests/media/media_wait.h"

namespace media_testing {

namespace {

std::filesystem::path makeTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "toramel-media-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

}  // namespace

PlayerTest::PlayerTest() : dir_(makeTempDir()) {
    surface.resize(400, 300);
    surface.show();
    player.setDisplay(&surface);
}

PlayerTest::~PlayerTest() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
}

Clock::time_point PlayerTest::playToEnd(std::chrono::milliseconds limit) {
    player.play();
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    EXPECT_TRUE(waitUntil([&] { return player.mode() != PlayerMode::Playing; }, limit)) << "still playing";
    return Clock::now();
}

}  // namespace media_testing
