#pragma once
// The recorder's device for the GUI tests: records nothing, remembers what
// it was asked, and fails where it is told to.

#include <string>
#include <vector>

#include "recorder/recorder_device.h"

namespace gui_test {

class FakeRecorderDevice : public recorder::RecorderDevice {
public:
    void startRecording(const std::string& gbkPath, const recorder::WavFormat& format) override {
        call("record " + gbkPath);
        recordedFormat = format;
    }
    void openForPreview(const std::string& gbkPath) override { call("preview " + gbkPath); }
    void play() override { call("play"); }
    void stop() override { call("stop"); }
    void save() override { call("save"); }
    void close() override { call("close"); }
    long long position() const override { return currentPosition; }
    long long length() const override { return fileLength; }

    std::vector<std::string> calls;
    std::string failOn;  // the first word of the call that throws
    recorder::WavFormat recordedFormat{};
    long long currentPosition = 0;
    long long fileLength = 2000;

private:
    void call(const std::string& what) {
        if (!failOn.empty() && what.rfind(failOn, 0) == 0) throw recorder::DeviceError(what + " failed");
        calls.push_back(what);
    }
};

}  // namespace gui_test
