#pragma once
// Starting the Debian tools the media tests lean on (gst-launch-1.0, parec,
// pacat, paplay), with the environment of this process.

#include <sys/types.h>

#include <string>
#include <vector>

#include "tools/sample_media/sample_media.h"

namespace media_testing {

using sample_media::run;  // a program to its end

class Subprocess {
public:
    // Starts argv[0] (searched on PATH); with captureOutput its standard
    // output can be read from outputFd().
    explicit Subprocess(const std::vector<std::string>& argv, bool captureOutput = false,
                        const std::string& inputFile = {}, const std::string& outputFile = {});
    ~Subprocess();  // terminate()
    Subprocess(const Subprocess&) = delete;
    Subprocess& operator=(const Subprocess&) = delete;

    int outputFd() const { return outputFd_; }
    pid_t pid() const { return pid_; }
    int wait();        // exit status, or -1 when killed by a signal
    void terminate();  // ends the program if it still runs, and waits for it

private:
    pid_t pid_ = -1;
    int outputFd_ = -1;
};

}  // namespace media_testing
