#include "recorder/wav_header.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

#include "platform/files/fs_path.h"

namespace recorder {
namespace {

void put16(unsigned char* p, unsigned v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
void put32(unsigned char* p, std::uint32_t v) {
    put16(p, v & 0xffff);
    put16(p + 2, v >> 16);
}

}  // namespace

std::array<unsigned char, 44> wavHeader(const WavFormat& f) {
    std::array<unsigned char, 44> h{};
    const unsigned bytesPerSample = static_cast<unsigned>(f.bitsPerSample / 8);
    std::memcpy(h.data(), "RIFF", 4);
    put32(&h[4], 36);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    put32(&h[16], 16);
    put16(&h[20], 1);
    put16(&h[22], static_cast<unsigned>(f.channels));
    put32(&h[24], static_cast<std::uint32_t>(f.samplesPerSecond));
    put32(&h[28], static_cast<std::uint32_t>(f.channels) * static_cast<std::uint32_t>(f.samplesPerSecond) * bytesPerSample);
    put16(&h[32], static_cast<unsigned>(f.channels) * bytesPerSample);
    put16(&h[34], static_cast<unsigned>(f.bitsPerSample));
    std::memcpy(&h[36], "data", 4);
    put32(&h[40], 0);
    return h;
}

void CreateWav(int channels, int bitsPerSample, const std::string& gbkPath, std::int32_t samplesPerSecond) {
    const auto header = wavHeader({channels, bitsPerSample, samplesPerSecond});
    const auto path = files::toFsPath(gbkPath);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(header.data()), header.size());
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace recorder
