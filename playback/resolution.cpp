#include "playback/resolution.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "data/table_layouts.h"
#include "platform/files/fs_path.h"
#include "platform/text/gbk.h"
#include "scheduler/advance.h"

namespace playback {
namespace {

bool contains(std::string_view s, std::string_view part) {
    return !part.empty() && s.find(part) != std::string_view::npos;
}
bool containsSeparator(std::string_view s) { return std::any_of(s.begin(), s.end(), scheduler::isSeparator); }

// Lists the folder again when the row names another folder, then picks
// the entry to play. An empty playlist picks nothing: MediaPath becomes the
// folder itself, which is no file, so the find reports the folder missing.
void pickFromFolder(shell::MainContext& ctx) {
    auto& s = ctx.state;
    auto& list = ctx.controls.ListBox1.items;
    if (s.RowFileName != s.ListedDir) {
        list.clear();
        s.SearchAttr = 0x64;
        list = listFolderFiles(s.RowFileName);
        s.ListedDir = s.RowFileName;
        s.PlaylistCursor = 0;
    }
    const int count = static_cast<int>(list.size());
    if (count == 0) {
        s.MediaPath = s.RowFileName;
        return;
    }
    if (ctx.Form4.RadioGroup9Index != 0) {
        s.PlaylistCursor = randomPick(ctx.randomState, count);
        s.MediaPath = s.RowFileName + list[s.PlaylistCursor];
    } else {
        s.MediaPath = s.RowFileName + list[s.PlaylistCursor];
        s.PlaylistCursor = s.PlaylistCursor + 1;
        if (s.PlaylistCursor > count - 1) s.PlaylistCursor = 0;
    }
}

// The message is modal and ticks go on while it is open: every tick would
// try the row again and open one more box, and closing each would advance
// once more, skipping rows that were never late. So one box per row at a
// time, and the advance only if that row is still the current one.
void reportMissing(shell::MainContext& ctx) {
    dbase::Table& t = ctx.Table1.table;
    const int record = t.recordNumber();
    if (record != 0 && record == ctx.missingFileMessageRecord) return;
    const int outer = ctx.missingFileMessageRecord;
    ctx.missingFileMessageRecord = record;
    ctx.messages.information(text::gbk("文件 ") + ctx.state.MediaPath + text::gbk(" 未找到！"));
    ctx.missingFileMessageRecord = outer;
    if (t.active() && t.recordNumber() == record) scheduler::tab2Click(ctx);
}

}  // namespace

int randomPick(std::uint32_t& state, int count) {
    state = state * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(state) * static_cast<std::uint64_t>(count)) >> 32);
}

std::vector<std::string> listFolderFiles(const std::string& gbkFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(files::toFsPath(gbkFolder), ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name[0] == '.' || it->is_directory(typeError)) continue;
        try {
            names.push_back(text::gbkFromUtf8(name));
        } catch (const text::ConversionError&) {
            // A name that is not UTF-8 cannot be stored in a GBK path.
        }
    }
    return names;
}

void ToolButton24Click(shell::MainContext& ctx) {
    auto& s = ctx.state;
    dbase::Table& t = ctx.Table1.table;
    s.PlaysToday = !contains(t.fieldText(data::kXqjtb), s.TodayText);
    s.RowFileName = t.fieldText(data::kFilename);
    const bool hasDot = contains(s.RowFileName, ".");
    if (hasDot && containsSeparator(s.RowFileName)) s.MediaPath = s.RowFileName;
    if (hasDot && !containsSeparator(s.RowFileName)) s.MediaPath = s.AppDir + "audio/" + s.RowFileName;
    s.RowIsDirectory = !s.RowFileName.empty() && scheduler::isSeparator(s.RowFileName.back());
    if (s.RowIsDirectory) pickFromFolder(ctx);

    if (files::fileExists(s.MediaPath)) {
        s.MediaFound = true;
        if (!s.QuietFind) {
            std::string message = text::gbk("文件 ") + s.MediaPath + text::gbk(" 存在！");
            if (!s.PlaysToday) message += text::gbk("\r\r但该项今日停播！");
            ctx.messages.information(message);
        }
    } else {
        s.MediaFound = false;
        reportMissing(ctx);
    }
    s.QuietFind = false;
}

}  // namespace playback
