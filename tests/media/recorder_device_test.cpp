// The recorder's device against the test daemon: it records what the null
// sink plays (its monitor is the default source), sox reads the result, and
// a preview runs to its end through the recorder's own handlers.

#include "platform/media/gst_recorder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <string>

#include "platform/files/fs_path.h"
#include "recorder/recorder.h"
#include "tests/media/media_wait.h"
#include "tests/media/pulse_server.h"
#include "tests/media/subprocess.h"
#include "tests/media/test_media.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

namespace media_testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using recorder::DeviceError;
using recorder::WavFormat;

constexpr double kToneHz = 1000;

std::string gbk(const std::filesystem::path& path) { return files::fromFsPath(path); }

// What a command prints on standard output and standard error.
std::string output(const std::string& shellCommand, const std::filesystem::path& scratch) {
    run({"sh", "-c", shellCommand + " 2>&1"}, {}, scratch.string());
    std::ifstream in(scratch);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string soxi(const std::filesystem::path& wav, const std::string& option) {
    std::string text = output("soxi " + option + " '" + wav.string() + "'", wav.string() + ".txt");
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

// A value of sox's "stat" report of the first channel, such as "Rough
// frequency" (stat counts zero crossings over interleaved stereo wrongly).
double soxStat(const std::filesystem::path& wav, const std::string& label) {
    const std::string report = output("sox '" + wav.string() + "' -n remix 1 stat", wav.string() + ".txt");
    std::smatch match;
    if (!std::regex_search(report, match, std::regex(label + ":\\s*(-?[0-9.]+)")))
        throw std::runtime_error("no " + label + " in: " + report);
    return std::stod(match[1]);
}

class RecorderDeviceTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        run({"pactl", "set-default-source", PulseServer::kMonitor});
        suiteDir_ = std::make_unique<testing_support::TempProgramFolder>();
        const auto tone = suiteDir_->dir() / "tone.wav";
        writeToneWav(tone, 60, 0.5, kToneHz);
        // The tone keeps playing, so the monitor delivers steadily.
        tonePlayer_ = std::make_unique<Subprocess>(
            std::vector<std::string>{"paplay", std::string("--device=") + PulseServer::kSink, tone.string()});
        pumpFor(300ms);
    }
    static void TearDownTestSuite() {
        tonePlayer_.reset();
        suiteDir_.reset();
    }

    std::filesystem::path file(const std::string& name) const { return folder.dir() / "audio" / name; }
    void SetUp() override { std::filesystem::create_directories(folder.dir() / "audio"); }

    static inline std::unique_ptr<testing_support::TempProgramFolder> suiteDir_;
    static inline std::unique_ptr<Subprocess> tonePlayer_;
    testing_support::TempProgramFolder folder;
};

TEST_F(RecorderDeviceTest, RecordsTheChosenFormatWithCompleteSizes) {
    struct Case {
        WavFormat format;
        const char* name;
        const char* encoding;
    };
    for (const Case& c : {Case{{1, 8, 11025}, "mono8.wav", "Unsigned Integer PCM"},
                          Case{{2, 16, 44100}, "stereo16.wav", "Signed Integer PCM"}}) {
        SCOPED_TRACE(c.name);
        const auto wav = file(c.name);
        media::GstRecorder device;
        device.startRecording(gbk(wav), c.format);
        const auto started = Clock::now();
        pumpFor(2000ms);
        EXPECT_GT(device.position(), 1500);  // the recording counts as it goes
        device.stop();
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        device.save();
        device.close();

        EXPECT_EQ(soxi(wav, "-c"), std::to_string(c.format.channels));
        EXPECT_EQ(soxi(wav, "-b"), std::to_string(c.format.bitsPerSample));
        EXPECT_EQ(soxi(wav, "-r"), std::to_string(c.format.samplesPerSecond));
        EXPECT_EQ(soxi(wav, "-e"), c.encoding);
        EXPECT_NEAR(std::stod(soxi(wav, "-D")), seconds, seconds * 0.05);
        // The header's sizes describe exactly the samples that follow it.
        const auto frames = std::stoull(soxi(wav, "-s"));
        EXPECT_EQ(std::filesystem::file_size(wav),
                  44 + frames * c.format.channels * c.format.bitsPerSample / 8);
        EXPECT_NEAR(soxStat(wav, "Rough\\s+frequency"), kToneHz, kToneHz * 0.03);
        EXPECT_GT(soxStat(wav, "RMS\\s+amplitude"), 0.2);  // the tone's 0.35, not silence
    }
}

