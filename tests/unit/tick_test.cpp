// The schedule tick on the core, with a fake clock and a fake player.

#include "scheduler/tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <utility>

#include "data/settings_table.h"
#include "data/timetable_load.h"
#include "scheduler/status_line.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

struct RowSpec {
    RowSpec(std::string t, std::string s, std::string f = "a.wav", std::string x = "")
        : time(std::move(t)), stop(std::move(s)), file(std::move(f)), xqjtb(std::move(x)) {}
    std::string time, stop, file, xqjtb;
};

// A program folder with a timetable of these rows, loaded, on Wednesday.
struct Day {
    Day(std::initializer_list<RowSpec> rows) {
        fs::create_directories(folder.dir() / "audio");
        fs::create_directories(folder.dir() / "d");
        std::ofstream(folder.dir() / "audio" / "a.wav") << "sound";
        std::ofstream(folder.dir() / "d" / "1.wav") << "sound";
        folder.writeSettings("1");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", {});
        {
            dbase::Table t;
            t.open(folder.dir() / "chunqiu.dbf", "CHUNQIU_ON");
            int on = 1;
            for (const RowSpec& r : rows) {
                t.append();
                t.setFieldText(data::kOn, std::to_string(on++));
                t.setFieldText(data::kTime, r.time);
                t.setFieldText(data::kShichang, r.stop);
                t.setFieldText(data::kFilename, r.file == "d/" ? folder.appDir() + "d/" : r.file);
                t.setFieldText(data::kXqjtb, r.xqjtb);
                t.post();
            }
        }
        ctx.state.AppDir = folder.appDir();
        ctx.state.TodayText = "3";
        data::openSettingsTable(ctx);
        data::zxsj2Click(ctx);
        ctx.state.ChainBroken = false;
        ctx.state.AdvanceArmed = true;
        ctx.controls.pbxt.enabled = false;  // locked: play and stop leave the controls alone
        at(10, 0, 0);
    }
    void at(int h, int m, int s) { fakes.clock.time = {2026, 12, 9, h, m, s, 3}; }
    void tick() { scheduler::Timer1Timer(ctx); }
    int currentOn() { return static_cast<int>(ctx.Table1.table.fieldInt(data::kOn)); }
    void setSetting(const std::string& field, const std::string& value) {
        ctx.state.SettingField = field;
        ctx.state.SettingValue = value;
        data::button2Click(ctx);
    }
    int powerOffs() { return static_cast<int>(fakes.system.started.size()); }
    std::string label1() { return text::utf8FromGbk(ctx.controls.Label1); }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

}  // namespace

