#pragma once
// Small media files of each kind the player plays, made with our own
// writers (WAV, MIDI), GStreamer's encoders through gst-launch-1.0 and
// mjpegtools. The tests play them, and the program folder ships some as
// samples. Every sound is a 440 Hz tone at half of full scale unless a WAV
// asks otherwise. Each writer throws std::runtime_error when a tool fails.

#include <filesystem>
#include <string>
#include <vector>

namespace sample_media {

// Runs a program (searched on PATH) to its end, its standard input and
// output from and to files when named; throws unless it exits 0.
void run(const std::vector<std::string>& argv, const std::string& inputFile = {},
         const std::string& outputFile = {});

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
// Appends an ID3 version 1 tag; the texts are stored as given (GBK on the
// machines these files come from), cut to 30 bytes.
void appendId3v1(const std::filesystem::path& file, const std::string& title, const std::string& artist);

}  // namespace sample_media
