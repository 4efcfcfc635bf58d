#pragma once
// The program's media player over GStreamer's playbin. It looks synchronous
// to the core: open() prerolls the file and returns once it is ready or
// throws after a bounded wait, and mode, position and length are answered at
// once from what the pipeline last reported on its bus.
//
// Everything here runs on the GUI thread; create the player after the
// QApplication. The bus is read from the GUI's event loop (and drained before
// each mode or position answer); video frames come from GStreamer's
// streaming thread through a single-frame mailbox.

#include <chrono>
#include <memory>
#include <string>

#include "playback/media_player.h"

namespace media {

class GstPlayer : public playback::MediaPlayer {
public:
    static constexpr std::chrono::milliseconds kDefaultPrerollLimit{5000};

    explicit GstPlayer(std::chrono::milliseconds prerollLimit = kDefaultPrerollLimit);
    ~GstPlayer() override;
    GstPlayer(const GstPlayer&) = delete;
    GstPlayer& operator=(const GstPlayer&) = delete;

    void open(const std::string& path) override;
    void play() override;
    void stop() override;
    void close() override;
    playback::PlayerMode mode() const override;
    long long position() const override;
    long long length() const override;

    void setDisplay(playback::VideoSurface* surface) override;
    void setDisplayRect(const playback::DisplayRect& rect) override;
    void setVolume(unsigned left, unsigned right) override;

    // The open file has a picture.
    bool hasVideo() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace media
