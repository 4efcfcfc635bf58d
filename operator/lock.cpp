#include "operator/lock.h"

#include "platform/system/system_services.h"

namespace operation {

void pbxtClick(shell::MainContext& ctx) {
    auto& c = ctx.controls;
    platform::setScreenSaverRunning(1);
    c.edit.enabled = false;
    c.T1.enabled = false;
    c.yingsp.enabled = false;
    c.Jrxt.enabled = true;
    c.pbxt.enabled = false;
    c.GGMM.enabled = false;
    c.TCXT.enabled = false;
    c.DBGrid1ReadOnly = true;
    ctx.state.Unlocked = false;
}

void JrxtClick(shell::MainContext& ctx) {
    if (!ctx.state.Unlocked) ctx.window.showPasswordDialog();
    if (!ctx.state.Unlocked) return;
    auto& c = ctx.controls;
    platform::setScreenSaverRunning(0);
    c.T1.enabled = true;
    c.yingsp.enabled = true;
    c.Jrxt.enabled = false;
    c.pbxt.enabled = true;
    c.GGMM.enabled = true;
    c.ztbc.enabled = true;
    c.jxbc.enabled = false;
    c.TCXT.enabled = true;
    c.DBGrid1ReadOnly = false;
}

void GGMMClick(shell::MainContext& ctx) { ctx.window.showPasswordDialog(); }

}  // namespace operation
