#include "shell/appearance.h"

#include "data/settings_table.h"
#include "platform/text/gbk.h"

namespace shell {

const char* const kWebPage = "http://www.belvane.example/velmora/index.asp";

void SpeedButton9Click(MainContext& ctx) {
    auto& s = ctx.state;
    s.SkinIndex = s.SkinIndex + 1;
    // The hint shows the number before it wraps, so skin 0 reads as 10.
    ctx.controls.SpeedButton9.hint = text::gbk("界面编号：") + std::to_string(s.SkinIndex);
    if (s.SkinIndex >= kSkinCount) s.SkinIndex = 0;
    ctx.window.applySkin(s.SkinIndex);
    s.SettingValue = std::to_string(s.SkinIndex);
    s.SettingField = "id4";
    data::button2Click(ctx);
}

void ToolButton22Click(MainContext& ctx) { ctx.window.openDocument(ctx.state.AppDir + kHelpFile); }

void ToolButton20Click(MainContext& ctx) { ctx.window.openUrl(kWebPage); }

void GUANYUClick(MainContext& ctx) { ctx.window.showAboutBox(); }

std::string aboutVersionLine(const MainContext& ctx) { return "VERsion " + ctx.state.VersionText; }

}  // namespace shell