TEST(Tick, RowDecisionTable) {
    enum Outcome { Waits, Starts, Advances, StopsAndAdvances, StopsOnly, AdvancesPlayingOn };
    struct Case {
        const char* what;
        RowSpec row;
        bool chainBroken, rowPlayed, playing, atEndOfFile;
        Outcome outcome;
    };
    const Case cases[] = {
        {"continuation after a broken chain", {"", ""}, true, false, false, false, Advances},
        {"continuation without stop, played", {"", ""}, false, true, false, false, Advances},
        {"continuation whose stop is past", {"", "09:59:59"}, false, false, false, false, StopsAndAdvances},
        {"continuation not yet played", {"", ""}, false, false, false, false, Starts},
        {"continuation before its stop", {"", "10:00:01"}, false, true, false, false, Starts},
        {"timed row waiting", {"10:00:01", ""}, false, false, false, false, Waits},
        {"timed row at its second", {"10:00:00", ""}, false, false, false, false, Starts},
        {"timed row inside its window", {"9:00:00", "11:00:00"}, false, false, false, false, Starts},
        {"timed row whose window is over", {"09:00:00", "09:30:00"}, false, false, false, false, StopsAndAdvances},
        {"timed row without stop, late", {"09:00:00", ""}, false, false, false, false, Advances},
        {"stop time not after start, at its second", {"10:00:00", "10:00:00"}, false, false, false, false,
         StopsAndAdvances},
        {"playing row at its stop time", {"09:00:00", "10:00:00"}, false, true, true, false, StopsAndAdvances},
        {"playing row at the end of its file", {"09:00:00", "11:00:00"}, false, true, true, true, StopsAndAdvances},
        {"folder row at the end of a file", {"09:00:00", "11:00:00", "d/"}, false, true, true, true, StopsOnly},
        {"suspended today, still playing", {"09:00:00", "09:30:00", "a.wav", "3"}, false, true, true, false,
         AdvancesPlayingOn},
        {"blank file name", {"10:00:00", "", "   "}, false, false, false, false, Advances},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Day day{c.row, {"23:59:00", "", "a.wav", ""}};
        auto& s = day.ctx.state;
        s.ChainBroken = c.chainBroken;
        s.RowPlayed = c.rowPlayed;
        s.RowIsDirectory = c.row.file == "d/";
        if (c.playing) {
            day.fakes.player.currentMode = playback::PlayerMode::Playing;
            s.LengthText = "3000";
            s.PositionText = c.atEndOfFile ? "3000" : "1000";
        }
        day.tick();

        const bool started = day.fakes.player.opens > 0;
        const bool stopped = s.LengthText == "aab";  // the stop command's marker
        const int on = day.currentOn();
        EXPECT_EQ(day.ctx.controls.Timer1Interval, 1000);
        switch (c.outcome) {
        case Waits: EXPECT_TRUE(!started && !stopped && on == 1) << started << stopped << on; break;
        case Starts: EXPECT_TRUE(started && !stopped && on == 1) << started << stopped << on; break;
        case Advances: EXPECT_TRUE(!started && !stopped && on == 2) << started << stopped << on; break;
        case StopsAndAdvances: EXPECT_TRUE(stopped && on == 2) << started << stopped << on; break;
        case StopsOnly: EXPECT_TRUE(stopped && on == 1) << stopped << on; break;
        case AdvancesPlayingOn:
            EXPECT_TRUE(!stopped && on == 2 && day.fakes.player.currentMode == playback::PlayerMode::Playing);
            break;
        }
    }
}

TEST(Tick, ShutdownTimesCompareWithTheClockText) {
    Day day{{"23:00:00", ""}};
    day.at(22, 30, 0);
    day.tick();  // end mode 0 and the default automatic time
    EXPECT_EQ(day.powerOffs(), 1);
    EXPECT_EQ(day.fakes.system.started[0], day.ctx.state.AppDir + "kestrin");

    day.ctx.Form4.RadioGroup1Index = 3;
    day.tick();  // other end modes leave the automatic time alone
    EXPECT_EQ(day.powerOffs(), 1);

    day.setSetting("id2", "17:30:00");
    day.setSetting("id3", "17:30:00");
    day.at(17, 30, 0);
    day.tick();  // both equal: two clicks in one tick
    EXPECT_EQ(day.powerOffs(), 3);
    day.setSetting("id2", " 7:30:00");
    day.setSetting("id3", "");
    day.at(7, 30, 0);
    day.tick();
    EXPECT_EQ(day.powerOffs(), 3);
}

TEST(Tick, EndModeZeroArmsAfterTheIdleTicksAndCountsDown) {
    Day day{{"16:00:00", ""}};
    day.ctx.state.AutoShutdownTime = "22:30:00";
    day.at(16, 2, 11);
    day.tick();  // the row is late and has no stop: the end of the list
    ASSERT_TRUE(day.ctx.Table1.table.eof());
    for (int i = 1; i <= 30; ++i) {
        day.at(16, 2, 11 + i);
        day.tick();
    }
    EXPECT_EQ(day.ctx.state.AutoShutdownTime, "16:07:41");  // armed at the 31st idle tick
    EXPECT_FALSE(day.ctx.state.ShutdownArmable);
    EXPECT_EQ(day.label1(), "  ☆ 系统将在 00:05:00 后自动关机！");
    day.at(16, 7, 40);
    day.tick();
    EXPECT_EQ(day.label1(), "  ☆ 系统将在 00:00:01 后自动关机！");
    EXPECT_EQ(day.powerOffs(), 0);
    day.at(16, 7, 41);
    day.tick();
    EXPECT_EQ(day.powerOffs(), 1);
    EXPECT_EQ(text::utf8FromGbk(day.ctx.controls.Label1).find("自动关机"), std::string::npos);  // tips again
}

