// The row advance over a small timetable, as a table of day situations.

#include "scheduler/advance.h"

#include <gtest/gtest.h>

#include "data/settings_table.h"
#include "data/timetable_load.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;

class Advance : public ::testing::Test {
protected:
    void load(const std::vector<Row>& rows, std::vector<std::string> suspended = {}) {
        folder.writeSettings("2");
        folder.writeTimetable("xia.dbf", "XIA_ON", rows);
        if (!suspended.empty()) {
            dbase::Table t;
            t.open(folder.dir() / "xia.dbf", "XIA_ON");
            for (const std::string& days : suspended) {
                t.edit();
                t.setFieldText(data::kXqjtb, days);
                t.post();
                t.next();
            }
        }
        ctx.state.AppDir = folder.appDir();
        data::openSettingsTable(ctx);
        data::zxsj2Click(ctx);
        ctx.state.TodayText = "3";
    }
    int currentOn() { return static_cast<int>(ctx.Table1.table.fieldInt(data::kOn)); }
    void advanceAt(const char* clock) {
        ctx.state.ClockText = clock;
        scheduler::tab2Click(ctx);
    }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Advance, FirstCallOnlyArms) {
    load({{1, "07:00:00"}, {2, "08:00:00"}});
    advanceAt("12:00:00");
    EXPECT_TRUE(ctx.state.AdvanceArmed);
    EXPECT_EQ(currentOn(), 1);
}

TEST_F(Advance, PassesOverRowsWhoseWindowIsOverAndTheirContinuations) {
    load({{1, "07:00:00"}, {2, "07:30:00"}, {3, ""}, {4, "", "bell.wav", "09:00:00"}, {5, "10:00:00"}});
    ctx.state.AdvanceArmed = true;
    ctx.state.ChainBroken = false;
    advanceAt("08:00:00");  // row 2 is over, so is its continuation 3; row 4's stop is ahead
    EXPECT_EQ(currentOn(), 4);
    EXPECT_FALSE(ctx.state.ChainBroken);
    EXPECT_FALSE(ctx.state.AdvanceRequested);
    EXPECT_EQ(ctx.state.StopTimeText, "09:00:00");
}

TEST_F(Advance, AcceptsWaitingRowsAndRowsInsideTheirWindow) {
    load({{1, "07:00:00"}, {2, "7:55:00", "bell.wav", "08:30:00"}, {3, "09:00:00"}});
    ctx.state.AdvanceArmed = true;
    advanceAt("08:00:00");
    EXPECT_EQ(currentOn(), 2);  // inside its window
    EXPECT_EQ(ctx.state.StartTimeText, "07:55:00");
    advanceAt("08:00:00");
    EXPECT_EQ(currentOn(), 3);  // waiting
}

TEST_F(Advance, SuspendedRowsAndRowsWithoutFileAreRunThroughToTheEnd) {
    load({{1, "07:00:00"}, {2, "09:00:00"}, {3, "10:00:00", "   "}, {4, "11:00:00"}}, {"", "135", "", "3"});
    ctx.state.AdvanceArmed = true;
    advanceAt("08:00:00");
    EXPECT_TRUE(ctx.Table1.table.eof());
    EXPECT_EQ(currentOn(), 4);  // the texts describe the last row
    EXPECT_EQ(ctx.state.StartTimeText, "11:00:00");
    advanceAt("08:00:00");  // at the end nothing moves
    EXPECT_EQ(currentOn(), 4);
}

TEST_F(Advance, DerivesFilePathAndFolderFlag) {
    load({{1, "07:00:00"}, {2, "09:00:00", "bell.wav"}, {3, "10:00:00", "D:\\music\\"},
          {4, "11:00:00", "/srv/sounds/a.mp3"}, {5, "12:00:00", "noextension"}});
    ctx.state.AdvanceArmed = true;
    ctx.state.ClockText = "08:00:00";
    scheduler::tab2Click(ctx);
    EXPECT_EQ(ctx.state.MediaPath, ctx.state.AppDir + "audio/bell.wav");
    scheduler::tab2Click(ctx);
    EXPECT_TRUE(ctx.state.RowIsDirectory);
    EXPECT_EQ(ctx.state.MediaPath, ctx.state.AppDir + "audio/bell.wav");  // a folder without "." keeps it
    scheduler::tab2Click(ctx);
    EXPECT_FALSE(ctx.state.RowIsDirectory);
    EXPECT_EQ(ctx.state.MediaPath, "/srv/sounds/a.mp3");
    scheduler::tab2Click(ctx);
    EXPECT_EQ(ctx.state.MediaPath, "/srv/sounds/a.mp3");
    EXPECT_FALSE(ctx.state.RowPlayed);
}
