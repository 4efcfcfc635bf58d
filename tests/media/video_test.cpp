// Video goes to the display surface: into the display rectangle, to the
// same surface for every later file, never a frame of a file already
// closed, and the first picture as soon as a surface is given after open.

#include <gtest/gtest.h>

#include <QImage>
#include <thread>

#include "tests/media/media_wait.h"
#include "tests/media/player_fixture.h"
#include "tests/media/test_media.h"

namespace media_testing {
namespace {

class VideoTest : public PlayerTest {
protected:
    VideoTest() { encodeAvi(clip, 1.5); }

    bool framesArrive() {
        const int before = surface.framesShown();
        return waitUntil([&] { return surface.framesShown() > before + 3; }, 2s);
    }

    const std::filesystem::path clip = file("clip.avi");
};

TEST_F(VideoTest, ThePictureFillsTheDisplayRectangleOnly) {
    player.open(gbk(clip));
    EXPECT_EQ(surface.targetRect(), surface.rect()) << "an open starts with the whole surface";
    player.setDisplayRect({40, 30, 160, 120});
    player.play();
    ASSERT_TRUE(framesArrive());
    player.stop();

    const QImage shot = surface.grab().toImage();
    const QColor background = surface.palette().window().color();
    int insideDrawn = 0, outsideDrawn = 0;
    for (int y = 0; y < shot.height(); y += 5) {
        for (int x = 0; x < shot.width(); x += 5) {
            const bool inside = x >= 40 && x < 200 && y >= 30 && y < 150;
            const bool drawn = shot.pixelColor(x, y) != background;
            (inside ? insideDrawn : outsideDrawn) += drawn ? 1 : 0;
        }
    }
    EXPECT_EQ(outsideDrawn, 0);
    EXPECT_GT(insideDrawn, 32 * 24 * 9 / 10);

    const auto tone = file("tone.wav");
    writeToneWav(tone, 0.5);
    player.open(gbk(tone));
    player.setDisplayRect({1, 1, 10, 10});
    EXPECT_EQ(surface.targetRect(), surface.rect()) << "no rectangle for a file without a picture";
}

TEST_F(VideoTest, TheSurfaceStaysSetForLaterFiles) {
    player.open(gbk(clip));
    player.play();
    ASSERT_TRUE(framesArrive());

    const auto mpeg = file("clip.mpg");
    encodeMpeg(mpeg, 1.0, false);
    player.open(gbk(mpeg));
    player.play();
    ASSERT_TRUE(framesArrive());
    EXPECT_EQ(surface.picture().width(), 352);
}

TEST_F(VideoTest, FramesOfAClosedFileNeverReachTheSurface) {
    player.open(gbk(clip));
    player.play();
    ASSERT_TRUE(framesArrive());
    // Frames keep coming while the GUI is busy; the newest waits for it.
    std::this_thread::sleep_for(300ms);
    const auto tone = file("tone.wav");
    writeToneWav(tone, 1.0);
    player.open(gbk(tone));
    const int shown = surface.framesShown();
    player.play();
    pumpFor(300ms);
    EXPECT_EQ(surface.framesShown(), shown);
    EXPECT_TRUE(surface.picture().isNull());
}

TEST_F(VideoTest, ASurfaceGivenAfterOpenShowsTheFirstPictureAtOnce) {
    player.setDisplay(nullptr);
    player.open(gbk(clip));
    pumpFor(200ms);
    EXPECT_TRUE(player.hasVideo());
    player.setDisplay(&surface);
    EXPECT_EQ(surface.picture().width(), 320);
}

}  // namespace
}  // namespace media_testing
