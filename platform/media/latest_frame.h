#pragma once
// The one hand-over between GStreamer's streaming thread and the GUI: the
// newest video frame, under a mutex. Older frames are dropped unseen, and a
// frame of an earlier file (an older generation) is never handed out.

#include <mutex>

#include "platform/media/gst_ref.h"

namespace media {

class LatestFrame {
public:
    // Streaming thread. True when the GUI has to be woken for this frame,
    // false when a wake-up is already on its way.
    bool put(SampleRef sample, unsigned generation);
    // GUI thread: the newest frame if it is of this generation, else null.
    SampleRef take(unsigned generation);
    void clear();

private:
    std::mutex mutex_;
    SampleRef sample_;
    unsigned generation_ = 0;
    bool wakePending_ = false;
};

}  // namespace media
