// The media tests run against a PulseAudio daemon of their own, started
// here before Qt and GStreamer look for a sound server, with Qt on the
// offscreen platform so that no display is needed.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "tests/media/pulse_server.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<media_testing::PulseServer> pulse;
    if (!GTEST_FLAG_GET(list_tests)) pulse = std::make_unique<media_testing::PulseServer>();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
