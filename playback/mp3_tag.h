#pragma once
// The ID3 version 1 tag: the 128-byte block at the end of an MP3 file.

#include <array>
#include <stdexcept>
#include <string>

#include "shell/main_context.h"

namespace playback {

using TagBlock = std::array<char, 128>;

// A file that cannot be opened or read: not caught by play, it reaches
// play's caller.
class TagReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True, with the block copied into `block`, when the file's last 128
// bytes begin with "TAG"; `block` is untouched otherwise. Throws
// TagReadError for a file that cannot be read.
bool ReadMp3Tag(const std::string& gbkPath, TagBlock& block);

// Sets NowPlayingTitle and TagLine from the tag of MediaPath, or the path
// and an empty line when there is none.
void mpClick(shell::MainContext& ctx);

}  // namespace playback
