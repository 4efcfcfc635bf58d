// The options dialog's handlers and stores.

#include "operator/options.h"

#include <gtest/gtest.h>

#include "data/settings_table.h"
#include "shell/form_create.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;
namespace options = operation::options;

class Options : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeSettings("1");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{1, "07:30:00"}, {2, "08:00:00"}});
        shell::FormCreate(ctx, folder.appDir());
        options::Form4Create(ctx);
    }
    std::string setting(data::SettingPosition p) { return data::settingText(ctx, p); }
    std::string rowField(int field) { return ctx.Table1.table.fieldText(field); }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Options, CreatedFromTheSettings) {
    EXPECT_EQ(ctx.Form4.RadioGroup1Index, 3);  // id5 of the test folder
    EXPECT_EQ(ctx.Form4.RadioGroup2Index, 0);
    EXPECT_EQ(ctx.Form4.Edit71, ctx.state.AppDir);
    EXPECT_TRUE(ctx.Form4.dirokEnabled);
    EXPECT_EQ(ctx.Form4.pageIndex, 3);
}

TEST_F(Options, ShutdownTimesAreStoredAsTheClockShowsThem) {
    struct Case {
        const char* box;
        const char* stored;  // id2 afterwards ("" = unchanged from "")
        bool told;           // the operator hears the box was not stored
    };
    const Case cases[] = {
        {"17:30:00", "17:30:00", false}, {" 7:30:00", "07:30:00", false}, {"7:30:00", "07:30:00", false},
        {"00:00:00", "", false},         {"  :  :  ", "", false},         {"", "", false},
        {"25:00:00", "", true},          {"12:61:00", "", true},          {"12:30", "", true},
    };
    for (const Case& c : cases) {
        TempProgramFolder f;
        FakePorts p;
        shell::MainContext x{p.ports()};
        f.writeSettings("1");
        f.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{1, "07:30:00"}});
        shell::FormCreate(x, f.appDir());
        options::Form4Create(x);
        x.Form4.MaskEdit1 = c.box;
        options::BitBtn2Click(x);
        EXPECT_EQ(data::settingText(x, data::kId2), c.stored) << c.box;
        EXPECT_EQ(p.messages.shown.size(), c.told ? 1u : 0u) << c.box;
    }
}

TEST_F(Options, ResetThenSaveKeepsTheStoredTimes) {
    ctx.Form4.MaskEdit1 = "17:30:00";
    ctx.Form4.MaskEdit2 = "18:00:00";
    options::BitBtn2Click(ctx);
    options::BitBtn1Click(ctx);
    options::BitBtn2Click(ctx);
    EXPECT_EQ(setting(data::kId2), "17:30:00");
    EXPECT_EQ(setting(data::kId3), "18:00:00");
}

TEST_F(Options, SliderSetsTheVolumeAndSaveStoresItInTheRow) {
    options::setTrackbar1Position(ctx, 255);
    options::setTrackbar1Position(ctx, 255);  // no change, no call
    options::setTrackbar1Position(ctx, 400);  // clamped to 255: still no change
    ASSERT_EQ(fakes.player.volumes.size(), 1u);
    EXPECT_EQ(fakes.player.volumes[0], (std::pair<unsigned, unsigned>{65280, 65280}));
    EXPECT_EQ(rowField(data::kVol), "");  // moving stores nothing
    options::volbuttClick(ctx);
    EXPECT_EQ(rowField(data::kVol), "255");
}

TEST_F(Options, FolderGetsOneTrailingSeparatorAndAssignRestartsTheSchedule) {
    options::DirectoryListBox2Change(ctx, "/srv/music");
    EXPECT_EQ(ctx.Form4.Edit71, "/srv/music/");
    options::DirectoryListBox2Change(ctx, "/srv/music/");
    EXPECT_EQ(ctx.Form4.Edit71, "/srv/music/");
    options::DirectoryListBox2Change(ctx, "/");
    EXPECT_EQ(ctx.Form4.Edit71, "/");

    ctx.controls.Timer1Interval = 0;  // manual mode
    options::DirectoryListBox2Change(ctx, "/srv/music");
    options::dirokClick(ctx);
    EXPECT_EQ(rowField(data::kFilename), "/srv/music/");
    EXPECT_EQ(ctx.controls.Timer1Interval, 1000);

    ctx.Form4.Edit71 = std::string(101, 'x');  // too long for FILENAME: swallowed
    ctx.controls.Timer1Interval = 0;
    options::dirokClick(ctx);
    EXPECT_EQ(rowField(data::kFilename), "/srv/music/");
    EXPECT_EQ(ctx.controls.Timer1Interval, 1000);
    EXPECT_EQ(ctx.Table1.table.state(), dbase::TableState::Browse);
}

TEST_F(Options, EndOfListDefaultOnlyWhenTickedAndPermission) {
    ctx.Form4.RadioGroup1Index = 1;
    options::Button1Click(ctx);
    EXPECT_EQ(setting(data::kId5), "3");
    ctx.Form4.CheckBox1 = true;
    options::Button1Click(ctx);
    EXPECT_EQ(setting(data::kId5), "1");

    ctx.Form4.RadioGroup2Index = 1;
    options::Button2Click(ctx);
    EXPECT_EQ(setting(data::kId6), "1");
    EXPECT_FALSE(ctx.state.Unlocked);  // applies from the next start
}
