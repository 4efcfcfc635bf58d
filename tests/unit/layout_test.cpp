#include "shell/layout.h"

#include <gtest/gtest.h>

using shell::Rect;

namespace {
void expectRect(const Rect& r, int left, int top, int width, int height, const char* name) {
    EXPECT_EQ(r.left, left) << name;
    EXPECT_EQ(r.top, top) << name;
    EXPECT_EQ(r.width, width) << name;
    EXPECT_EQ(r.height, height) << name;
}
}  // namespace

TEST(FormResize, DesignSizeGivesTheDesignedLayout) {
    shell::MainLayout l;
    shell::FormResize(l, 717, 478);
    EXPECT_EQ(l.ControlBar1.width, 551);
    EXPECT_EQ(l.ToolBar1.width, 548);
    expectRect(l.DBGrid1, 200, 84, 491, 242, "DBGrid1");
    expectRect(l.Shape1, 20, 346, 597, 59, "Shape1");
    EXPECT_EQ(l.Label1.top, 361);
    EXPECT_EQ(l.Label1.width, 577);
    EXPECT_EQ(l.Label2.top, 381);
    expectRect(l.Image2, 20, 84, 161, 242, "Image2");
    expectRect(l.ListBox1, 20, 84, 161, 242, "ListBox1");
    EXPECT_EQ(l.Panel1.left, 553);
    expectRect(l.VrClock1, 553, 7, 134, 49, "VrClock1");
    EXPECT_EQ(l.yinchang.left, 632);
    EXPECT_EQ(l.yinchang.top, 346);
    EXPECT_EQ(l.QUIT1.left, 632);
    EXPECT_EQ(l.QUIT1.top, 379);

    shell::FormResize(l, 717, 478);  // the clock's top uses its new height now
    EXPECT_EQ(l.VrClock1.top, 11);
    EXPECT_EQ(l.DBGrid1.height, 242);
}

TEST(FormResize, GrowsWithTheWindow) {
    shell::MainLayout l;
    shell::FormResize(l, 1017, 678);
    EXPECT_EQ(l.DBGrid1.width, 791);
    EXPECT_EQ(l.DBGrid1.height, 442);
    EXPECT_EQ(l.DBGrid1.left, 200);  // left edges and fixed sizes stay
    EXPECT_EQ(l.Image2.width, 161);
    EXPECT_EQ(l.Shape1.height, 59);
}
