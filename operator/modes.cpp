#include "operator/modes.h"

#include "platform/text/gbk.h"

namespace operation {

void ZTBCClick(shell::MainContext& ctx) {
    auto& c = ctx.controls;
    c.Timer1Interval = 0;  // first, so that no tick runs after the switch
    for (shell::Control* on : {&c.jxbc, &c.edit, &c.biaocz, &c.Z1, &c.xuanxiang, &c.P1, &c.Rec2,
                               &c.ToolButton9, &c.ToolButton10, &c.ToolButton15, &c.ToolButton17, &c.rec3}) {
        on->enabled = true;
    }
    c.ztbc.enabled = false;
    c.ToolButton18.enabled = false;
    c.Label1 = text::gbk("  ☆ 当前为手动操作状态，可对系统进行设置和修改！");
    c.Label2 = text::gbk("  ☆ 修改完成后请选择自动播出！");
}

void JXBCClick(shell::MainContext& ctx) {
    auto& c = ctx.controls;
    c.Timer1Interval = 1000;
    c.jxbc.enabled = false;
    c.edit.enabled = false;
    c.ztbc.enabled = true;
    for (shell::Control* off : {&c.ToolButton9, &c.ToolButton10, &c.ToolButton15, &c.ToolButton17, &c.P1,
                                &c.ToolButton18, &c.rec3, &c.Rec2, &c.Z1, &c.xuanxiang, &c.biaocz}) {
        off->enabled = false;
    }
    c.Label2.clear();  // Label1 keeps its text until the next tick
}

bool inManualMode(const shell::MainContext& ctx) { return ctx.controls.jxbc.enabled; }

}  // namespace operation
