#pragma once
// The recorder's own audio device: records PCM in a chosen format into a
// file and plays a file back. Position and length share one unit
// (milliseconds), so equal texts mean a preview has reached its end.

#include <stdexcept>
#include <string>

#include "recorder/wav_header.h"

namespace recorder {

class DeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RecorderDevice {
public:
    virtual ~RecorderDevice() = default;
    // Every operation throws DeviceError when the device cannot do it.
    virtual void startRecording(const std::string& gbkPath, const WavFormat& format) = 0;
    virtual void openForPreview(const std::string& gbkPath) = 0;  // closes what was open
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void save() = 0;   // writes the complete file of a recording
    virtual void close() = 0;
    virtual long long position() const = 0;
    virtual long long length() const = 0;
};

}  // namespace recorder
