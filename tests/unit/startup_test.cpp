// The start-up sequence against a temporary program folder.

#include "shell/form_create.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "data/settings_table.h"
#include "operator/modes.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;

class Startup : public ::testing::Test {
protected:
    void writeFolder(const std::string& id6) {
        folder.writeSettings("1");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{2, "08:00:00"}, {1, "07:30:00"}});
        setSetting("id6", id6);
    }
    void setSetting(const std::string& field, const std::string& value) {
        dbase::Table t;
        t.open(folder.dir() / "system.dbf");
        t.edit();
        t.setFieldText(t.findField(field), value);
        t.post();
    }
    bool called(const std::string& call) {
        auto& c = fakes.window.calls;
        return std::find(c.begin(), c.end(), call) != c.end();
    }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Startup, LockedStartForPermissionZero) {
    writeFolder("0");
    fakes.clock.time.weekday = 7;
    shell::FormCreate(ctx, folder.appDir());
    const auto& c = ctx.controls;
    EXPECT_FALSE(ctx.terminating);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(text::utf8FromGbk(c.Caption), "Belvane系统    VER 3.61");
    EXPECT_FALSE(ctx.state.Unlocked);
    EXPECT_TRUE(c.Jrxt.enabled && c.Jrxt.visible && c.pbxt.visible && c.N4.visible && c.GGMM.visible);
    EXPECT_FALSE(c.pbxt.enabled || c.T1.enabled || c.yingsp.enabled || c.TCXT.enabled || c.GGMM.enabled);
    EXPECT_TRUE(c.DBGrid1ReadOnly);
    EXPECT_EQ(c.Timer1Interval, 1000);
    EXPECT_FALSE(operation::inManualMode(ctx));
    EXPECT_EQ(ctx.state.TodayText, "7");
    EXPECT_TRUE(ctx.state.AdvanceArmed);
    EXPECT_FALSE(ctx.state.ChainBroken);
    EXPECT_EQ(ctx.Table1.table.fieldInt(data::kOn), 1);  // the first advance moved nothing
    EXPECT_TRUE(called("addTrayIcon"));
    EXPECT_TRUE(called("applySkin 0"));
    EXPECT_EQ(ctx.state.SettingField, "id8");
    EXPECT_EQ(text::utf8FromGbk(ctx.state.Tips[1]), "  ☆ 时间输入标准格式示例：12:15:00 或 5:00:13 。");
}

TEST_F(Startup, AnyNonZeroPermissionStartsUnlockedWithLockItemsHidden) {
    for (const char* id6 : {"1", "2"}) {
        TempProgramFolder f;
        FakePorts p;
        shell::MainContext c{p.ports()};
        f.writeSettings("1");
        f.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{1, "07:30:00"}});
        dbase::Table t;
        t.open(f.dir() / "system.dbf");
        t.edit();
        t.setFieldText(data::kId6, id6);
        t.post();
        shell::FormCreate(c, f.appDir());
        EXPECT_TRUE(c.state.Unlocked) << id6;
        EXPECT_FALSE(c.controls.Jrxt.visible || c.controls.pbxt.visible || c.controls.N4.visible ||
                     c.controls.GGMM.visible) << id6;
        EXPECT_TRUE(c.controls.T1.enabled && c.controls.pbxt.enabled && c.controls.TCXT.enabled) << id6;
        EXPECT_FALSE(c.controls.DBGrid1ReadOnly) << id6;
        EXPECT_TRUE(std::find(p.window.calls.begin(), p.window.calls.end(), "showPasswordDialog") ==
                    p.window.calls.end()) << id6;
    }
}

TEST_F(Startup, MissingSettingsTableNamesTheFolderAndQuitsWithoutPassword) {
    shell::FormCreate(ctx, folder.appDir());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0], "系统初始化错误！\r\r文件 " + folder.dir().string() + "/system.dbf 未找到！");
    EXPECT_TRUE(ctx.terminating);
    EXPECT_FALSE(called("showPasswordDialog"));
    EXPECT_TRUE(called("removeTrayIcon"));
    EXPECT_EQ(ctx.controls.Timer1Interval, 0);
}

TEST_F(Startup, DamagedSettingsOrNonIntegerCodesEndCleanly) {
    writeFolder("x");
    shell::FormCreate(ctx, folder.appDir());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].find("id6"), std::string::npos);
    EXPECT_TRUE(ctx.terminating);

    FakePorts p;
    shell::MainContext c{p.ports()};
    std::ofstream(folder.dir() / "system.dbf", std::ios::trunc) << "garbage";
    shell::FormCreate(c, folder.appDir());
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_NE(p.messages.shown[0].find("system.dbf"), std::string::npos);
    EXPECT_TRUE(c.terminating);
}

TEST_F(Startup, AudioFolderListingSkipsHiddenFilesAndFolders) {
    writeFolder("0");
    std::filesystem::create_directories(folder.dir() / "audio" / "sub.wav");
    for (const char* name : {"bell.wav", ".hidden.wav", "起床.mp3"}) std::ofstream(folder.dir() / "audio" / name) << "x";
    shell::FormCreate(ctx, folder.appDir());
    std::vector<std::string> names;
    for (const auto& n : ctx.fileNamePickList) names.push_back(text::utf8FromGbk(n));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bell.wav", "起床.mp3"}));
    EXPECT_EQ(ctx.state.PositionText, ctx.fileNamePickList.front());
    EXPECT_NE(ctx.state.PositionText, ctx.state.LengthText);
}

TEST_F(Startup, SkinAtOrBeyondTenIsPassedOnAsIs) {
    writeFolder("0");
    setSetting("id4", "12");
    shell::FormCreate(ctx, folder.appDir());
    EXPECT_EQ(ctx.state.SkinIndex, 12);
    EXPECT_TRUE(called("applySkin 12"));  // the window loads no skin for it
}
