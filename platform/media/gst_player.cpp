#include "platform/media/gst_player.h"

#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

#include <QMetaObject>
#include <QObject>
#include <QSocketNotifier>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string_view>

#include "platform/files/fs_path.h"
#include "platform/media/gst_ref.h"
#include "platform/media/latest_frame.h"
#include "platform/media/media_file_check.h"
#include "platform/media/volume_levels.h"
#include "platform/text/gbk.h"

namespace media {

namespace {

using playback::MediaError;
using playback::PlayerMode;

// Debian's fluid-soundfont-gm. fluiddec reports a wrong path as a missing
// plug-in, so the path is given only when the file is there.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// fluidsynth's default gain of 0.2 is far quieter than any recording.
constexpr double kMidiGain = 1.0;

void initGStreamer() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

ElementRef makeElement(const char* factory) {
    GstElement* element = gst_element_factory_make(factory, nullptr);
    if (!element) throw MediaError(std::string("GStreamer element missing: ") + factory);
    return ElementRef(GST_ELEMENT(gst_object_ref_sink(element)));
}

std::string fileUri(const std::filesystem::path& file) {
    GError* error = nullptr;
    const GCharRef uri(gst_filename_to_uri(file.c_str(), &error));
    const ErrorRef owned(error);
    if (!uri) throw MediaError("cannot open " + file.string() + ": " + (owned ? owned->message : "bad name"));
    return uri.get();
}

// Runs on whichever thread playbin creates an element in.
void onElementSetup(GstElement*, GstElement* element, gpointer) {
    GstElementFactory* factory = gst_element_get_factory(element);
    if (!factory || std::string_view(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory))) != "fluiddec")
        return;
    std::error_code ec;
    if (std::filesystem::is_regular_file(kSoundFont, ec)) g_object_set(element, "soundfont", kSoundFont, nullptr);
    g_object_set(element, "synth-gain", kMidiGain, nullptr);
}

// The nominal bit rate of an audio stream, from a tag list.
guint audioBitrate(GstTagList* tags) {
    if (!gst_tag_list_get_tag_size(tags, GST_TAG_AUDIO_CODEC)) return 0;
    guint bitrate = 0;
    if (gst_tag_list_get_uint(tags, GST_TAG_NOMINAL_BITRATE, &bitrate) ||
        gst_tag_list_get_uint(tags, GST_TAG_BITRATE, &bitrate))
        return bitrate;
    return 0;
}

}  // namespace

struct GstPlayer::Impl {
    explicit Impl(std::chrono::milliseconds limit);
    ~Impl();

    void open(const std::string& gbkPath);
    std::string preroll();  // empty when ready, else why not
    void closeFile();
    void play();
    void stop();
    long long position();
    long long queryLength() const;

    void drainBus();
    void handle(GstMessage* message);

    void setDisplay(playback::VideoSurface* newSurface);
    void setDisplayRect(const playback::DisplayRect& newRect);
    void applyVolume();

    static GstFlowReturn onNewPreroll(GstAppSink* sink, gpointer self);
    static GstFlowReturn onNewSample(GstAppSink* sink, gpointer self);
    void frameArrived(SampleRef sample);  // streaming thread
    void deliverFrame();                  // GUI thread
    void showCurrentFrame();

    const std::chrono::milliseconds prerollLimit;
    ElementRef playbin;
    ElementRef videoSink;
    ElementRef panorama;
    BusRef bus;
    QObject guiContext;  // receives the frame wake-ups on the GUI thread
    std::unique_ptr<QSocketNotifier> busNotifier;
    LatestFrame latest;
    // Counts the files opened. A frame is tagged with the generation of its
    // file, so that one still in flight from an earlier file is dropped.
    std::atomic<unsigned> generation{0};

