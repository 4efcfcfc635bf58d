#include "tools/sample_media/sample_media.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace sample_media {

extern "C" char** environ;

void run(const std::vector<std::string>& argv, const std::string& inputFile, const std::string& outputFile) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!inputFile.empty()) posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputFile.c_str(), O_RDONLY, 0);
    if (!outputFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv.front());
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv.front() + " failed");
}

namespace {

void gstLaunch(const std::string& pipeline) {
    std::vector<std::string> argv = {"gst-launch-1.0", "-q"};
    std::istringstream words(pipeline);
    for (std::string word; words >> word;) argv.push_back(word);
    run(argv);
}

std::string tone(double seconds, const std::string& caps) {
    return "audiotestsrc num-buffers=" + std::to_string(std::lround(seconds * 100)) +
           " samplesperbuffer=441 freq=440 volume=0.5 ! audio/x-raw,rate=44100,channels=2" + caps;
}

std::string ball(double seconds, int width, int height) {
    return "videotestsrc pattern=ball num-buffers=" + std::to_string(std::lround(seconds * 25)) +
           " ! video/x-raw,width=" + std::to_string(width) + ",height=" + std::to_string(height) +
           ",framerate=25/1";
}

void put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}
void put32(std::string& out, unsigned v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
void putBig32(std::string& out, unsigned v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xff);
}

}  // namespace

void writeToneWav(const std::filesystem::path& file, double seconds, double amplitude, double frequency) {
    constexpr unsigned kRate = 44100, kChannels = 2;
    const auto frames = static_cast<unsigned>(seconds * kRate);
    std::string data;
    for (unsigned i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * frequency * i / kRate);
        const auto sample = static_cast<std::int16_t>(std::lround(v * 32767));
        for (unsigned c = 0; c < kChannels; ++c) put16(data, static_cast<std::uint16_t>(sample));
    }
    std::string wav = "RIFF";
    put32(wav, static_cast<unsigned>(36 + data.size()));
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);  // PCM
    put16(wav, kChannels);
    put32(wav, kRate);
    put32(wav, kRate * kChannels * 2);
    put16(wav, kChannels * 2);
    put16(wav, 16);
    wav += "data";
    put32(wav, static_cast<unsigned>(data.size()));
    std::ofstream(file, std::ios::binary) << wav << data;
}

void writeMidiTune(const std::filesystem::path& file) {
    // 480 ticks a quarter note at 120 beats a minute: 360 ticks are 0.375 s.
    std::string track;
    track += std::string("\x00\xff\x51\x03\x07\xa1\x20", 7);  // tempo 500000 us a quarter
    track += std::string("\x00\xc0\x00", 3);                  // piano
    for (const int note : {60, 64, 67, 72}) {
        track += std::string("\x00\x90", 2) + static_cast<char>(note) + static_cast<char>(110);
        track += std::string("\x82\x68\x80", 3) + static_cast<char>(note) + '\0';  // after 360 ticks
    }
    track += std::string("\x00\xff\x2f\x00", 4);
    std::string midi = "MThd";
    putBig32(midi, 6);
    midi += std::string("\x00\x00\x00\x01\x01\xe0", 6);  // format 0, one track, 480 ticks
    midi += "MTrk";
    putBig32(midi, static_cast<unsigned>(track.size()));
    std::ofstream(file, std::ios::binary) << midi << track;
}

void encodeMp3(const std::filesystem::path& file, double seconds, bool xingHeader) {
    gstLaunch(tone(seconds, "") + " ! lamemp3enc target=bitrate bitrate=128 cbr=true" +
              (xingHeader ? " ! xingmux" : "") + " ! filesink location=" + file.string());
}

void encodeAvi(const std::filesystem::path& file, double seconds) {
    gstLaunch("avimux name=mux ! filesink location=" + file.string() + " " + ball(seconds, 320, 240) +
              " ! jpegenc ! mux. " + tone(seconds, ",format=S16LE") + " ! mux.");
}

void encodeMpeg(const std::filesystem::path& file, double seconds, bool videoCd) {
    // mjpegtools' own programs: GStreamer's mplex element sometimes ends
    // the stream early.
    const std::string format = videoCd ? "1" : "0";
    const std::string base = file.string();
    run({"y4mcolorbars", "-v", "0", "-W", "352", "-H", "288", "-F", "25:1", "-I", "p", "-S", "420jpeg", "-n",
         std::to_string(std::lround(seconds * 25))},
        {}, base + ".y4m");
    run({"mpeg2enc", "-v", "0", "-f", format, "-a", "2", "-o", base + ".m1v"}, base + ".y4m");
    gstLaunch(tone(seconds, "") + " ! twolamemp2enc bitrate=224 ! filesink location=" + base + ".mp2");
    run({"mplex", "-v", "0", "-f", format, "-o", base, base + ".m1v", base + ".mp2"});
    for (const char* part : {".y4m", ".m1v", ".mp2"}) std::filesystem::remove(base + part);
}

void writeVideoCdDat(const std::filesystem::path& file, double seconds) {
    const std::filesystem::path stream = file.string() + ".mpg";
    encodeMpeg(stream, seconds, true);
    std::ifstream in(stream, std::ios::binary);
    const std::string programStream{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(stream);

    // Mode 2 form 2 sectors: sync, address, subheader, 2324 bytes of the
    // stream, and an error check field that players do not look at.
    constexpr std::size_t kPayload = 2324;
    std::string sectors;
    for (std::size_t at = 0, n = 0; at < programStream.size(); at += kPayload, ++n) {
        sectors += std::string("\x00\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\x00", 12);
        sectors += {static_cast<char>(n / 75 / 60), static_cast<char>(n / 75 % 60), static_cast<char>(n % 75), 2};
        sectors += std::string("\x01\x01\x62\x0f\x01\x01\x62\x0f", 8);
        std::string payload = programStream.substr(at, kPayload);
        payload.resize(kPayload, '\0');
        sectors += payload + std::string(4, '\0');
    }
    std::string riff = "CDXAfmt ";
    put32(riff, 16);
    riff += std::string(16, '\0');
    riff += "data";
    put32(riff, static_cast<unsigned>(sectors.size()));
    std::string header = "RIFF";
    put32(header, static_cast<unsigned>(riff.size() + sectors.size()));
    std::ofstream(file, std::ios::binary) << header << riff << sectors;
}

void appendId3v1(const std::filesystem::path& file, const std::string& title, const std::string& artist) {
    auto field = [](const std::string& text, std::size_t size) {
        std::string out = text.substr(0, size);
        out.resize(size, '\0');
        return out;
    };
    std::string tag = "TAG" + field(title, 30) + field(artist, 30) + field("", 30) + field("", 4) + field("", 30);
    tag += static_cast<char>(255);  // no genre
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << tag;
    if (!out) throw std::runtime_error("cannot tag " + file.string());
}

}  // namespace sample_media
