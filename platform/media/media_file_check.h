#pragma once
// Before a file goes to GStreamer: only a regular, non-empty file that this
// process may read can preroll. Anything else would fail late or, like a
// FIFO, block the opening thread until some writer appears.

#include <filesystem>

namespace media {

void checkPlayableFile(const std::filesystem::path& file);  // throws playback::MediaError

}  // namespace media
