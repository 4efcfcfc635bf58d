#pragma once
// The recorder's device over GStreamer: records the desktop's default
// capture source into a PCM WAV file of the chosen format, and previews a
// file through the program's player.
//
// Recording streams straight into the file; wavenc writes the final sizes
// into the header when the end of the stream passes, so stop() sends that
// end and waits for it (bounded). Every call runs on the GUI thread and
// returns or throws DeviceError within a few seconds; create the recorder
// after the QApplication.

#include <chrono>
#include <memory>
#include <string>

#include "recorder/recorder_device.h"

namespace media {

class GstPlayer;

class GstRecorder : public recorder::RecorderDevice {
public:
    static constexpr std::chrono::milliseconds kDefaultWaitLimit{4000};

    // An empty captureDevice means the sound server's default source.
    explicit GstRecorder(std::string captureDevice = {},
                         std::chrono::milliseconds waitLimit = kDefaultWaitLimit);
    ~GstRecorder() override;
    GstRecorder(const GstRecorder&) = delete;
    GstRecorder& operator=(const GstRecorder&) = delete;

    void startRecording(const std::string& gbkPath, const recorder::WavFormat& format) override;
    void openForPreview(const std::string& gbkPath) override;
    void play() override;
    void stop() override;   // ends a recording (the file is then complete) or a preview
    void save() override;   // ends a recording that still runs; throws if it did not end well
    void close() override;
    long long position() const override;  // ms recorded, or the preview's position
    long long length() const override;

private:
    struct Recording;
    void finishRecording();

    std::string captureDevice_;
    std::chrono::milliseconds waitLimit_;
    std::unique_ptr<Recording> recording_;
    std::string recordingFailure_;  // why the last recording did not end well
    std::unique_ptr<GstPlayer> preview_;
    bool previewOpen_ = false;
};

}  // namespace media
