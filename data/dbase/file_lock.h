#pragma once
// Advisory locks on a table file, held while it is read or rewritten.
// Both a flock lock and an open-file-description (OFD) record lock are
// taken, so a program that uses either kind is seen.

#include <filesystem>

namespace dbase {

class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    // Locks `file`, retrying for a short while; throws Error "locked" when
    // another holder does not let go. The lock is on the file the path
    // names when the call returns (a rename over it is waited out).
    FileLock(const std::filesystem::path& file, Mode mode);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace dbase