TEST(Tick, EndModesQuitAndReplay) {
    Day quit{{"09:00:00", ""}};
    quit.ctx.Form4.RadioGroup1Index = 1;
    quit.ctx.state.Unlocked = false;  // locked out: no password asked all the same
    quit.tick();
    EXPECT_TRUE(quit.ctx.terminating);
    EXPECT_EQ(std::count(quit.fakes.window.calls.begin(), quit.fakes.window.calls.end(), "showPasswordDialog"), 0);

    Day replay{{"", "", "a.wav"}, {"", "", ""}};
    replay.ctx.Form4.RadioGroup1Index = 2;
    replay.ctx.state.RowPlayed = true;  // row 1 played; row 2 has no file: on to the end
    replay.tick();
    EXPECT_FALSE(replay.ctx.Table1.table.eof());
    EXPECT_EQ(replay.currentOn(), 1);  // the last row's TIME is empty: back to the first
    replay.tick();
    EXPECT_EQ(replay.fakes.player.opens, 1);  // the first row's continuation plays again

    Day timedLast{{"09:00:00", ""}};
    timedLast.ctx.Form4.RadioGroup1Index = 2;
    timedLast.tick();
    EXPECT_TRUE(timedLast.ctx.Table1.table.eof());
}

TEST(Tick, StatusLineWhilePlaying) {
    Day day{{"10:00:00", "11:00:00"}};
    day.fakes.player.fileLength = 183000;
    day.tick();  // starts the row
    ASSERT_EQ(day.fakes.player.opens, 1);
    for (int second = 1; second <= 3; ++second) {
        day.fakes.player.currentPosition = 1000 * second;
        day.at(10, 0, second);
        day.tick();
    }
    EXPECT_EQ(day.label1(), "正在播放：" + text::utf8FromGbk(day.ctx.state.MediaPath) +
                                "  长度大约：0:03:03  已完成：1％");
    day.ctx.state.LengthText = "2000";
    day.fakes.player.currentPosition = 1999;
    day.tick();
    EXPECT_EQ(day.ctx.state.PercentText, "99");  // truncated
}

TEST(Tick, ZeroLengthOrStillPositionDoesNotStopTheDay) {
    for (long long length : {5000LL, 0LL}) {
        Day day{{"10:00:00", "11:00:00"}};
        day.fakes.player.fileLength = length;  // the position stays at 0
        for (int second = 0; second < 4; ++second) {
            day.at(10, 0, second);
            day.tick();
        }
        EXPECT_EQ(day.ctx.controls.Timer1Interval, 1000) << length;
        if (length > 0) {
            EXPECT_EQ(day.ctx.state.PercentText, "0");
            EXPECT_EQ(day.ctx.state.EstimatedLengthText, "0:00:00");
        }
    }
}

TEST(Tick, TipsCycleOverEightyOneIdleTicks) {
    Day day{{"23:00:00", ""}};
    day.ctx.Form4.RadioGroup1Index = 3;
    std::vector<int> shown(16, 0);
    for (int i = 0; i < 81; ++i) {
        day.tick();
        const auto& tips = day.ctx.state.Tips;
        const int slot = static_cast<int>(std::find(tips.begin(), tips.end(), day.ctx.controls.Label1) - tips.begin());
        ++shown[slot];
    }
    EXPECT_EQ(shown, (std::vector<int>{9, 10, 10, 10, 10, 10, 10, 10, 2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(day.ctx.state.TipTick, 0);
}

TEST(Tick, AFailureStopsTheTimer) {
    Day day{{"23:00:00", ""}};
    day.ctx.Table1.table.close();
    day.tick();
    EXPECT_EQ(day.ctx.controls.Timer1Interval, 0);
}

TEST(Tick, MissingFileMessageDoesNotPileUpWhileTicksGoOn) {
    Day day{{"09:00:00", "11:00:00", "gone.wav"}, {"09:30:00", "11:00:00"}, {"23:00:00", ""}};
    int nested = 0;
    day.fakes.messages.whileShown = [&] {
        // The modal box keeps the event loop running: three more ticks.
        for (int i = 1; i <= 3 && nested < 3; ++i) {
            ++nested;
            day.at(10, 0, i);
            day.tick();
        }
    };
    day.tick();
    EXPECT_EQ(day.fakes.messages.shown.size(), 1u);
    // One advance for the one box: on to row 2, which plays; row 3 is not skipped.
    EXPECT_EQ(day.currentOn(), 2);
}
