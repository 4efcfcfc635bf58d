#include "tests/media/subprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace media_testing {

Subprocess::Subprocess(const std::vector<std::string>& argv, bool captureOutput, const std::string& inputFile,
                       const std::string& outputFile) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!inputFile.empty()) posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputFile.c_str(), O_RDONLY, 0);
    if (!outputFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int pipeFds[2] = {-1, -1};
    if (captureOutput) {
        if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    }
    const int rc = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (captureOutput) {
        ::close(pipeFds[1]);
        outputFd_ = pipeFds[0];
    }
    if (rc != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + argv.front());
    }
}

Subprocess::~Subprocess() {
    terminate();
    if (outputFd_ >= 0) ::close(outputFd_);
}

void Subprocess::terminate() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    wait();
}

int Subprocess::wait() {
    if (pid_ <= 0) return -1;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace media_testing
