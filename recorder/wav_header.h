#pragma once
// The 44-byte header of a PCM WAV file, written before recording starts.

#include <array>
#include <cstdint>
#include <string>

namespace recorder {

struct WavFormat {
    int channels = 1;        // 1 or 2
    int bitsPerSample = 16;  // 8 or 16
    int samplesPerSecond = 11025;
};

std::array<unsigned char, 44> wavHeader(const WavFormat& format);

// Creates the file anew (replacing one of that name) with the header and
// no samples. Throws std::runtime_error when it cannot be written.
void CreateWav(int channels, int bitsPerSample, const std::string& gbkPath, std::int32_t samplesPerSecond);

}  // namespace recorder
