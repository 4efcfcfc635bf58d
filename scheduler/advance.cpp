#include "scheduler/advance.h"

#include <algorithm>

#include "data/table_layouts.h"
#include "platform/text/trim.h"
#include "scheduler/time_text.h"

namespace scheduler {
namespace {

bool contains(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }
bool containsText(std::string_view s, std::string_view part) {
    return !part.empty() && s.find(part) != std::string_view::npos;
}
bool containsSeparator(std::string_view s) { return std::any_of(s.begin(), s.end(), isSeparator); }

// One step of the chain: moves to the next row and derives its texts.
// Returns whether the row reached is to be passed over too.
bool advanceOneRow(shell::MainContext& ctx) {
    BroadcastState& s = ctx.state;
    dbase::Table& t = ctx.Table1.table;
    t.next();
    s.AdvanceRequested = true;
    s.RowPlayed = false;

    s.StartTimeText = normaliseTime(t.fieldText(data::kTime));
    s.NowText = normaliseTime(s.ClockText);
    s.StopTimeText = normaliseTime(t.fieldText(data::kShichang));
    const std::string rawFileName = t.fieldText(data::kFilename);
    s.RowFileName = std::string(text::trimBlanks(rawFileName));

    if (compareTimeTexts(s.StopTimeText, s.NowText) > 0) s.ChainBroken = false;
    if (s.StartTimeText.empty()) {
        if (!s.ChainBroken) s.AdvanceRequested = false;
    } else if (compareTimeTexts(s.StartTimeText, s.NowText) >= 0 ||
               compareTimeTexts(s.StopTimeText, s.NowText) > 0) {
        s.AdvanceRequested = false;
        s.ChainBroken = false;
    } else {
        s.ChainBroken = true;
    }

    s.RowIsDirectory = !s.RowFileName.empty() && isSeparator(s.RowFileName.back());
    if (s.RowFileName.empty()) s.AdvanceRequested = true;
    if (contains(s.RowFileName, '.')) {
        s.MediaPath = containsSeparator(s.RowFileName) ? s.RowFileName : s.AppDir + "audio/" + rawFileName;
    }
    return containsText(t.fieldText(data::kXqjtb), s.TodayText) || s.AdvanceRequested;
}

}  // namespace

void tab2Click(shell::MainContext& ctx) {
    // The chain of rows passed over is a loop here; each row still gets
    // every step, including the last row once more at the end of the table.
    if (ctx.state.AdvanceArmed) {
        while (!ctx.Table1.table.eof() && advanceOneRow(ctx)) {
        }
    }
    ctx.state.AdvanceArmed = true;
}

}  // namespace scheduler
