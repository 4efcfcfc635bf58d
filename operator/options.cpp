#include "operator/options.h"

#include <algorithm>

#include "data/settings_table.h"
#include "data/table_layouts.h"
#include "platform/text/gbk.h"
#include "platform/text/trim.h"
#include "scheduler/advance.h"
#include "scheduler/time_text.h"

// The options dialog has handlers of the same names as the password
// dialog's (Button1Click, Button2Click): they live in a namespace of their own.
namespace operation::options {
namespace {

void storeSetting(shell::MainContext& ctx, const char* field, const std::string& value) {
    ctx.state.SettingValue = value;
    ctx.state.SettingField = field;
    data::button2Click(ctx);
}

// Edits the current timetable row's field and posts it; a failure leaves
// the row as it was.
void writeRowField(shell::MainContext& ctx, int field, const std::string& value) {
    dbase::Table& t = ctx.Table1.table;
    t.edit();
    try {
        t.setFieldText(field, value);
        t.post();
    } catch (...) {
        t.cancel();
        throw;
    }
}

bool blankBox(const std::string& box) {
    return std::all_of(box.begin(), box.end(), [](char c) { return c == ' ' || c == ':' || c == '_'; });
}

// Stores one box; returns false for a filled box that is no time of day.
bool storeShutdownTime(shell::MainContext& ctx, const std::string& box, const char* field) {
    const std::string time = normaliseShutdownTime(box);
    if (time.empty()) return blankBox(box);
    if (scheduler::compareTimeTexts(time, "00:00:00") > 0) storeSetting(ctx, field, time);
    return true;
}

}  // namespace

std::string normaliseShutdownTime(const std::string& boxText) {
    std::string t(text::trimBlanks(boxText));
    // The box's mask lets the first hour digit stay blank (" 7:30:00").
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
    if (!scheduler::readsAsTimeOfDay(t) || std::count(t.begin(), t.end(), ':') != 2) return {};
    const size_t first = t.find(':'), second = t.rfind(':');
    const int h = std::stoi(t.substr(0, first));
    const int m = std::stoi(t.substr(first + 1, second - first - 1));
    const int s = std::stoi(t.substr(second + 1));
    return scheduler::clockText(h, m, s);
}

void Form4Create(shell::MainContext& ctx) {
    OptionsForm& f = ctx.Form4;
    f.MaskEdit1 = data::settingText(ctx, data::kId2);
    f.MaskEdit2 = data::settingText(ctx, data::kId3);
    f.Edit71 = ctx.state.AppDir;
    DirectoryListBox2Change(ctx, ctx.state.AppDir);
    f.RadioGroup1Index = static_cast<int>(data::settingInt(ctx, data::kId5));
    f.RadioGroup2Index = static_cast<int>(data::settingInt(ctx, data::kId6));
}

void xuanxiangClick(shell::MainContext& ctx) { ctx.Form4.visible = true; }

void BitBtn7Click(shell::MainContext& ctx) { ctx.Form4.visible = false; }

void setTrackbar1Position(shell::MainContext& ctx, int position) {
    position = std::clamp(position, 0, 255);
    if (position == ctx.Form4.trackbar1Position) return;
    ctx.Form4.trackbar1Position = position;
    trackbar1Change(ctx);
}

void trackbar1Change(shell::MainContext& ctx) {
    const auto level = static_cast<unsigned>(ctx.Form4.trackbar1Position) << 8;
    ctx.MediaPlayer1.setVolume(level, level);
}

void volbuttClick(shell::MainContext& ctx) {
    writeRowField(ctx, data::kVol, std::to_string(ctx.Form4.trackbar1Position));
}

void BitBtn1Click(shell::MainContext& ctx) {
    ctx.Form4.MaskEdit1.clear();
    ctx.Form4.MaskEdit2.clear();
}

void BitBtn2Click(shell::MainContext& ctx) {
    const bool first = storeShutdownTime(ctx, ctx.Form4.MaskEdit1, "id2");
    const bool second = storeShutdownTime(ctx, ctx.Form4.MaskEdit2, "id3");
    if (!first || !second) {
        ctx.messages.information(text::gbk("关机时间应为 hh:mm:ss（00:00:00 至 23:59:59），未保存的时间请重新输入！"));
    }
}

void DirectoryListBox2Change(shell::MainContext& ctx, const std::string& gbkFolder) {
    OptionsForm& f = ctx.Form4;
    f.dirokEnabled = true;
    std::string folder = gbkFolder;
    while (folder.size() > 1 && scheduler::isSeparator(folder.back())) folder.pop_back();
    f.DirectoryListBox2 = folder;
    f.Edit71 = (folder.size() == 1 && scheduler::isSeparator(folder[0])) ? folder : folder + "/";
}

void chooseFile(shell::MainContext& ctx, const std::string& gbkPath) {
    ctx.Form4.dirokEnabled = true;
    if (!gbkPath.empty()) ctx.Form4.Edit71 = gbkPath;
}

void dirokClick(shell::MainContext& ctx) {
    ctx.controls.Timer1Interval = 0;
    try {
        writeRowField(ctx, data::kFilename, ctx.Form4.Edit71);
    } catch (...) {
        // The schedule must come back whatever happened to the write.
    }
    ctx.controls.Timer1Interval = 1000;
}

void Button1Click(shell::MainContext& ctx) {
    if (ctx.Form4.CheckBox1) storeSetting(ctx, "id5", std::to_string(ctx.Form4.RadioGroup1Index));
}

void Button2Click(shell::MainContext& ctx) { storeSetting(ctx, "id6", std::to_string(ctx.Form4.RadioGroup2Index)); }

}  // namespace operation::options