    PlayerMode mode = PlayerMode::NotOpen;
    bool ended = false;   // played to its end: position is the length, a replay starts over
    bool failed = false;  // an error stopped the file after it opened
    bool video = false;
    long long lengthMs = 0;
    gint64 startOffset = 0;  // MPEG program streams begin at their mux delay
    long long lastPosition = 0;
    guint bitrate = 0;  // of the audio, from the tags seen while prerolling

    playback::VideoSurface* surface = nullptr;
    playback::DisplayRect rect;
    SampleRef current;  // the frame on show
    VolumeLevels volume = volumeLevels(65535, 65535);
};

GstPlayer::Impl::Impl(std::chrono::milliseconds limit) : prerollLimit(limit) {
    initGStreamer();
    playbin = makeElement("playbin");

    // Our own video sink: with no display, playbin might pick a framebuffer
    // sink that takes the process down. Frames go to the GUI instead.
    videoSink = makeElement("appsink");
    auto* appSink = GST_APP_SINK(videoSink.get());
    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
    gst_app_sink_set_caps(appSink, caps);
    gst_caps_unref(caps);
    gst_app_sink_set_max_buffers(appSink, 2);
    gst_app_sink_set_drop(appSink, TRUE);
    g_object_set(videoSink.get(), "enable-last-sample", FALSE, nullptr);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = &Impl::onNewPreroll;
    callbacks.new_sample = &Impl::onNewSample;
    gst_app_sink_set_callbacks(appSink, &callbacks, this, nullptr);

    // The desktop's sound server, through GStreamer's automatic choice; the
    // panorama element applies the balance between the two channels.
    const ElementRef audioSink = makeElement("autoaudiosink");
    panorama = makeElement("audiopanorama");
    g_object_set(panorama.get(), "method", 1 /* simple: attenuate one side only */, nullptr);
    g_object_set(playbin.get(), "video-sink", videoSink.get(), "audio-sink", audioSink.get(), "audio-filter",
                 panorama.get(), nullptr);
    g_signal_connect(playbin.get(), "element-setup", G_CALLBACK(onElementSetup), nullptr);

    bus.reset(gst_element_get_bus(playbin.get()));
    GPollFD pollFd{};
    gst_bus_get_pollfd(bus.get(), &pollFd);
    busNotifier = std::make_unique<QSocketNotifier>(pollFd.fd, QSocketNotifier::Read);
    QObject::connect(busNotifier.get(), &QSocketNotifier::activated, &guiContext, [this] { drainBus(); });
}

GstPlayer::Impl::~Impl() {
    // Stops the streaming threads before anything they call into goes away.
    gst_element_set_state(playbin.get(), GST_STATE_NULL);
}

void GstPlayer::Impl::open(const std::string& gbkPath) {
    closeFile();
    std::filesystem::path file;
    try {
        file = files::toFsPath(gbkPath);
    } catch (const text::ConversionError& e) {
        throw MediaError(std::string("cannot open a file with a malformed name: ") + e.what());
    }
    checkPlayableFile(file);
    g_object_set(playbin.get(), "uri", fileUri(file).c_str(), nullptr);
    // The sound server remembers the last volume of each program's stream,
    // so every file is given ours before its stream is made.
    applyVolume();
    if (const std::string why = preroll(); !why.empty()) {
        closeFile();
        throw MediaError("cannot open " + file.string() + ": " + why);
    }

    gint videoStreams = 0;
    g_object_get(playbin.get(), "n-video", &videoStreams, nullptr);
    video = videoStreams > 0;
    gint64 start = 0;
    startOffset = gst_element_query_position(playbin.get(), GST_FORMAT_TIME, &start) && start > 0 ? start : 0;
    lengthMs = queryLength();
    mode = PlayerMode::Stopped;
}

