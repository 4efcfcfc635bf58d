#include "data/dbase/file_lock.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "data/dbase/errors.h"

namespace dbase {
namespace {

// Readers and writers hold their locks for a few milliseconds; a lock held
// longer than this belongs to someone who will not give way.
constexpr auto kPatience = std::chrono::milliseconds(1000);
constexpr auto kRetryPause = std::chrono::milliseconds(5);

enum class Attempt { Locked, Busy, Replaced };

Attempt tryLock(int fd, const std::filesystem::path& file, FileLock::Mode mode) {
    const bool exclusive = mode == FileLock::Mode::Exclusive;
    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK || errno == EINTR) return Attempt::Busy;
        failErrno(file.string(), "cannot lock");
    }
    struct flock range {};
    range.l_type = exclusive ? F_WRLCK : F_RDLCK;
    range.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &range) != 0) {
        if (errno == EAGAIN || errno == EACCES || errno == EINTR) return Attempt::Busy;
        failErrno(file.string(), "cannot lock");
    }
    // A writer may have renamed a new file over the path meanwhile.
    struct stat held {}, named {};
    if (::fstat(fd, &held) != 0) failErrno(file.string(), "cannot stat");
    if (::stat(file.c_str(), &named) != 0 || held.st_dev != named.st_dev || held.st_ino != named.st_ino) return Attempt::Replaced;
    return Attempt::Locked;
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& file, Mode mode) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    const int flags = (mode == Mode::Exclusive ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    while (true) {
        const int fd = ::open(file.c_str(), flags);
        if (fd < 0) failErrno(file.string(), "cannot open");
        Attempt attempt;
        try {
            attempt = tryLock(fd, file, mode);
        } catch (...) {
            ::close(fd);
            throw;
        }
        if (attempt == Attempt::Locked) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) fail(file.string(), "locked by another program");
        if (attempt == Attempt::Busy) std::this_thread::sleep_for(kRetryPause);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace dbase
