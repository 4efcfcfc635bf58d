#include "data/dbase/file_io.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "data/dbase/errors.h"

namespace dbase {
namespace {

// Closes on every path out, reporting a failed close only when asked.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

std::string readWholeFile(const std::filesystem::path& file) {
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) failErrno(file.string(), "cannot open");
    std::string bytes;
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            failErrno(file.string(), "cannot read");
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void writeFileSynced(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (fd.get() < 0) failErrno(file.string(), "cannot create");
    if (::fchmod(fd.get(), mode) != 0) failErrno(file.string(), "cannot set permissions");
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd.get(), bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            failErrno(file.string(), "cannot write");
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(fd.get()) != 0) failErrno(file.string(), "cannot flush to disk");
    if (::close(fd.release()) != 0) failErrno(file.string(), "cannot close");
}

void renameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) failErrno(to.string(), "cannot rename " + from.filename().string() + " to it");
}

void removeIfPresent(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) failErrno(file.string(), "cannot remove");
}

bool fileExists(const std::filesystem::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0;
}

void syncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) failErrno(folder.string(), "cannot flush the folder to disk");
}

std::optional<mode_t> fileMode(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return std::nullopt;
    return st.st_mode & 07777;
}

std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix) {
    std::filesystem::path out = file;
    out += std::string(suffix);
    return out;
}

}  // namespace dbase
