// Writes sample media of each kind into a program folder's audio/, so that
// a new installation has something to hear and see: an MP3 whose tag
// carries a Chinese title, a MIDI tune and an MPEG video. Files that exist
// are kept.
//
//   make_sample_media DIR

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>

#include "platform/text/gbk.h"
#include "tools/sample_media/sample_media.h"

namespace fs = std::filesystem;

namespace {

void keepOrMake(const fs::path& file, const std::function<void(const fs::path&)>& make) {
    if (fs::exists(file)) return;
    // Written beside its place first, so a failed tool leaves no half file.
    const fs::path partial = file.string() + ".part";
    make(partial);
    fs::rename(partial, file);
    std::printf("wrote %s\n", file.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_media DIR\n");
        return 1;
    }
    try {
        const fs::path audio = fs::path(argv[1]) / "audio";
        fs::create_directories(audio);
        keepOrMake(audio / "music.mp3", [](const fs::path& f) {
            sample_media::encodeMp3(f, 5, true);
            sample_media::appendId3v1(f, text::gbkFromUtf8("校园之声"), text::gbkFromUtf8("音乐"));
        });
        keepOrMake(audio / "tune.mid", sample_media::writeMidiTune);
        keepOrMake(audio / "video.mpg", [](const fs::path& f) { sample_media::encodeMpeg(f, 5, false); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_media: %s\n", e.what());
        return 1;
    }
    return 0;
}