TEST_F(RecorderDeviceTest, RecordingAndItsPreviewThroughTheHandlers) {
    testing_support::FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
    ctx.state.AppDir = folder.appDir();
    media::GstRecorder device;
    recorder::Recorder rec{ctx, device};
    auto& f = rec.form;
    recorder::FormCreate(rec);

    recorder::btstartClick(rec);
    ASSERT_TRUE(f.btstopEnabled) << testing::PrintToString(fakes.messages.shown);
    for (int tick = 0; tick < 3; ++tick) {
        pumpFor(500ms);
        recorder::Timer1Timer(rec);
    }
    EXPECT_GE(std::stoll(f.Edit88), 1000);  // the position while recording
    recorder::btstopClick(rec);
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && !f.indicatorVisible);
    const double recorded = std::stod(soxi(file("Temp.wav"), "-D"));
    EXPECT_GT(recorded, 1.3);

    recorder::chooseFile(rec, "");  // the file button, cancelled: preview what was recorded
    recorder::Button1Click(rec);
    ASSERT_TRUE(f.btstopEnabled);
    EXPECT_NEAR(std::stod(f.Edit83) / 1000, recorded, 0.05);
    // The window's timer, until the position text reaches the length text.
    const bool ended = waitUntil(
        [&] {
            pumpFor(500ms);
            recorder::Timer1Timer(rec);
            return f.Timer1Interval == 0;
        },
        6000ms);
    EXPECT_TRUE(ended);
    EXPECT_EQ(f.Edit88, f.Edit83);
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && !f.indicatorVisible);
    EXPECT_TRUE(fakes.messages.shown.empty()) << testing::PrintToString(fakes.messages.shown);
}

TEST_F(RecorderDeviceTest, FailuresAreDeviceErrors) {
    const WavFormat format{1, 16, 11025};
    {
        media::GstRecorder device("no-such-source");
        EXPECT_THROW(device.startRecording(gbk(file("a.wav")), format), DeviceError);
    }
    {
        // No sound server at all.
        const std::string saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
        setenv("PULSE_SERVER", ("unix:" + (folder.dir() / "nobody").string()).c_str(), 1);
        media::GstRecorder device;
        EXPECT_THROW(device.startRecording(gbk(file("b.wav")), format), DeviceError);
        setenv("PULSE_SERVER", saved.c_str(), 1);
    }
    media::GstRecorder device;
    EXPECT_THROW(device.startRecording(gbk(folder.dir() / "no-folder" / "c.wav"), format), DeviceError);
    EXPECT_THROW(device.openForPreview(gbk(file("missing.wav"))), DeviceError);
    EXPECT_THROW(device.play(), DeviceError);  // nothing open
    EXPECT_NO_THROW(device.save());            // nothing recorded: nothing to report

    // The handler answers a missing capture device with its message.
    testing_support::FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
    ctx.state.AppDir = folder.appDir();
    media::GstRecorder noSource("no-such-source");
    recorder::Recorder rec{ctx, noSource};
    recorder::FormCreate(rec);
    recorder::btstartClick(rec);
    EXPECT_EQ(fakes.messages.shown, std::vector<std::string>{"媒体设备初始化失败！"});
    EXPECT_TRUE(rec.form.btstartEnabled && !rec.form.btstopEnabled);
}

}  // namespace
}  // namespace media_testing
