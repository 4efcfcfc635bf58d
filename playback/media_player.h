#pragma once
// The media player as the core sees it: a synchronous device. open() has
// either succeeded or thrown when it returns; the mode, position and length
// can be asked at any time. Position and length are in milliseconds.

#include <stdexcept>
#include <string>

namespace playback {

class MediaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class PlayerMode { NotOpen, Stopped, Playing };

// One picture, four bytes a pixel in the order blue, green, red, unused.
// The pixels belong to the player and are valid only during the call.
struct VideoFrame {
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes from one row to the next
    const unsigned char* pixels = nullptr;
};

// Where on the display surface the picture goes, in the surface's pixels.
// A rectangle without area stands for the whole surface.
struct DisplayRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool wholeSurface() const { return width <= 0 || height <= 0; }
    bool operator==(const DisplayRect&) const = default;
};

// The display window of the player: it shows the latest picture in its
// target rectangle. Called on the GUI thread only.
class VideoSurface {
public:
    virtual ~VideoSurface() = default;
    virtual void showFrame(const VideoFrame& frame) = 0;
    virtual void setTarget(const DisplayRect& rect) = 0;
    virtual void clearPicture() = 0;
};

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void open(const std::string& path) = 0;  // GBK path; throws MediaError
    virtual void play() = 0;
    virtual void stop() = 0;   // the file stays open
    virtual void close() = 0;
    virtual PlayerMode mode() const = 0;
    virtual long long position() const = 0;
    virtual long long length() const = 0;

    // The display surface stays set for every file opened later; nullptr
    // detaches it. The surface must outlive the player or be detached.
    virtual void setDisplay(VideoSurface* surface) = 0;
    // Acts only while a file with a picture is open; each open starts with
    // the whole surface.
    virtual void setDisplayRect(const DisplayRect& rect) = 0;
    // Output level of the left and right channel, 0 (silence) to 65535 (full),
    // applied at once and to every file opened later.
    virtual void setVolume(unsigned left, unsigned right) = 0;
};

}  // namespace playback
