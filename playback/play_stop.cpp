#include "playback/play_stop.h"

#include <algorithm>
#include <cctype>

#include "data/table_layouts.h"
#include "operator/options.h"
#include "playback/mp3_tag.h"
#include "playback/resolution.h"
#include "playback/video_window.h"
#include "scheduler/advance.h"

namespace playback {
namespace {

bool systemUnlocked(const shell::MainContext& ctx) { return ctx.controls.pbxt.enabled; }
bool manualMode(const shell::MainContext& ctx) { return ctx.controls.jxbc.enabled; }

// The tool bar and menus while a file plays (playing) or after it stopped.
void setPlayControls(shell::MainContext& ctx, bool playing) {
    auto& c = ctx.controls;
    const bool manual = manualMode(ctx);
    c.ToolButton18.enabled = playing && manual;
    for (shell::Control* item : {&c.ToolButton17, &c.P1, &c.ToolButton9, &c.ToolButton10, &c.ToolButton15,
                                 &c.rec3, &c.Rec2, &c.biaocz}) {
        item->enabled = !playing && manual;
    }
    c.S2.enabled = playing;
    c.T1.enabled = !playing;
}

bool isVideo(const std::string& extension) {
    return extension == ".AVI" || extension == ".DAT" || extension == ".MPG";
}

// Where a GBK character starts: a lead byte (0x81-0xFE) takes the next byte.
size_t characterBoundaryAtMost(const std::string& s, size_t limit) {
    size_t i = 0;
    while (i < s.size()) {
        const size_t width = static_cast<unsigned char>(s[i]) >= 0x81 ? 2 : 1;
        if (i + width > limit) break;
        i += width;
    }
    return i;
}

}  // namespace

int rowVolume(bool mediaFound, const std::string& vol) {
    if (!mediaFound || vol.empty() || vol.size() > 3) return 200;
    if (!std::all_of(vol.begin(), vol.end(), [](unsigned char c) { return std::isdigit(c); })) return 200;
    const int value = std::stoi(vol);
    return value >= 1 && value <= 255 ? value : 200;
}

std::string upperExtension(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos) return {};
    std::string ext = path.substr(dot);
    if (ext.find_first_of("\\/:") != std::string::npos) return {};
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

std::string shortenTitle(const std::string& title, const std::string& mediaPath) {
    if (title.size() <= 40) return title;
    const auto lastSeparator = std::find_if(mediaPath.rbegin(), mediaPath.rend(), scheduler::isSeparator);
    const std::string bareName(lastSeparator.base(), mediaPath.end());
    return title.substr(0, characterBoundaryAtMost(title, 23)) + "...\\" + bareName;
}

void ToolButton17Click(shell::MainContext& ctx) {
    auto& s = ctx.state;
    s.QuietFind = true;
    ToolButton24Click(ctx);
    ctx.controls.ListBox1.visible = s.RowIsDirectory;
    operation::options::setTrackbar1Position(ctx, rowVolume(s.MediaFound, ctx.Table1.table.fieldText(data::kVol)));

    const std::string extension = upperExtension(s.MediaPath);
    try {
        ctx.MediaPlayer1.open(s.MediaPath);
        if (isVideo(extension)) {
            showVideoWindow(ctx);
            ctx.MediaPlayer1.setDisplayRect({0, 0, ctx.Form6.clientWidth, ctx.Form6.clientHeight});
        }
    } catch (const std::exception&) {
        return;  // a file that does not open ends play silently
    }
    if (extension == ".MP3") {
        mpClick(ctx);
    } else {
        s.NowPlayingTitle = s.MediaPath;
        s.TagLine.clear();
    }
    ctx.MediaPlayer1.play();
    if (systemUnlocked(ctx)) setPlayControls(ctx, true);
    s.SampleCount = 1;
    s.RowPlayed = true;
    s.LengthText = std::to_string(ctx.MediaPlayer1.length());
    s.NowPlayingTitle = shortenTitle(s.NowPlayingTitle, s.MediaPath);
}

void ToolButton18Click(shell::MainContext& ctx) {
    auto& s = ctx.state;
    if (ctx.MediaPlayer1.mode() == PlayerMode::Playing) ctx.MediaPlayer1.stop();
    ctx.controls.Label2.clear();
    s.PositionText = "stop";
    s.LengthText = "aab";
    s.Playing = false;
    ctx.controls.ListBox1.visible = false;
    if (systemUnlocked(ctx)) setPlayControls(ctx, false);
    hideVideoWindow(ctx);
}

void ListBox1DblClick(shell::MainContext& ctx) {
    ToolButton18Click(ctx);
    ToolButton17Click(ctx);
}

}  // namespace playback