std::string GstPlayer::Impl::preroll() {
    const auto deadline = std::chrono::steady_clock::now() + prerollLimit;
    switch (gst_element_set_state(playbin.get(), GST_STATE_PAUSED)) {
    case GST_STATE_CHANGE_FAILURE: {
        const MessageRef error(gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR));
        return error ? errorText(error.get()) : "cannot be played";
    }
    case GST_STATE_CHANGE_ASYNC:
        break;
    default:
        return {};
    }
    for (;;) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= left.zero()) return "not ready in time";
        const MessageRef message(
            gst_bus_timed_pop(bus.get(), std::chrono::duration_cast<std::chrono::nanoseconds>(left).count()));
        if (!message) continue;
        switch (GST_MESSAGE_TYPE(message.get())) {
        case GST_MESSAGE_ERROR:
            return errorText(message.get());
        case GST_MESSAGE_ASYNC_DONE:
            return {};
        default:
            handle(message.get());
        }
    }
}

void GstPlayer::Impl::closeFile() {
    // A pipeline that reaches NULL drops what its bus still held, so no
    // message of the closed file reaches the next one.
    gst_element_set_state(playbin.get(), GST_STATE_NULL);
    ++generation;
    latest.clear();
    current.reset();
    rect = {};
    if (surface) {
        surface->clearPicture();
        surface->setTarget(rect);
    }
    mode = PlayerMode::NotOpen;
    ended = failed = video = false;
    lengthMs = 0;
    startOffset = 0;
    lastPosition = 0;
    bitrate = 0;
}

void GstPlayer::Impl::play() {
    drainBus();
    if (mode == PlayerMode::NotOpen || failed) return;
    if (ended) {
        // The pipeline stays in PLAYING at the end; only a flushing seek
        // makes it play again.
        gst_element_seek_simple(playbin.get(), GST_FORMAT_TIME,
                                static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_KEY_UNIT), 0);
        ended = false;
        lastPosition = 0;
    }
    if (gst_element_set_state(playbin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        failed = true;
        mode = PlayerMode::Stopped;
        return;
    }
    mode = PlayerMode::Playing;
}

void GstPlayer::Impl::stop() {
    drainBus();
    if (mode != PlayerMode::Playing) return;
    gst_element_set_state(playbin.get(), GST_STATE_PAUSED);
    mode = PlayerMode::Stopped;
}

long long GstPlayer::Impl::position() {
    drainBus();
    if (mode == PlayerMode::NotOpen) return 0;
    if (ended) return lengthMs;
    gint64 raw = 0;
    if (gst_element_query_position(playbin.get(), GST_FORMAT_TIME, &raw)) {
        long long ms = std::max<gint64>(0, raw - startOffset) / GST_MSECOND;
        if (lengthMs > 0) ms = std::min(ms, lengthMs);
        lastPosition = ms;
    }
    return lastPosition;
}

long long GstPlayer::Impl::queryLength() const {
    gint64 duration = 0;
    if (gst_element_query_duration(playbin.get(), GST_FORMAT_TIME, &duration) && duration > 0)
        return duration / GST_MSECOND;
    // An MP3 without a Xing header has no duration until it has played a
    // while; its size over its bit rate is what the parser will find later.
    gint64 bytes = 0;
    if (bitrate > 0 && gst_element_query_duration(playbin.get(), GST_FORMAT_BYTES, &bytes) && bytes > 0)
        return bytes * 8000 / bitrate;
    return 0;
}

void GstPlayer::Impl::drainBus() {
    while (const MessageRef message{gst_bus_pop(bus.get())}) handle(message.get());
}

void GstPlayer::Impl::handle(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        ended = true;
        mode = PlayerMode::Stopped;
        break;
    case GST_MESSAGE_ERROR:
        failed = true;
        if (mode == PlayerMode::Playing) mode = PlayerMode::Stopped;
        break;
    case GST_MESSAGE_TAG: {
        GstTagList* tags = nullptr;
        gst_message_parse_tag(message, &tags);
        if (const guint rate = audioBitrate(tags)) bitrate = rate;
        gst_tag_list_unref(tags);
        break;
    }
    case GST_MESSAGE_DURATION_CHANGED:
        if (mode != PlayerMode::NotOpen && lengthMs <= 0) lengthMs = queryLength();
        break;
    default:
        break;
    }
}

