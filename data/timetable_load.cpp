#include "data/timetable_load.h"

#include "data/season_choice.h"
#include "data/settings_table.h"
#include "data/table_layouts.h"
#include "platform/files/fs_path.h"
#include "platform/text/gbk.h"
#include "platform/text/trim.h"
#include "scheduler/time_text.h"
#include "shell/tray.h"

namespace data {
namespace {

bool failsTimeCheck(std::string_view raw) {
    const std::string_view t = text::trimBlanks(raw);
    return t.find(':') != std::string_view::npos && !scheduler::readsAsTimeOfDay(t);
}

void stopPlayerAndClose(shell::MainContext& ctx) {
    try {
        if (ctx.MediaPlayer1.mode() == playback::PlayerMode::Playing) ctx.MediaPlayer1.stop();
    } catch (...) {
    }
    try {
        ctx.Table1.table.close();
    } catch (...) {
    }
}

void runSeasonCommand(shell::MainContext& ctx, const Season& season) {
    checkSeasonItem(ctx.controls, season.item);
    ctx.state.SettingField = "id8";
    ctx.state.SettingValue = season.id8Value;
    button2Click(ctx);
    zxsj2Click(ctx);
}

}  // namespace

bool findBadTimeRow(dbase::Table& t) {
    for (t.first(); !t.eof(); t.next()) {
        if (failsTimeCheck(t.fieldText(kTime)) || failsTimeCheck(t.fieldText(kShichang))) return true;
    }
    return false;
}

void zxsj2Click(shell::MainContext& ctx) {
    ctx.state.RowPlayed = false;
    ctx.state.ChainBroken = true;
    stopPlayerAndClose(ctx);

    shell::TableComponent& t1 = ctx.Table1;
    try {
        if (auto season = chooseSeason(settingText(ctx, kId8))) {
            t1.TableName = season->tableName;
            t1.IndexName = season->tagName;
            checkSeasonItem(ctx.controls, season->item);
        }
        if (t1.TableName.empty()) return;  // nothing chosen yet: no table to open
        const std::string gbkPath = ctx.state.AppDir + t1.TableName;
        if (!files::fileExists(gbkPath)) {
            // The schedule cannot run without its table; say which file is
            // missing rather than leave the operator with an empty grid.
            ctx.messages.information(text::gbk("作息时间表文件 ") + gbkPath + text::gbk(" 不存在！"));
            return;
        }
        t1.table.open(files::toFsPath(gbkPath), t1.IndexName);
        restrictSequenceNumber(t1.table);
        if (findBadTimeRow(t1.table)) {
            ctx.messages.information(text::gbk("时间格式错误！\r\r应为英文半角符号（hh:mm:ss）！ "));
            return;
        }
        t1.table.first();
    } catch (const std::exception&) {
        ctx.messages.information(text::gbk("作息时间表初始化错误！\r\r文件 ") + t1.TableName +
                                 text::gbk(" 未找到！"));
        ctx.state.Unlocked = true;
        shell::Q1Click(ctx);
    }
}

void C1Click(shell::MainContext& ctx) { runSeasonCommand(ctx, kSeasons[0]); }
void X1Click(shell::MainContext& ctx) { runSeasonCommand(ctx, kSeasons[1]); }
void D1Click(shell::MainContext& ctx) { runSeasonCommand(ctx, kSeasons[2]); }
void T2Click(shell::MainContext& ctx) { runSeasonCommand(ctx, kSeasons[3]); }

}  // namespace data
