#pragma once
// The player's output volume is given as a level per channel (0 to 65535,
// linear, as the old wave-out device took it). GStreamer takes one linear
// factor and a balance: the louder channel sets the factor, and the panorama
// attenuates the quieter side to its own level.

namespace media {

struct VolumeLevels {
    double master;    // 0 (silence) to 1 (unchanged)
    double panorama;  // -1 (left only) to 1 (right only), for the "simple" method
};

VolumeLevels volumeLevels(unsigned left, unsigned right);

}  // namespace media
