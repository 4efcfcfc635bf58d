#include "platform/media/media_file_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "playback/media_player.h"

namespace media {

namespace {

[[noreturn]] void refuse(const std::filesystem::path& file, const std::string& why) {
    throw playback::MediaError("cannot open " + file.string() + ": " + why);
}

}  // namespace

void checkPlayableFile(const std::filesystem::path& file) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) refuse(file, std::strerror(errno));
    if (S_ISDIR(info.st_mode)) refuse(file, "is a folder");
    if (!S_ISREG(info.st_mode)) refuse(file, "is not a regular file");
    if (info.st_size == 0) refuse(file, "is empty");
    // Non-blocking, in case the name was swapped for a FIFO since the stat.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) refuse(file, std::strerror(errno));
    ::close(fd);
}

}  // namespace media
