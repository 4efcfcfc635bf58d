#pragma once
// A private PulseAudio daemon for the tests: one null sink named "out",
// reachable only by this process (PULSE_SERVER is set here) and by the
// programs it starts. Stopped and removed again with the object.
//
// An idle null sink renders ahead in blocks of two seconds, and a stream
// that starts meanwhile waits for the block to pass. So a stream of silence
// keeps the sink busy, and the server counts as up only once the sink has
// caught up with it.

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/media/subprocess.h"

namespace media_testing {

class PulseServer {
public:
    PulseServer();  // throws std::runtime_error if the daemon does not come up
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    static constexpr const char* kSink = "out";
    static constexpr const char* kMonitor = "out.monitor";

    const std::filesystem::path& dir() const { return dir_; }

private:
    void stop();
    long long sinkLatencyUs() const;  // of the null sink, as pactl reports it

    std::filesystem::path dir_;
    pid_t pid_ = -1;
    std::unique_ptr<Subprocess> silence_;
};

}  // namespace media_testing
