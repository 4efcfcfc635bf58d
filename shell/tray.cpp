#include "shell/tray.h"

#include "platform/text/gbk.h"

namespace shell {

void TrayIconNotify(MainContext& ctx, int mouseMessage) {
    if (mouseMessage == kRightButtonUp) ctx.window.popupTrayMenu();
    if (mouseMessage == kLeftButtonUp) ctx.window.showMainWindow();
}

void FormClose(MainContext& ctx) { ctx.window.hideMainWindow(); }

void E1Click(MainContext& ctx) { FormClose(ctx); }

void Q1Click(MainContext& ctx) {
    if (!ctx.state.Unlocked) ctx.window.showPasswordDialog();
    if (!ctx.state.Unlocked) return;
    ctx.state.TrayIconData.tip = text::gbk("Belvane系统");
    ctx.window.removeTrayIcon();
    ctx.terminating = true;
    ctx.window.terminate();
}

void TCXTClick(MainContext& ctx) { Q1Click(ctx); }

}  // namespace shell
