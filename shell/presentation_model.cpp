#include "shell/presentation_model.h"

#include "platform/text/gbk.h"

namespace shell {
namespace {

void set(Control& c, const char* caption, const char* shortcut = "", bool enabled = true,
         const char* hint = "") {
    c.caption = text::gbk(caption);
    c.shortcut = shortcut;
    c.enabled = enabled;
    c.hint = text::gbk(hint);
}

void tool(Control& c, const char* caption, const char* hint, bool enabled) {
    set(c, caption, "", enabled, hint);
}

}  // namespace

MainControls::MainControls() {
    set(S1, "系统(&S)");
    set(Jrxt, "进入系统(&J)", "F2");
    set(pbxt, "屏蔽系统(&P)", "F3");
    set(H3, "隐藏系统(&H)", "Ctrl+H");
    set(GGMM, "更改密码...(&G)", "F4");
    set(TCXT, "退出系统(&Q)", "Ctrl+Q");

    set(edit, "编辑(&E)", "", false);
    set(C2, "剪切", "Ctrl+X");
    set(C3, "复制(&C)", "Ctrl+C");
    set(V1, "粘贴(&V)", "Ctrl+V");

    set(biaocz, "表操作(&B)", "", false);
    set(First1, "第一项(&F)");
    set(Last1, "末一项(&L)");
    set(Insert1, "插入行(&I)");
    set(Delete1, "删除行(&D)");
    set(A1, "添加行(&A)");
    set(Edit3, "编辑(&E)");
    set(Post1, "确认(&O)");
    set(Cancel1, "放弃(&C)");
    set(Refresh1, "存盘(&R)");

    set(T1, "设置(&T)");
    set(ztbc, "手动操作 (&M)");
    set(jxbc, "自动播出 (&A)", "", false);
    set(Z1, "作息时间 (&Z)", "", false);
    set(C1, "春(秋)(&C)");
    set(X1, "夏    (&X)");
    set(D1, "冬    (&D)");
    set(T2, "专设  (&Z)");
    set(xuanxiang, "选项 (&D)", "F8", false);

    set(yingsp, "音视频(&F)");
    set(find1, "查找(&F)", "Ctrl+F");
    set(P1, "播放(&P)", "Ctrl+P", false);
    set(S2, "停止(&S)", "Ctrl+S", false);
    set(Rec2, "录音(&R)", "Ctrl+R", false);

    set(h1, "帮助(&H)");
    set(GUANYU, "关于...(&A)", "F12");
    set(H5, "帮助   (&H)", "F1");
    set(W1, "主页   (&N)", "F10");

    set(E1, "主窗口(&M)");
    set(H2, "帮助  (&H)");
    set(Q1, "退出系统(&Q)");

    tool(ToolButton9, "插入", "插入行", false);
    tool(ToolButton10, "删除", "删除行", false);
    tool(ToolButton15, "添加", "添加行", false);
    tool(ToolButton24, "查找", "查看当前文件是否存在", true);
    tool(ToolButton17, "播放", "播放当前文件", false);
    tool(ToolButton18, "停止", "停止播放", false);
    tool(rec3, "录音", "录音", false);
    tool(SpeedButton9, "换肤", "更换界面", true);
    tool(SpeedButton1, "帮助", "帮助", true);
    tool(toolbutton20, "主页", "Belvane网站", true);

    set(yinchang, "隐藏(&H)");
    set(QUIT1, "退出(&Q)");
}

using M = MainControls;

const std::vector<Menu>& mainMenu() {
    static const std::vector<Menu> menu = {
        {"S1", &M::S1,
         {{"Jrxt", &M::Jrxt}, {"pbxt", &M::pbxt}, {"H3", &M::H3}, {"N4", &M::N4, true},
          {"GGMM", &M::GGMM}, {"N3", &M::N3, true}, {"TCXT", &M::TCXT}}},
        {"edit", &M::edit, {{"C2", &M::C2}, {"C3", &M::C3}, {"V1", &M::V1}}},
        {"biaocz", &M::biaocz,
         {{"First1", &M::First1}, {"Last1", &M::Last1}, {"N8", &M::N8, true}, {"Insert1", &M::Insert1},
          {"Delete1", &M::Delete1}, {"A1", &M::A1}, {"N6", &M::N6, true}, {"Edit3", &M::Edit3},
          {"Post1", &M::Post1}, {"Cancel1", &M::Cancel1}, {"N7", &M::N7, true}, {"Refresh1", &M::Refresh1}}},
        {"T1", &M::T1,
         {{"ztbc", &M::ztbc}, {"jxbc", &M::jxbc}, {"N9", &M::N9, true}, {"Z1", &M::Z1},
          {"N2", &M::N2, true}, {"xuanxiang", &M::xuanxiang}}},
        {"yingsp", &M::yingsp,
         {{"find1", &M::find1}, {"P1", &M::P1}, {"S2", &M::S2}, {"N10", &M::N10, true}, {"Rec2", &M::Rec2}}},
        {"h1", &M::h1, {{"GUANYU", &M::GUANYU}, {"H5", &M::H5}, {"N5", &M::N5, true}, {"W1", &M::W1}}},
    };
    return menu;
}

const std::vector<Entry>& seasonItems() {
    static const std::vector<Entry> items = {{"C1", &M::C1}, {"X1", &M::X1}, {"D1", &M::D1}, {"T2", &M::T2}};
    return items;
}

const std::vector<Entry>& trayMenu() {
    static const std::vector<Entry> items = {{"E1", &M::E1}, {"H2", &M::H2}, {"N1", &M::N1, true}, {"Q1", &M::Q1}};
    return items;
}

const std::vector<Entry>& toolBar() {
    static const std::vector<Entry> items = {
        {"", nullptr, true, 8},
        {"ToolButton9", &M::ToolButton9},
        {"ToolButton10", &M::ToolButton10},
        {"ToolButton15", &M::ToolButton15},
        {"", nullptr, true, 18},
        {"ToolButton24", &M::ToolButton24},
        {"ToolButton17", &M::ToolButton17},
        {"ToolButton18", &M::ToolButton18},
        {"", nullptr, true, 19},
        {"rec3", &M::rec3},
        {"", nullptr, true, 18},
        {"SpeedButton9", &M::SpeedButton9},
        {"SpeedButton1", &M::SpeedButton1},
        {"toolbutton20", &M::toolbutton20},
    };
    return items;
}

}  // namespace shell
