#include "playback/mp3_tag.h"

#include <fstream>
#include <string_view>

#include "platform/files/fs_path.h"
#include "platform/text/gbk.h"
#include "platform/text/trim.h"

namespace playback {
namespace {

// A field's bytes up to the first zero byte, trimmed; GBK left as it is,
// even a character cut in half at the end of the field.
std::string field(const TagBlock& block, size_t offset) {
    std::string_view bytes(block.data() + offset, 30);
    bytes = bytes.substr(0, bytes.find('\0'));
    return std::string(text::trimBlanks(bytes));
}

}  // namespace

bool ReadMp3Tag(const std::string& gbkPath, TagBlock& block) {
    if (gbkPath.empty()) return false;
    const auto path = files::toFsPath(gbkPath);
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw TagReadError("cannot open " + path.string());
    const std::streamoff size = in.tellg();
    if (size <= 128) return false;
    TagBlock read{};
    in.seekg(size - 128);
    if (!in.read(read.data(), read.size())) throw TagReadError("cannot read " + path.string());
    if (read[0] != 'T' || read[1] != 'A' || read[2] != 'G') return false;
    block = read;
    return true;
}

void mpClick(shell::MainContext& ctx) {
    auto& s = ctx.state;
    TagBlock block{};
    if (ReadMp3Tag(s.MediaPath, block)) {
        s.NowPlayingTitle = field(block, 3);
        s.TagLine = text::gbk("歌星：") + field(block, 33) + text::gbk("   专辑：") + field(block, 63);
    } else {
        s.NowPlayingTitle = s.MediaPath;
        s.TagLine.clear();
    }
}

}  // namespace playback
