#include "platform/media/latest_frame.h"

namespace media {

bool LatestFrame::put(SampleRef sample, unsigned generation) {
    std::lock_guard lock(mutex_);
    sample_ = std::move(sample);
    generation_ = generation;
    const bool wake = !wakePending_;
    wakePending_ = true;
    return wake;
}

SampleRef LatestFrame::take(unsigned generation) {
    std::lock_guard lock(mutex_);
    wakePending_ = false;
    if (generation_ != generation) sample_.reset();
    return std::move(sample_);
}

void LatestFrame::clear() {
    std::lock_guard lock(mutex_);
    sample_.reset();
}

}  // namespace media
