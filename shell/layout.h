#pragma once
// The main window's geometry and the rules that lay it out again whenever
// the window is resized.

namespace shell {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct MainLayout {  // the design bounds
    Rect ControlBar1{-16, -4, 557, 69};
    Rect ToolBar1{11, 2, 530, 63};
    Rect VrClock1{552, 8, 140, 53};
    Rect Image2{20, 80, 161, 257};
    Rect ListBox1{20, 80, 161, 257};
    Rect DBGrid1{200, 80, 457, 257};
    Rect Shape1{20, 356, 577, 59};
    Rect Label1{32, 360, 553, 17};
    Rect Label2{32, 376, 553, 17};
    Rect yinchang{604, 360, 57, 25};
    Rect QUIT1{604, 388, 57, 25};
    Rect Panel1{552, 8, 144, 34};  // hidden; anchors the LED clock
};

// Applies the layout rules for a window of this outer size.
void FormResize(MainLayout& layout, int outerWidth, int outerHeight);

}  // namespace shell
