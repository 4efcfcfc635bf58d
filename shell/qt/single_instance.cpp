#include "shell/qt/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace view {
namespace {

std::string lockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && *runtime && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
        return std::string(runtime) + "/toramel.lock";
    return "/tmp/toramel-" + std::to_string(getuid()) + ".lock";
}

}  // namespace

SingleInstance::SingleInstance() {
    const int fd = open(lockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock file we cannot even open (a foreign file in /tmp) must not stop
    // the broadcast: the program then runs unguarded.
    if (fd < 0) {
        fd_ = open("/dev/null", O_RDONLY | O_CLOEXEC);
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace view
