// Choosing the season table from id8, loading it, and the season commands.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "data/season_choice.h"
#include "data/settings_table.h"
#include "data/timetable_load.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;

TEST(SeasonChoice, ByteComparisonOfId8) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "chunqiu.dbf"}, {"0", "chunqiu.dbf"}, {"1", "chunqiu.dbf"}, {"10", "chunqiu.dbf"},
        {"15", "chunqiu.dbf"}, {"2", "xia.dbf"},   {"3", "dong.dbf"},    {"4", "qita.dbf"},
        {"5", "qita.dbf"},   {"30", "qita.dbf"},   {"31", "qita.dbf"},   {"9", "qita.dbf"},
        {"21", nullptr},     {"2 ", nullptr},
    };
    for (auto [id8, table] : cases) {
        auto s = data::chooseSeason(id8);
        if (table) {
            ASSERT_TRUE(s) << id8;
            EXPECT_STREQ(s->tableName, table) << id8;
        } else {
            EXPECT_FALSE(s) << id8;
        }
    }
}

class Load : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeSettings("1");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {{5, "08:00:00"}, {1, "07:30:00"}, {3, ""}});
        folder.writeTimetable("xia.dbf", "XIA_ON", {{1, "06:00:00"}, {2, "25:00:00"}, {3, "7:61:00"}});
        folder.writeTimetable("dong.dbf", "DONG_ON", {{1, "08:10:00"}});
        folder.writeTimetable("qita.dbf", "QITA_ON", {{1, "12:15"}, {2, "0755", "bell.wav", "5:00:13"}});
        ctx.state.AppDir = folder.appDir();
        data::openSettingsTable(ctx);
    }
    void setId8(const std::string& v) {
        ctx.state.SettingField = "id8";
        ctx.state.SettingValue = v;
        data::button2Click(ctx);
    }
    std::string currentTime() { return ctx.Table1.table.fieldText(data::kTime); }

    TempProgramFolder folder;
    FakePorts fakes;
    RecordingMessages& messages = fakes.messages;
    FakePlayer& player = fakes.player;
    shell::MainContext ctx{fakes.ports()};
    int quits() const { return static_cast<int>(std::count(fakes.window.calls.begin(), fakes.window.calls.end(), "terminate")); }
};

TEST_F(Load, OpensTheSelectedTableOnItsSmallestOn) {
    data::zxsj2Click(ctx);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ctx.Table1.TableName, "chunqiu.dbf");
    EXPECT_EQ(ctx.Table1.table.rowCount(), 3);
    EXPECT_EQ(ctx.Table1.table.fieldInt(data::kOn), 1);
    EXPECT_EQ(currentTime(), "07:30:00");
    EXPECT_TRUE(ctx.controls.C1.checked);
    EXPECT_TRUE(ctx.state.ChainBroken);
    EXPECT_FALSE(ctx.state.RowPlayed);
}

TEST_F(Load, BadTimeLeavesCursorOnTheOffendingRow) {
    setId8("2");
    data::zxsj2Click(ctx);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "时间格式错误！\r\r应为英文半角符号（hh:mm:ss）！ ");
    EXPECT_TRUE(ctx.Table1.table.active());
    EXPECT_EQ(ctx.Table1.table.fieldInt(data::kOn), 2);  // 25:00:00, not the later 7:61:00
    EXPECT_EQ(quits(), 0);
}

TEST_F(Load, TextsWithoutColonAndShortTimesPass) {
    setId8("4");
    data::zxsj2Click(ctx);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ctx.Table1.table.fieldInt(data::kOn), 1);
}

TEST_F(Load, Id8BetweenTwoAndThreeKeepsThePreviousTable) {
    setId8("21");
    data::zxsj2Click(ctx);  // at start: no table yet, nothing opens, nothing said
    EXPECT_FALSE(ctx.Table1.table.active());
    EXPECT_TRUE(messages.shown.empty());

    setId8("3");
    data::zxsj2Click(ctx);
    setId8("21");
    data::zxsj2Click(ctx);
    EXPECT_EQ(ctx.Table1.TableName, "dong.dbf");
    EXPECT_TRUE(ctx.Table1.table.active());
    EXPECT_TRUE(ctx.controls.D1.checked);
}

TEST_F(Load, DamagedTableReportsAndQuitsWithoutPassword) {
    std::ofstream(folder.dir() / "dong.dbf", std::ios::binary | std::ios::trunc) << "not a table";
    setId8("3");
    data::zxsj2Click(ctx);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "作息时间表初始化错误！\r\r文件 dong.dbf 未找到！");
    EXPECT_TRUE(ctx.state.Unlocked);
    EXPECT_EQ(quits(), 1);
}

TEST_F(Load, MissingIndexIsAnOpeningFailure) {
    std::filesystem::remove(folder.dir() / "dong.mdx");
    setId8("3");
    data::zxsj2Click(ctx);
    EXPECT_EQ(quits(), 1);
}

TEST_F(Load, MissingTableFileIsReportedButDoesNotQuit) {
    std::filesystem::remove(folder.dir() / "qita.dbf");
    setId8("4");
    data::zxsj2Click(ctx);
    EXPECT_FALSE(ctx.Table1.table.active());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("qita.dbf"), std::string::npos);
    EXPECT_EQ(quits(), 0);
}

TEST_F(Load, StopsAPlayingFileButNotAnIdlePlayer) {
    data::zxsj2Click(ctx);
    EXPECT_EQ(player.stops, 0);
    player.currentMode = playback::PlayerMode::Playing;
    data::zxsj2Click(ctx);
    EXPECT_EQ(player.stops, 1);
}

TEST_F(Load, SeasonCommandStoresId8AndReloadsAfterAnotherSetting) {
    data::zxsj2Click(ctx);
    ctx.state.SettingField = "id4";  // a skin change just before
    ctx.state.SettingValue = "7";
    data::button2Click(ctx);

    data::X1Click(ctx);
    EXPECT_EQ(data::settingText(ctx, data::kId8), "2");
    EXPECT_EQ(data::settingText(ctx, data::kId4), "7");
    EXPECT_EQ(ctx.Table1.TableName, "xia.dbf");
    EXPECT_TRUE(ctx.controls.X1.checked);
    EXPECT_FALSE(ctx.controls.C1.checked);
}

TEST_F(Load, ReloadDropsARowBeingEdited) {
    data::zxsj2Click(ctx);
    dbase::Table& t = ctx.Table1.table;
    t.edit();
    t.setFieldText(data::kTime, "09:09:09");
    data::C1Click(ctx);  // the season already loaded: written again and reloaded
    EXPECT_EQ(t.state(), dbase::TableState::Browse);
    EXPECT_EQ(t.fieldText(data::kTime), "07:30:00");
    EXPECT_EQ(data::settingText(ctx, data::kId8), "1");
}
