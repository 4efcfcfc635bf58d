#pragma once
// The media tests' files come from the program's sample writers.

#include "tools/sample_media/sample_media.h"

namespace media_testing {

using sample_media::encodeAvi;
using sample_media::encodeMp3;
using sample_media::encodeMpeg;
using sample_media::writeMidiTune;
using sample_media::writeToneWav;
using sample_media::writeVideoCdDat;

}  // namespace media_testing
