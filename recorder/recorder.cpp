#include "recorder/recorder.h"

#include "platform/text/gbk.h"
#include "platform/text/trim.h"

namespace recorder {
namespace {

void showIndicator(RecorderForm& f, bool red) {
    f.Shape3Red = red;
    f.indicatorVisible = true;
}

void idleAfterStop(RecorderForm& f) {
    f.btstartEnabled = true;
    f.btstopEnabled = false;
    f.Button1Enabled = true;
}

}  // namespace

WavFormat chosenFormat(const RecorderForm& f) {
    WavFormat format;
    format.channels = f.RadioGroup1Index + 1;
    format.bitsPerSample = (f.RadioGroup2Index + 1) * 8;
    format.samplesPerSecond = (f.RadioGroup3Index + 1) * 11025;
    if (format.samplesPerSecond > 22050) format.samplesPerSecond = 44100;
    return format;
}

void FormCreate(Recorder& r) {
    RecorderForm& f = r.form;
    f.RecordBlink = true;
    f.Timer1Interval = 0;
    f.Edit88 = f.Edit83 = "65535";
    f.label1.clear();
    f.Edit1 = r.main.state.AppDir + "audio/Temp.wav";
    f.btstartEnabled = true;
    f.btstopEnabled = false;
    f.Button1Enabled = false;
}

void rec3Click(Recorder& r) { r.form.visible = true; }

void btstartClick(Recorder& r) {
    RecorderForm& f = r.form;
    f.Timer1Interval = 500;
    f.label1 = text::gbk("正在录音...");
    f.Edit83.clear();
    try {
        const WavFormat format = chosenFormat(f);
        f.RecordFilePath = std::string(text::trimBlanks(f.Edit1));
        CreateWav(format.channels, format.bitsPerSample, f.RecordFilePath, format.samplesPerSecond);
        r.device.startRecording(f.RecordFilePath, format);
        f.btstartEnabled = false;
        f.btstopEnabled = true;
        f.Button1Enabled = false;
        showIndicator(f, true);
    } catch (const std::exception&) {
        f.Timer1Interval = 0;
        f.label1.clear();
        f.indicatorVisible = false;
        idleAfterStop(f);
        r.main.messages.error(text::gbk("媒体设备初始化失败！"));
    }
}

void btstopClick(Recorder& r) {
    RecorderForm& f = r.form;
    f.Timer1Interval = 0;
    f.label1.clear();
    try {
        r.device.stop();
        r.device.save();
        r.device.close();
        idleAfterStop(f);
        f.indicatorVisible = false;
    } catch (const std::exception&) {
        r.main.messages.error(text::gbk("保存声音文件出错!"));
        idleAfterStop(f);
    }
}

void Button1Click(Recorder& r) {
    RecorderForm& f = r.form;
    try {
        r.device.openForPreview(std::string(text::trimBlanks(f.Edit1)));
        r.device.play();
        f.Edit83 = std::to_string(r.device.length());
        f.btstopEnabled = true;
        f.Button1Enabled = false;
        f.Timer1Interval = 500;
        f.label1 = text::gbk("正在试听...");
        showIndicator(f, false);
    } catch (const std::exception&) {
        f.Button1Enabled = false;
        f.btstopEnabled = false;
        f.btstartEnabled = true;
    }
}

void Timer1Timer(Recorder& r) {
    RecorderForm& f = r.form;
    if (f.btstopEnabled) f.Edit88 = std::to_string(r.device.position());
    f.RecordBlink = !f.RecordBlink;
    f.Shape3Shown = f.RecordBlink;
    if (f.Edit88 == f.Edit83) btstopClick(r);
}

void chooseFile(Recorder& r, const std::string& gbkPath) {
    r.form.Button1Enabled = true;
    if (!gbkPath.empty()) r.form.Edit1 = gbkPath;
}

void Button2Click(Recorder& r) {
    const std::string& path = r.form.RecordFilePath;
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/') nameStart = i + 1;
    }
    const std::string name = path.substr(nameStart);
    const std::string folder = path.substr(0, nameStart);
    auto& pickList = r.main.fileNamePickList;
    pickList.push_back(folder == r.main.state.AppDir + "audio/" ? name : path);
    r.form.visible = false;
}

}  // namespace recorder
