// The recorder's header writer and its states, with a fake device.

#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;

namespace {

class FakeDevice : public recorder::RecorderDevice {
public:
    void startRecording(const std::string& path, const recorder::WavFormat& f) override {
        if (failStart) throw recorder::DeviceError("no capture device");
        recording = path;
        format = f;
    }
    void openForPreview(const std::string& path) override {
        if (!files::fileExists(path)) throw recorder::DeviceError("cannot open " + path);
        previewing = path;
    }
    void play() override {}
    void stop() override {}
    void save() override {
        if (failSave) throw recorder::DeviceError("cannot save");
        ++saves;
    }
    void close() override { ++closes; }
    long long position() const override { return pos; }
    long long length() const override { return 2000; }

    bool failStart = false, failSave = false;
    std::string recording, previewing;
    recorder::WavFormat format;
    int saves = 0, closes = 0;
    long long pos = 0;
};

unsigned le(const std::string& bytes, size_t at, int size) {
    unsigned v = 0;
    for (int i = size - 1; i >= 0; --i) v = v * 256 + static_cast<unsigned char>(bytes[at + i]);
    return v;
}

}  // namespace

TEST(WavHeader, FieldsForEachFormat) {
    struct Case { int channels, bits, rate; unsigned byteRate, blockAlign; };
    for (const Case& c : {Case{2, 16, 44100, 176400, 4}, Case{1, 8, 11025, 11025, 1}, Case{1, 16, 22050, 44100, 2}}) {
        TempProgramFolder folder;
        const std::string path = folder.appDir() + "t.wav";
        std::ofstream(folder.dir() / "t.wav") << "an older file that is replaced";
        recorder::CreateWav(c.channels, c.bits, path, c.rate);
        const std::string h = fileBytes(folder.dir() / "t.wav");
        ASSERT_EQ(h.size(), 44u);
        EXPECT_EQ(h.substr(0, 4), "RIFF");
        EXPECT_EQ(le(h, 4, 4), 36u);
        EXPECT_EQ(h.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(le(h, 16, 4), 16u);
        EXPECT_EQ(le(h, 20, 2), 1u);
        EXPECT_EQ(le(h, 22, 2), static_cast<unsigned>(c.channels));
        EXPECT_EQ(le(h, 24, 4), static_cast<unsigned>(c.rate));
        EXPECT_EQ(le(h, 28, 4), c.byteRate);
        EXPECT_EQ(le(h, 32, 2), c.blockAlign);
        EXPECT_EQ(le(h, 34, 2), static_cast<unsigned>(c.bits));
        EXPECT_EQ(h.substr(36, 4), "data");
        EXPECT_EQ(le(h, 40, 4), 0u);
    }
    EXPECT_THROW(recorder::CreateWav(1, 16, "/nonexistent-folder/x.wav", 11025), std::runtime_error);
}

class Recording : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.dir() / "audio");
        ctx.state.AppDir = folder.appDir();
        recorder::FormCreate(rec);
    }
    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
    FakeDevice device;
    recorder::Recorder rec{ctx, device};
};

TEST_F(Recording, RecordStopPreviewAndOfferTheBareName) {
    auto& f = rec.form;
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && !f.Button1Enabled && !f.indicatorVisible);
    f.RadioGroup3Index = 2;  // the third rate is 44100, not 33075
    recorder::btstartClick(rec);
    EXPECT_EQ(device.recording, ctx.state.AppDir + "audio/Temp.wav");
    EXPECT_EQ(device.format.samplesPerSecond, 44100);
    EXPECT_EQ(fileBytes(folder.dir() / "audio" / "Temp.wav").size(), 44u);
    EXPECT_TRUE(!f.btstartEnabled && f.btstopEnabled && !f.Button1Enabled && f.indicatorVisible && f.Shape3Red);
    EXPECT_EQ(f.Timer1Interval, 500);
    EXPECT_EQ(text::utf8FromGbk(f.label1), "正在录音...");

    recorder::Timer1Timer(rec);  // a recording never ends by itself: Edit83 is empty
    EXPECT_TRUE(f.btstopEnabled);
    EXPECT_FALSE(f.Shape3Shown);  // blinking

    recorder::btstopClick(rec);
    EXPECT_EQ(device.saves, 1);
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && f.Button1Enabled && !f.indicatorVisible);
    EXPECT_EQ(f.Timer1Interval, 0);

    recorder::Button1Click(rec);  // preview until position equals length
    EXPECT_EQ(text::utf8FromGbk(f.label1), "正在试听...");
    EXPECT_FALSE(f.Shape3Red);
    device.pos = 2000;
    recorder::Timer1Timer(rec);
    EXPECT_EQ(f.Timer1Interval, 0);
    EXPECT_EQ(device.saves, 2);  // stop saves after a preview too

    recorder::Button2Click(rec);
    recorder::Button2Click(rec);
    EXPECT_EQ(ctx.fileNamePickList, (std::vector<std::string>{"Temp.wav", "Temp.wav"}));
}

TEST_F(Recording, FailuresAndPaths) {
    auto& f = rec.form;
    recorder::Button2Click(rec);  // nothing recorded yet: an empty entry
    EXPECT_EQ(ctx.fileNamePickList, (std::vector<std::string>{""}));

    device.failStart = true;
    recorder::btstartClick(rec);
    EXPECT_EQ(fakes.messages.shown.back(), "媒体设备初始化失败！");
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && f.Button1Enabled && !f.indicatorVisible);
    EXPECT_TRUE(f.label1.empty());

    device.failStart = false;
    f.Edit1 = "  " + folder.appDir() + "elsewhere.wav ";
    recorder::btstartClick(rec);
    device.failSave = true;
    recorder::btstopClick(rec);
    EXPECT_EQ(fakes.messages.shown.back(), "保存声音文件出错!");
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && f.Button1Enabled);
    EXPECT_EQ(device.closes, 0);  // a failed save leaves the device open
    recorder::Button2Click(rec);
    EXPECT_EQ(ctx.fileNamePickList.back(), folder.appDir() + "elsewhere.wav");  // outside audio/: full path

    f.Edit1 = folder.appDir() + "missing.wav";
    recorder::Button1Click(rec);  // a preview that fails is silent
    EXPECT_TRUE(f.btstartEnabled && !f.btstopEnabled && !f.Button1Enabled);
    EXPECT_EQ(fakes.messages.shown.size(), 2u);
}
