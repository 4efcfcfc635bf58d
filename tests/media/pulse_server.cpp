#include "tests/media/pulse_server.h"

#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace media_testing {

namespace {

bool canConnect(const std::filesystem::path& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

PulseServer::PulseServer() {
    std::string pattern = (std::filesystem::temp_directory_path() / "toramel-pulse-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    const auto socketPath = dir_ / "native";
    {
        // Clients must never start a daemon of their own.
        std::ofstream(dir_ / "client.conf") << "autospawn = no\n";
    }

    const std::string home = "HOME=" + dir_.string();
    const std::string runtime = "XDG_RUNTIME_DIR=" + dir_.string();
    const std::string pulseRuntime = "PULSE_RUNTIME_PATH=" + dir_.string();
    std::vector<std::string> args = {
        "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--system=false", "--use-pid-file=false",
        "--realtime=false", "--high-priority=false", "--enable-memfd=false", "--log-target=stderr", "--log-level=error", "-n",
        "--load=module-null-sink sink_name=out rate=44100 channels=2",
        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socketPath.string(),
        // Remembers stream volumes the way a desktop's sound server does.
        "--load=module-stream-restore restore_device=false"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (entry.starts_with("HOME=") || entry.starts_with("XDG_RUNTIME_DIR=") ||
            entry.starts_with("PULSE_"))
            continue;
        envp.push_back(*e);
    }
    std::string homeVar = home, runtimeVar = runtime, pulseVar = pulseRuntime;
    envp.push_back(homeVar.data());
    envp.push_back(runtimeVar.data());
    envp.push_back(pulseVar.data());
    envp.push_back(nullptr);
    if (posix_spawnp(&pid_, "pulseaudio", nullptr, nullptr, argv.data(), envp.data()) != 0)
        throw std::runtime_error("cannot start pulseaudio");

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!canConnect(socketPath)) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            stop();
            throw std::runtime_error("pulseaudio exited at start");
        }
        if (std::chrono::steady_clock::now() > deadline) {
            stop();
            throw std::runtime_error("pulseaudio did not come up");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    setenv("PULSE_SERVER", ("unix:" + socketPath.string()).c_str(), 1);
    setenv("PULSE_CLIENTCONFIG", (dir_ / "client.conf").c_str(), 1);

    silence_ = std::make_unique<Subprocess>(std::vector<std::string>{
        "pacat", std::string("--device=") + kSink, "--raw", "--format=s16le", "--rate=44100", "--channels=2",
        "--latency-msec=20", "--client-name=silence", "/dev/zero"});
    const auto settled = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sinkLatencyUs() > 100'000) {
        if (std::chrono::steady_clock::now() > settled) {
            stop();
            throw std::runtime_error("the null sink did not settle");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

long long PulseServer::sinkLatencyUs() const {
    // pactl prints "Latency: 1234 usec, configured 5000 usec" for the sink.
    FILE* out = popen("pactl list sinks 2>/dev/null", "r");
    if (!out) return -1;
    long long latency = std::numeric_limits<long long>::max();
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
        if (const char* at = std::strstr(line, "Latency: ")) latency = std::atoll(at + 9);
    }
    pclose(out);
    return latency;
}

PulseServer::~PulseServer() { stop(); }

void PulseServer::stop() {
    silence_.reset();
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

}  // namespace media_testing
