#include "platform/media/gst_recorder.h"

#include <utility>

#include "platform/files/fs_path.h"
#include "platform/media/gst_player.h"
#include "platform/media/gst_ref.h"
#include "platform/text/gbk.h"

namespace media {

namespace {

using recorder::DeviceError;

GstElement* addElement(GstElement* pipeline, const char* factory) {
    GstElement* element = gst_element_factory_make(factory, nullptr);
    if (!element) throw DeviceError(std::string("GStreamer element missing: ") + factory);
    gst_bin_add(GST_BIN(pipeline), element);  // the pipeline owns it from here
    return element;
}

// The desktop's sound server when there is one, else whatever GStreamer
// finds.
GstElement* addCaptureSource(GstElement* pipeline, const std::string& device) {
    GstElementFactory* pulse = gst_element_factory_find("pulsesrc");
    if (!pulse) return addElement(pipeline, "autoaudiosrc");
    gst_object_unref(pulse);
    GstElement* source = addElement(pipeline, "pulsesrc");
    if (!device.empty()) g_object_set(source, "device", device.c_str(), nullptr);
    return source;
}

GstCaps* pcmCaps(const recorder::WavFormat& format) {
    if ((format.channels != 1 && format.channels != 2) || (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
        format.samplesPerSecond <= 0)
        throw DeviceError("unsupported recording format");
    // WAV keeps 8-bit samples unsigned and 16-bit ones signed.
    return gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, format.bitsPerSample == 8 ? "U8" : "S16LE",
                               "layout", G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, format.samplesPerSecond,
                               "channels", G_TYPE_INT, format.channels, nullptr);
}

// The first of `types` on the bus within `limit`; an error message
// always counts.
MessageRef awaitMessage(GstBus* bus, GstMessageType types, std::chrono::milliseconds limit) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(limit).count();
    return MessageRef(
        gst_bus_timed_pop_filtered(bus, static_cast<GstClockTime>(ns), GstMessageType(types | GST_MESSAGE_ERROR)));
}

template <typename Call>
auto asDeviceError(Call call) {
    try {
        return call();
    } catch (const playback::MediaError& e) {
        throw DeviceError(e.what());
    }
}

}  // namespace

struct GstRecorder::Recording {
    ElementRef pipeline;
    BusRef bus;

    ~Recording() {
        if (pipeline) gst_element_set_state(pipeline.get(), GST_STATE_NULL);
    }
};

GstRecorder::GstRecorder(std::string captureDevice, std::chrono::milliseconds waitLimit)
    : captureDevice_(std::move(captureDevice)), waitLimit_(waitLimit) {
    gst_init(nullptr, nullptr);  // does nothing once GStreamer is up
}

GstRecorder::~GstRecorder() { close(); }

void GstRecorder::startRecording(const std::string& gbkPath, const recorder::WavFormat& format) {
    close();
    std::filesystem::path file;
    try {
        file = files::toFsPath(gbkPath);
    } catch (const text::ConversionError& e) {
        throw DeviceError(std::string("cannot record into a file with a malformed name: ") + e.what());
    }

    auto r = std::make_unique<Recording>();
    r->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("recorder"))));
    GstElement* pipeline = r->pipeline.get();
    GstElement* source = addCaptureSource(pipeline, captureDevice_);
    GstElement* convert = addElement(pipeline, "audioconvert");
    GstElement* resample = addElement(pipeline, "audioresample");
    GstElement* capsFilter = addElement(pipeline, "capsfilter");
    GstElement* wav = addElement(pipeline, "wavenc");
    GstElement* sink = addElement(pipeline, "filesink");
    GstCaps* caps = pcmCaps(format);
    g_object_set(capsFilter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    g_object_set(sink, "location", file.c_str(), nullptr);
    if (!gst_element_link_many(source, convert, resample, capsFilter, wav, sink, nullptr))
        throw DeviceError("cannot build the recording pipeline");
    r->bus.reset(gst_element_get_bus(pipeline));

    // A missing source or an unwritable file fails at once; otherwise the
    // recording is on once the first samples have reached the file.
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        const MessageRef error(gst_bus_pop_filtered(r->bus.get(), GST_MESSAGE_ERROR));
        throw DeviceError("cannot record: " + (error ? errorText(error.get()) : std::string("device unavailable")));
    }
    const MessageRef started = awaitMessage(r->bus.get(), GST_MESSAGE_ASYNC_DONE, waitLimit_);
    if (!started) throw DeviceError("the capture source delivers no sound");
    if (GST_MESSAGE_TYPE(started.get()) == GST_MESSAGE_ERROR)
        throw DeviceError("cannot record: " + errorText(started.get()));
    recording_ = std::move(r);
    recordingFailure_.clear();
}

void GstRecorder::finishRecording() {
    if (!recording_) return;
    const std::unique_ptr<Recording> r = std::move(recording_);
    // The source ends the stream; wavenc then writes the sizes into the
    // header and the file sink closes the file.
    gst_element_send_event(r->pipeline.get(), gst_event_new_eos());
    const MessageRef ended = awaitMessage(r->bus.get(), GST_MESSAGE_EOS, waitLimit_);
    if (!ended)
        recordingFailure_ = "the recording did not end in time";
    else if (GST_MESSAGE_TYPE(ended.get()) == GST_MESSAGE_ERROR)
        recordingFailure_ = "the recording failed: " + errorText(ended.get());
}

void GstRecorder::openForPreview(const std::string& gbkPath) {
    close();
    if (!preview_) preview_ = std::make_unique<GstPlayer>();
    asDeviceError([&] { preview_->open(gbkPath); });
    previewOpen_ = true;
}

void GstRecorder::play() {
    if (recording_) return;  // already recording
    if (!previewOpen_) throw DeviceError("no file open");
    asDeviceError([&] { preview_->play(); });
}

void GstRecorder::stop() {
    if (recording_)
        finishRecording();
    else if (previewOpen_)
        asDeviceError([&] { preview_->stop(); });
}

void GstRecorder::save() {
    finishRecording();
    if (!recordingFailure_.empty()) throw DeviceError(std::exchange(recordingFailure_, {}));
}

void GstRecorder::close() {
    finishRecording();
    recordingFailure_.clear();
    if (previewOpen_) {
        previewOpen_ = false;
        asDeviceError([&] { preview_->close(); });
    }
}

long long GstRecorder::position() const {
    if (recording_) {
        gint64 at = 0;
        return gst_element_query_position(recording_->pipeline.get(), GST_FORMAT_TIME, &at) && at > 0
                   ? at / GST_MSECOND
                   : 0;
    }
    return previewOpen_ ? asDeviceError([&] { return preview_->position(); }) : 0;
}

long long GstRecorder::length() const {
    if (recording_) return position();  // what has been recorded so far
    return previewOpen_ ? asDeviceError([&] { return preview_->length(); }) : 0;
}

}  // namespace media
