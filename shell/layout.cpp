#include "shell/layout.h"

namespace shell {

void FormResize(MainLayout& l, int outerWidth, int outerHeight) {
    const int w = outerWidth - 10;
    const int h = outerHeight - 18;
    // In this order: later rules use the results of earlier ones.
    l.ControlBar1.width = w - l.Panel1.width - 12;
    l.ToolBar1.width = w - l.Panel1.width - 15;
    l.DBGrid1.width = w - l.Image2.width - 55;
    l.DBGrid1.top = l.ControlBar1.height + 15;
    l.DBGrid1.height = h - l.DBGrid1.top - l.Shape1.height - 75;
    l.Shape1.width = l.DBGrid1.width + l.Image2.width - 55;
    l.Shape1.top = l.DBGrid1.top + l.DBGrid1.height + 20;
    l.Label1.top = l.Shape1.top + 15;
    l.Label1.width = l.Shape1.width - 20;
    l.Label2.top = l.Label1.top + 20;
    l.Image2.top = l.DBGrid1.top;
    l.Image2.height = l.DBGrid1.height;
    l.Image2.left = l.Shape1.left;
    l.ListBox1 = l.Image2;
    l.Panel1.left = w - l.Panel1.width - 10;
    l.Panel1.top = l.ToolBar1.top;
    l.VrClock1.left = l.Panel1.left;
    l.VrClock1.width = l.Panel1.width - 10;
    // The clock's top uses its height from before this resize, so it
    // settles only at the second resize.
    l.VrClock1.top = l.ControlBar1.top + l.ControlBar1.height - l.VrClock1.height - 5;
    l.VrClock1.height = l.ControlBar1.height - 20;
    l.QUIT1.top = l.Shape1.top + 33;
    l.yinchang.top = l.Shape1.top;
    l.yinchang.left = l.Shape1.left + l.Shape1.width + 15;
    l.QUIT1.left = l.yinchang.left;
}

}  // namespace shell
