#include <sys/wait.h>
#include <unistd.h>

#include "platform/files/fs_path.h"
#include "shell/system_port.h"

namespace shell {
namespace {

class RealSystem : public SystemPort {
public:
    void startDetached(const std::string& gbkPath) override {
        const std::string path = files::toFsPath(gbkPath).string();
        // Fork twice so the program is adopted by init: nothing here waits
        // for it and no zombie is left behind.
        const pid_t child = fork();
        if (child < 0) return;
        if (child == 0) {
            setsid();
            if (fork() == 0) {
                execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            }
            _exit(0);
        }
        waitpid(child, nullptr, 0);
    }
};

}  // namespace

SystemPort& realSystem() {
    static RealSystem system;
    return system;
}

}  // namespace shell
