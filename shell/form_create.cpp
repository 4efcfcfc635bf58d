#include "shell/form_create.h"

#include <utility>

#include "data/settings_table.h"
#include "data/timetable_load.h"
#include "operator/lock.h"
#include "platform/files/fs_path.h"
#include "platform/system/system_services.h"
#include "platform/text/gbk.h"
#include "playback/resolution.h"
#include "scheduler/advance.h"
#include "shell/tray.h"

namespace shell {
namespace {

// A start that cannot go on: say why, then quit without asking for the
// password.
void quitAtStart(MainContext& ctx, const std::string& gbkMessage) {
    ctx.controls.Timer1Interval = 0;
    ctx.messages.information(gbkMessage);
    ctx.state.Unlocked = true;
    Q1Click(ctx);
}

// id4 and id6 must hold integers; a hand-edited table may not.
bool readCode(MainContext& ctx, data::SettingPosition position, const char* field, long long& value) {
    try {
        value = data::settingInt(ctx, position);
        return true;
    } catch (const std::exception&) {
        quitAtStart(ctx, text::gbk("系统初始化错误！\r\r文件 ") + ctx.state.AppDir +
                             text::gbk("system.dbf 的字段 ") + field + text::gbk(" 应为整数！"));
        return false;
    }
}

}  // namespace

void filelist1Click(MainContext& ctx) {
    ctx.state.SearchAttr = 0x64;
    for (std::string& name : playback::listFolderFiles(ctx.state.AppDir + "audio/")) {
        ctx.fileNamePickList.push_back(std::move(name));
    }
}

void FormCreate(MainContext& ctx, const std::string& appDir) {
    auto& s = ctx.state;
    s.VersionText = "3.61";
    ctx.controls.Caption = text::gbk("Belvane系统    VER ") + s.VersionText;
    s.OsFamily = platform::osFamily();
    platform::setScreenSaverRunning(1);
    platform::writeMciDatExtension();
    s.TrayIcon = 37;
    s.TrayIconData.tip = text::gbk("Belvane系统");
    ctx.window.addTrayIcon();
    s.AppDir = appDir;
    filelist1Click(ctx);

    if (!files::fileExists(s.AppDir + data::kSettingsFile)) {
        quitAtStart(ctx, text::gbk("系统初始化错误！\r\r文件 ") + s.AppDir + text::gbk("system.dbf 未找到！"));
        return;
    }
    try {
        data::openSettingsTable(ctx);
    } catch (const std::exception& e) {
        quitAtStart(ctx, text::gbk("系统初始化错误！\r\r文件 ") + s.AppDir + text::gbk("system.dbf 无法打开：") +
                             text::gbkFromUtf8(e.what()));
        return;
    }

    data::zxsj2Click(ctx);
    // Once the quit has been given nothing later matters, and the tables it
    // would read may be closed.
    if (ctx.terminating) return;

    long long skin = 0;
    if (!readCode(ctx, data::kId4, "id4", skin)) return;
    s.SkinIndex = static_cast<int>(skin);
    ctx.window.applySkin(s.SkinIndex);

    s.TodayNumber = static_cast<std::uint16_t>(ctx.clock.now().weekday);
    s.TodayText = std::to_string(s.TodayNumber);
    s.ChainBroken = false;
    s.AdvanceArmed = false;
    scheduler::tab2Click(ctx);  // arms the advance; the cursor stays put
    if (!ctx.fileNamePickList.empty()) s.PositionText = ctx.fileNamePickList.front();

    long long permission = 0;
    if (!readCode(ctx, data::kId6, "id6", permission)) return;
    if (permission != 0) {
        s.Unlocked = true;
        operation::JrxtClick(ctx);
        for (Control* c : {&ctx.controls.Jrxt, &ctx.controls.pbxt, &ctx.controls.N4, &ctx.controls.GGMM}) {
            c->visible = false;
        }
    } else {
        s.Unlocked = false;
        operation::pbxtClick(ctx);
    }

    s.SettingField = "id8";
    s.ShutdownArmable = true;
    s.AutoShutdownTime = "22:30:00";
    s.IdleCountdown = 60;
    s.TipTick = 0;
    s.TipTickLimit = 80;
    s.RowPlayed = false;
    s.Tips = scheduler::startTips();
}

}  // namespace shell