void GstPlayer::Impl::setDisplay(playback::VideoSurface* newSurface) {
    if (surface && surface != newSurface) surface->clearPicture();
    surface = newSurface;
    if (!surface) return;
    surface->setTarget(rect);
    showCurrentFrame();
}

void GstPlayer::Impl::setDisplayRect(const playback::DisplayRect& newRect) {
    if (mode == PlayerMode::NotOpen || !video) return;
    rect = newRect;
    if (surface) surface->setTarget(rect);
}

void GstPlayer::Impl::applyVolume() {
    g_object_set(playbin.get(), "volume", volume.master, nullptr);
    g_object_set(panorama.get(), "panorama", static_cast<gfloat>(volume.panorama), nullptr);
}

GstFlowReturn GstPlayer::Impl::onNewPreroll(GstAppSink* sink, gpointer self) {
    static_cast<Impl*>(self)->frameArrived(SampleRef(gst_app_sink_pull_preroll(sink)));
    return GST_FLOW_OK;
}

GstFlowReturn GstPlayer::Impl::onNewSample(GstAppSink* sink, gpointer self) {
    static_cast<Impl*>(self)->frameArrived(SampleRef(gst_app_sink_pull_sample(sink)));
    return GST_FLOW_OK;
}

void GstPlayer::Impl::frameArrived(SampleRef sample) {
    if (sample && latest.put(std::move(sample), generation.load()))
        QMetaObject::invokeMethod(&guiContext, [this] { deliverFrame(); }, Qt::QueuedConnection);
}

void GstPlayer::Impl::deliverFrame() {
    if (SampleRef sample = latest.take(generation.load())) {
        current = std::move(sample);
        showCurrentFrame();
    }
}

void GstPlayer::Impl::showCurrentFrame() {
    if (!surface || !current) return;
    GstCaps* caps = gst_sample_get_caps(current.get());
    GstBuffer* buffer = gst_sample_get_buffer(current.get());
    GstVideoInfo info;
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps)) return;
    GstVideoFrame mapped;
    if (!gst_video_frame_map(&mapped, &info, buffer, GST_MAP_READ)) return;
    surface->showFrame({GST_VIDEO_FRAME_WIDTH(&mapped), GST_VIDEO_FRAME_HEIGHT(&mapped),
                        GST_VIDEO_FRAME_PLANE_STRIDE(&mapped, 0),
                        static_cast<const unsigned char*>(GST_VIDEO_FRAME_PLANE_DATA(&mapped, 0))});
    gst_video_frame_unmap(&mapped);
}

GstPlayer::GstPlayer(std::chrono::milliseconds prerollLimit) : impl_(std::make_unique<Impl>(prerollLimit)) {}
GstPlayer::~GstPlayer() = default;

void GstPlayer::open(const std::string& path) { impl_->open(path); }
void GstPlayer::play() { impl_->play(); }
void GstPlayer::stop() { impl_->stop(); }
void GstPlayer::close() { impl_->closeFile(); }

playback::PlayerMode GstPlayer::mode() const {
    impl_->drainBus();
    return impl_->mode;
}

long long GstPlayer::position() const { return impl_->position(); }

long long GstPlayer::length() const {
    impl_->drainBus();
    return impl_->mode == PlayerMode::NotOpen ? 0 : impl_->lengthMs;
}

void GstPlayer::setDisplay(playback::VideoSurface* surface) { impl_->setDisplay(surface); }
void GstPlayer::setDisplayRect(const playback::DisplayRect& rect) { impl_->setDisplayRect(rect); }

void GstPlayer::setVolume(unsigned left, unsigned right) {
    impl_->volume = volumeLevels(left, right);
    impl_->applyVolume();
}

bool GstPlayer::hasVideo() const { return impl_->video; }

}  // namespace media
