// The settings record: reads by position, writes by name, refusals.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/settings_table.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;

class Settings : public ::testing::Test {
protected:
    void open() {
        ctx.state.AppDir = folder.appDir();
        data::openSettingsTable(ctx);
    }
    void write(const std::string& field, const std::string& value) {
        ctx.state.SettingField = field;
        ctx.state.SettingValue = value;
        data::button2Click(ctx);
    }

    TempProgramFolder folder;
    FakePorts fakes;
    RecordingMessages& messages = fakes.messages;
    FakePlayer& player = fakes.player;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Settings, WritesByNameAndKeepsOtherFields) {
    folder.writeSettings("1", "secret");
    open();
    write("id2", "07:30:00");
    write("ID6", "1");  // names compare without case
    ctx.Table2.table.close();
    open();
    EXPECT_EQ(data::settingText(ctx, data::kId2), "07:30:00");
    EXPECT_EQ(data::settingInt(ctx, data::kId6), 1);
    EXPECT_EQ(data::settingText(ctx, data::kKey), "secret");
    EXPECT_EQ(data::settingText(ctx, data::kId8), "1");
}

TEST_F(Settings, OnlyTheFirstRecordIsReadAndWritten) {
    folder.writeSettings("3", "1234", 2);
    open();
    write("id8", "2");
    dbase::Table& t = ctx.Table2.table;
    t.next();
    EXPECT_EQ(t.fieldText(data::kId8), "3");
    EXPECT_EQ(data::settingText(ctx, data::kId8), "2");
}

TEST_F(Settings, RefusedWritesChangeNothing) {
    folder.writeSettings("1");
    open();
    const auto file = folder.dir() / "system.dbf";
    const std::string before = fileBytes(file);

    const std::string tooLong(data::kPasswordWidth + 1, 'x');
    EXPECT_THROW(data::writePassword(ctx, tooLong), dbase::Error);
    EXPECT_THROW(write("id9", "1"), dbase::Error);          // no such field
    EXPECT_THROW(write("id2", "07:30:00x"), dbase::Error);  // wider than the field
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(ctx.Table2.table.state(), dbase::TableState::Browse);
    EXPECT_EQ(data::settingText(ctx, data::kKey), "1234");

    data::writePassword(ctx, std::string(data::kPasswordWidth, 'p'));  // the longest that fits
    EXPECT_EQ(data::settingText(ctx, data::kKey), std::string(data::kPasswordWidth, 'p'));
}

TEST_F(Settings, ReadOnlyFileFailsWithItsNameAndLosesNothing) {
    folder.writeSettings("1");
    open();
    const auto file = folder.dir() / "system.dbf";
    const std::string before = fileBytes(file);
    chmod(file.c_str(), 0444);
    try {
        write("id8", "2");
        FAIL() << "write to a read-only table succeeded";
    } catch (const dbase::Error& e) {
        EXPECT_NE(std::string(e.what()).find("system.dbf"), std::string::npos) << e.what();
    }
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(data::settingText(ctx, data::kId8), "1");
}

TEST_F(Settings, NonIntegerCodeIsAnError) {
    folder.writeSettings("1");
    open();
    write("id4", "ab");
    EXPECT_THROW(data::settingInt(ctx, data::kId4), dbase::Error);
}
