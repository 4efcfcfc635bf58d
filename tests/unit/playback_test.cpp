// Resolution, playlists, play and stop, MP3 tags and the video window,
// with the fake player.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "data/settings_table.h"
#include "data/timetable_load.h"
#include "operator/lock.h"
#include "operator/modes.h"
#include "playback/mp3_tag.h"
#include "playback/play_stop.h"
#include "playback/resolution.h"
#include "playback/video_window.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

void touch(const fs::path& file, const std::string& bytes = "x") {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

class Playback : public ::testing::Test {
protected:
    // A timetable of one row per FILENAME, all due later today.
    void load(const std::vector<std::string>& fileNames, const std::vector<std::string>& vols = {}) {
        std::vector<Row> rows;
        for (size_t i = 0; i < fileNames.size(); ++i) rows.emplace_back(static_cast<int>(i + 1), "23:00:00", fileNames[i]);
        folder.writeSettings("1");
        folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON", rows);
        if (!vols.empty()) {
            dbase::Table t;
            t.open(folder.dir() / "chunqiu.dbf", "CHUNQIU_ON");
            for (const std::string& v : vols) {
                t.edit();
                t.setFieldText(data::kVol, v);
                t.post();
                t.next();
            }
        }
        ctx.state.AppDir = folder.appDir();
        ctx.state.TodayText = "1";
        ctx.state.AdvanceArmed = true;
        data::openSettingsTable(ctx);
        data::zxsj2Click(ctx);
    }
    void find() { playback::ToolButton24Click(ctx); }
    std::string path(const std::string& rel) { return folder.appDir() + rel; }
    std::vector<std::string>& messages() { return fakes.messages.shown; }

    TempProgramFolder folder;
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
};

TEST_F(Playback, ThreeShapesOfFileName) {
    touch(folder.dir() / "audio" / "song.mp3");
    touch(folder.dir() / "d" / "b.wav");
    load({"song.mp3", path("d/b.wav"), path("d\\b.wav"), path("d/")});
    find();
    EXPECT_EQ(ctx.state.MediaPath, path("audio/song.mp3"));
    EXPECT_TRUE(ctx.state.MediaFound);
    EXPECT_EQ(messages().back(), "文件 " + text::utf8FromGbk(path("audio/song.mp3")) + " 存在！");
    ctx.Table1.table.next();
    find();
    EXPECT_EQ(ctx.state.MediaPath, path("d/b.wav"));
    EXPECT_FALSE(ctx.state.RowIsDirectory);
    ctx.Table1.table.next();
    find();  // a stored "\" reaches the same file
    EXPECT_TRUE(ctx.state.MediaFound);
    ctx.Table1.table.next();
    find();
    EXPECT_TRUE(ctx.state.RowIsDirectory);
    EXPECT_EQ(ctx.state.MediaPath, path("d/b.wav"));
    EXPECT_FALSE(ctx.state.QuietFind);
}

TEST_F(Playback, SuspendedRowStillFoundWithTwoLineMessage) {
    touch(folder.dir() / "audio" / "bell.wav");
    load({"bell.wav"});
    ctx.state.TodayText = "6";
    dbase::Table& t = ctx.Table1.table;
    t.edit();
    t.setFieldText(data::kXqjtb, "67");
    t.post();
    find();
    EXPECT_TRUE(ctx.state.MediaFound);
    EXPECT_FALSE(ctx.state.PlaysToday);
    EXPECT_EQ(messages().back(), "文件 " + text::utf8FromGbk(path("audio/bell.wav")) + " 存在！\r\r但该项今日停播！");
}

TEST_F(Playback, MissingFileIsReportedEvenQuietlyAndAdvances) {
    touch(folder.dir() / "audio" / "bell.wav");
    load({"gone.wav", "bell.wav"});
    ctx.state.QuietFind = true;
    find();
    EXPECT_FALSE(ctx.state.MediaFound);
    EXPECT_EQ(messages().back(), "文件 " + text::utf8FromGbk(path("audio/gone.wav")) + " 未找到！");
    EXPECT_EQ(ctx.Table1.table.fieldInt(data::kOn), 2);  // the advance moved on
    EXPECT_EQ(ctx.state.MediaPath, path("audio/bell.wav"));
}

TEST_F(Playback, SequentialAndRandomPicksFromAFolder) {
    const fs::path dir = folder.dir() / "music";
    for (const char* name : {"x.mp3", "y.mp3", "z.mp3", ".hidden.mp3"}) touch(dir / name);
    fs::create_directories(dir / "sub");
    load({path("music/")});
    ctx.state.QuietFind = true;
    const auto listed = playback::listFolderFiles(path("music/"));
    ASSERT_EQ(listed.size(), 3u);  // hidden files and folders are never listed

    std::vector<std::string> picks;
    for (int i = 0; i < 4; ++i) {
        find();
        picks.push_back(ctx.state.MediaPath.substr(path("music/").size()));
    }
    EXPECT_EQ(picks, (std::vector<std::string>{listed[0], listed[1], listed[2], listed[0]}));

    ctx.Form4.RadioGroup9Index = 1;
    find();  // the first random pick after a start is entry 0
    EXPECT_EQ(ctx.state.MediaPath, path("music/") + listed[0]);
    std::uint32_t state = 1;
    const int second = playback::randomPick(state, 3);
    find();
    EXPECT_EQ(ctx.state.MediaPath, path("music/") + listed[second]);
    EXPECT_EQ(ctx.state.PlaylistCursor, second);
    ctx.Form4.RadioGroup9Index = 0;
    find();  // sequential goes on from the random pick
    EXPECT_EQ(ctx.state.MediaPath, path("music/") + listed[second]);
}

TEST_F(Playback, RandomPickIsARepeatableGenerator) {
    std::uint32_t a = 0, b = 0;
    for (int i = 0; i < 50; ++i) {
        const int pick = playback::randomPick(a, 7);
        EXPECT_EQ(pick, playback::randomPick(b, 7));
        EXPECT_GE(pick, 0);
        EXPECT_LT(pick, 7);
    }
    std::uint32_t fresh = 0;
    EXPECT_EQ(playback::randomPick(fresh, 1000), 0);
    EXPECT_EQ(fresh, 1u);
    EXPECT_EQ(playback::randomPick(fresh, 1 << 30), static_cast<int>(134775814u >> 2));
}

TEST_F(Playback, EmptyFolderPicksNothingAndNamesTheFolder) {
    fs::create_directories(folder.dir() / "empty");
    load({path("empty/")});
    ctx.state.QuietFind = true;
    find();
    EXPECT_FALSE(ctx.state.MediaFound);
    EXPECT_EQ(messages().back(), "文件 " + text::utf8FromGbk(path("empty/")) + " 未找到！");
}

TEST(Mp3Tag, ReadsOnlyAVersionOneBlockAtTheEnd) {
    TempProgramFolder folder;
    auto block = [](const std::string& title, const std::string& artist, const std::string& album) {
        std::string b = "TAG";
        for (const std::string* f : {&title, &artist, &album}) {
            std::string field = *f;
            field.resize(30, '\0');
            b += field;
        }
        b.resize(128, '\0');
        return b;
    };
    struct Case {
        const char* name;
        std::string bytes;
        bool found;
        std::string title;  // expected NowPlayingTitle; "" + path when not found
        std::string tagLine;
    };
    const std::string audio(500, '\xff');
    const std::string gbkTitle = text::gbkFromUtf8("起床铃");
    const std::string full30(30, 'A');
    std::string cutInHalf = std::string(29, 'b') + "\xc6";  // half a GBK character at the end
    const Case cases[] = {
        {"tagged.mp3", audio + block(gbkTitle + "   ", "Singer", std::string("Album\0junk", 10)), true, gbkTitle,
         text::gbk("歌星：") + "Singer" + text::gbk("   专辑：") + "Album"},
        {"empty-fields.mp3", audio + block("", "", ""), true, "", text::gbk("歌星：") + text::gbk("   专辑：")},
        {"full.mp3", audio + block(full30, cutInHalf, ""), true, full30,
         text::gbk("歌星：") + cutInHalf + text::gbk("   专辑：")},
        {"exactly128.mp3", block("t", "a", "b"), false, "", ""},
        {"tax.mp3", audio + "TAX" + block("t", "a", "b").substr(3), false, "", ""},
        {"front-only.mp3", block("t", "a", "b") + audio, false, "", ""},
    };
    for (const Case& c : cases) {
        touch(folder.dir() / c.name, c.bytes);
        FakePorts fakes;
        shell::MainContext ctx{fakes.ports()};
        ctx.state.MediaPath = folder.appDir() + c.name;
        ctx.state.TagLine = "left over";
        playback::mpClick(ctx);
        EXPECT_EQ(ctx.state.NowPlayingTitle, c.found ? c.title : ctx.state.MediaPath) << c.name;
        EXPECT_EQ(ctx.state.TagLine, c.tagLine) << c.name;
    }
    playback::TagBlock untouched{};
    untouched[0] = 'q';
    EXPECT_FALSE(playback::ReadMp3Tag("", untouched));
    EXPECT_EQ(untouched[0], 'q');
    EXPECT_THROW(playback::ReadMp3Tag(folder.appDir() + "missing.mp3", untouched), playback::TagReadError);
}

TEST(PlayRules, VolumeExtensionAndTitle) {
    const std::pair<std::string, int> volumes[] = {{"50", 50}, {"255", 255}, {"1", 1}, {"0", 200}, {"256", 200},
                                                   {"", 200},  {"5a", 200},  {"-5", 200}, {"1000", 200}};
    for (const auto& [vol, expected] : volumes) EXPECT_EQ(playback::rowVolume(true, vol), expected) << vol;
    EXPECT_EQ(playback::rowVolume(false, "50"), 200);

    EXPECT_EQ(playback::upperExtension("D:\\v\\clip.avi"), ".AVI");
    EXPECT_EQ(playback::upperExtension("/v/clip.Mpg"), ".MPG");
    EXPECT_EQ(playback::upperExtension("/v.d/clip"), "");
    EXPECT_EQ(playback::upperExtension("clip.mpeg"), ".MPEG");

    const std::string longTitle = "/srv/broadcast/very/long/folder/name/for/music/song.mp3";
    EXPECT_EQ(playback::shortenTitle(longTitle, longTitle), longTitle.substr(0, 23) + "...\\song.mp3");
    EXPECT_EQ(playback::shortenTitle("short", "/x/short"), "short");
    const std::string gbk = std::string(22, 'a') + text::gbkFromUtf8("广播") + std::string(20, 'b');
    EXPECT_EQ(playback::shortenTitle(gbk, "/x/y.wav").substr(0, 26), std::string(22, 'a') + "...\\");
}

TEST(VideoWindow, HeightFollowsWidth) {
    FakePorts fakes;
    shell::MainContext ctx{fakes.ports()};
    EXPECT_EQ(ctx.Form6.VideoAspect, 1383);
    for (auto [width, height] : {std::pair{476, 344}, {800, 578}, {300, 216}, {1024, 740}}) {
        ctx.Form6.outerWidth = width;
        ctx.Form6.outerHeight = 100;
        playback::sizClick(ctx);
        EXPECT_EQ(ctx.Form6.outerHeight, height) << width;
    }
}

class Play : public Playback {
protected:
    void SetUp() override {
        for (const char* name : {"a.wav", "b.wav", "clip.AVI", "clip.mpeg", "song.mp3"}) touch(folder.dir() / "audio" / name);
        load({"a.wav", "b.wav", "clip.AVI", "clip.mpeg", "song.mp3", "gone.wav"}, {"50", "50", "", "256", "255", ""});
        ctx.state.Unlocked = true;
        ctx.controls.pbxt.enabled = true;  // unlocked
    }
    void play() { playback::ToolButton17Click(ctx); }
    void stop() { playback::ToolButton18Click(ctx); }
    void row(int on) {
        for (ctx.Table1.table.first(); ctx.Table1.table.fieldInt(data::kOn) != on;) ctx.Table1.table.next();
    }
    // Which of the play-related controls are enabled, by name.
    std::string enabled() {
        const auto& c = ctx.controls;
        std::string out;
        const std::pair<const char*, const shell::Control*> items[] = {
            {"ToolButton18", &c.ToolButton18}, {"ToolButton17", &c.ToolButton17}, {"P1", &c.P1},
            {"S2", &c.S2}, {"ToolButton9", &c.ToolButton9}, {"ToolButton10", &c.ToolButton10},
            {"ToolButton15", &c.ToolButton15}, {"rec3", &c.rec3}, {"Rec2", &c.Rec2}, {"T1", &c.T1},
            {"biaocz", &c.biaocz}};
        for (auto [name, control] : items) {
            if (control->enabled) out += std::string(out.empty() ? "" : " ") + name;
        }
        return out;
    }
};

TEST_F(Play, StartsTheRowAtItsVolumeAndStopsWithMarkers) {
    play();
    EXPECT_EQ(fakes.player.opened, path("audio/a.wav"));
    EXPECT_EQ(fakes.player.currentMode, playback::PlayerMode::Playing);
    EXPECT_EQ(fakes.player.volumes, (std::vector<std::pair<unsigned, unsigned>>{{50u * 256, 50u * 256}}));
    EXPECT_TRUE(ctx.state.RowPlayed);
    EXPECT_EQ(ctx.state.SampleCount, 1);
    EXPECT_EQ(ctx.state.LengthText, "3000");
    EXPECT_EQ(ctx.state.NowPlayingTitle, path("audio/a.wav"));
    EXPECT_TRUE(messages().empty());  // a quiet find

    stop();
    EXPECT_EQ(ctx.state.PositionText, "stop");
    EXPECT_EQ(ctx.state.LengthText, "aab");
    EXPECT_FALSE(ctx.state.Playing);
    EXPECT_EQ(fakes.player.stops, 1);

    row(2);  // the same volume again: the slider does not move, no volume call
    play();
    EXPECT_EQ(fakes.player.volumes.size(), 1u);
    stop();
    stop();  // stop while nothing plays does not call the player
    EXPECT_EQ(fakes.player.stops, 2);
}

TEST_F(Play, VideoOpensTheVideoWindowOnlyForItsExtensions) {
    row(3);
    play();
    EXPECT_TRUE(ctx.Form6.visible);
    EXPECT_EQ(text::utf8FromGbk(ctx.Form6.Caption), "视频播放 " + text::utf8FromGbk(path("audio/clip.AVI")));
    ASSERT_EQ(fakes.player.displayRects.size(), 1u);
    EXPECT_EQ(fakes.player.displayRects[0].width, ctx.Form6.clientWidth);
    EXPECT_EQ(fakes.player.volumes.back().first, 200u * 256);  // empty VOL
    stop();
    EXPECT_FALSE(ctx.Form6.visible);
    row(4);
    play();  // .mpeg is sound
    EXPECT_FALSE(ctx.Form6.visible);
    EXPECT_EQ(fakes.player.volumes.back().first, 200u * 256);  // VOL 256 is out of range
}

TEST_F(Play, Mp3TitleComesFromTheTagReader) {
    row(5);
    play();
    EXPECT_EQ(ctx.state.NowPlayingTitle, path("audio/song.mp3"));  // no tag: the path
    EXPECT_TRUE(ctx.state.TagLine.empty());
    EXPECT_EQ(fakes.player.volumes.back().first, 255u * 256);
}

TEST_F(Play, MissingFileAdvancesAndANewRowThatFailsToOpenPlaysNothing) {
    row(6);
    ctx.state.RowPlayed = false;
    play();  // gone.wav: reported, the advance reaches the end of the table
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(fakes.player.currentMode, playback::PlayerMode::Playing);
    EXPECT_FALSE(ctx.state.RowPlayed);
    EXPECT_EQ(fakes.player.volumes.back().first, 200u * 256);
}

TEST_F(Play, ControlsFollowTheModeOnlyWhileUnlocked) {
    operation::ZTBCClick(ctx);  // manual
    play();
    EXPECT_EQ(enabled(), "ToolButton18 S2");
    stop();
    EXPECT_EQ(enabled(), "ToolButton17 P1 ToolButton9 ToolButton10 ToolButton15 rec3 Rec2 T1 biaocz");

    operation::JXBCClick(ctx);  // automatic: the stop button stays off but S2 is on
    play();
    EXPECT_EQ(enabled(), "S2");
    stop();
    EXPECT_EQ(enabled(), "T1");

    operation::pbxtClick(ctx);  // locked: nothing changes
    const std::string before = enabled();
    play();
    EXPECT_EQ(enabled(), before);
    stop();
    EXPECT_EQ(enabled(), before);
}

TEST_F(Play, DoubleClickOnThePlaylistPlaysTheFolderSNextFile) {
    const fs::path dir = folder.dir() / "list";
    for (const char* name : {"1.wav", "2.wav"}) touch(dir / name);
    dbase::Table& t = ctx.Table1.table;
    t.edit();
    t.setFieldText(data::kFilename, path("list/"));
    t.post();
    row(1);
    play();
    EXPECT_TRUE(ctx.controls.ListBox1.visible);
    const std::string first = fakes.player.opened;
    playback::ListBox1DblClick(ctx);
    EXPECT_NE(fakes.player.opened, first);
    EXPECT_EQ(fakes.player.opens, 2);
    EXPECT_TRUE(ctx.controls.ListBox1.visible);
}
