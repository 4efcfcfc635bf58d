#pragma once
// The main window's controls as plain objects that the core reads and
// writes. Program state lives partly in these flags (the mode is "jxbc
// enabled", the lock "pbxt enabled"), so tests read them without a window.
// The Qt window builds its menus and tool bar from the lists below and
// mirrors every flag.

#include <string>
#include <vector>

namespace shell {

struct Control {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::string caption;   // GBK, with its "&" accelerator
    std::string hint;      // GBK
    std::string shortcut;  // "F2", "Ctrl+H"; empty for none
};

struct ListBox {
    bool visible = false;
    std::vector<std::string> items;  // GBK
    int itemIndex = -1;
};

struct MainControls {
    MainControls();  // captions, hints, shortcuts and start states of the design

    std::string Caption;  // the main window's caption

    // Menu "系统(&S)"
    Control S1, Jrxt, pbxt, H3, N4, GGMM, N3, TCXT;
    // Menu "编辑(&E)"
    Control edit, C2, C3, V1;
    // Menu "表操作(&B)"
    Control biaocz, First1, Last1, N8, Insert1, Delete1, A1, N6, Edit3, Post1, Cancel1, N7, Refresh1;
    // Menu "设置(&T)" with the season submenu Z1
    Control T1, ztbc, jxbc, N9, Z1, C1, X1, D1, T2, N2, xuanxiang;
    // Menu "音视频(&F)"
    Control yingsp, find1, P1, S2, N10, Rec2;
    // Menu "帮助(&H)"
    Control h1, GUANYU, H5, N5, W1;
    // The tray icon's pop-up menu
    Control E1, H2, N1, Q1;

    // Tool bar
    Control ToolButton9, ToolButton10, ToolButton15, ToolButton24, ToolButton17, ToolButton18, rec3,
        SpeedButton9, SpeedButton1, toolbutton20;

    // Buttons beside the message area
    Control yinchang, QUIT1;

    // The status line and the line below it
    std::string Label1, Label2;

    bool DBGrid1ReadOnly = true;  // the timetable grid, read-only while locked
    ListBox ListBox1;             // the folder playlist
    int Timer1Interval = 1000;    // 0 stops the schedule tick
};

// One entry of a menu or the tool bar, in display order. A null control
// with a width is a tool-bar separator of that many pixels.
struct Entry {
    const char* name;
    Control MainControls::*control;
    bool separator = false;
    int separatorWidth = 0;
};

struct Menu {
    const char* name;
    Control MainControls::*control;
    std::vector<Entry> entries;  // an entry named "Z1" holds the season items
};

const std::vector<Menu>& mainMenu();
const std::vector<Entry>& seasonItems();  // C1, X1, D1, T2: one radio group
const std::vector<Entry>& trayMenu();
const std::vector<Entry>& toolBar();

}  // namespace shell
