#pragma once
// Small media files for the player tests, made with our own writers (WAV,
// MIDI), GStreamer's encoders through gst-launch-1.0 and mjpegtools. Every
// sound is a 440 Hz tone at half of full scale unless a WAV asks otherwise.

#include <filesystem>

namespace media_testing {

void writeToneWav(const std::filesystem::path& file, double seconds, double amplitude = 0.5,
                  double frequency = 440);
void writeMidiTune(const std::filesystem::path& file);  // four notes, 1.5 s
void encodeMp3(const std::filesystem::path& file, double seconds, bool xingHeader);
void encodeAvi(const std::filesystem::path& file, double seconds);  // MJPEG 320x240, a ball on black, PCM sound
// MPEG-1 program stream, 352x288 with MPEG audio; the video-CD profile is
// what a .dat file of a video CD holds.
void encodeMpeg(const std::filesystem::path& file, double seconds, bool videoCd);
// A .dat file as a video CD stores it: the video-CD program stream in raw
// 2352-byte sectors inside a RIFF "CDXA" file.
void writeVideoCdDat(const std::filesystem::path& file, double seconds);

}  // namespace media_testing
