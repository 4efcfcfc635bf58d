#include "platform/media/volume_levels.h"

#include <algorithm>

namespace media {

VolumeLevels volumeLevels(unsigned left, unsigned right) {
    constexpr unsigned kFull = 65535;
    left = std::min(left, kFull);
    right = std::min(right, kFull);
    const unsigned louder = std::max(left, right);
    if (louder == 0) return {0.0, 0.0};
    const double master = static_cast<double>(louder) / kFull;
    if (right >= left) return {master, 1.0 - static_cast<double>(left) / right};
    return {master, -(1.0 - static_cast<double>(right) / left)};
}

}  // namespace media
