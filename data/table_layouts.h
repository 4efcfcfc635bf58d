#pragma once
// The layouts of the settings table and the season timetables, as the
// program creates them.

#include "data/dbase/table.h"

namespace data {

// Field positions of the settings record, read by position.
enum SettingPosition { kKey = 0, kId1, kId2, kId3, kId4, kId5, kId6, kId7, kId8 };

// Field positions of a timetable row.
enum RowPosition { kOn = 0, kTime, kXiangmu, kFilename, kShichang, kXqjtb, kVol };

// The longest operator password the settings table holds.
inline constexpr int kPasswordWidth = 32;

dbase::TableDef settingsTableDef();
// A timetable with its one tag, for example "CHUNQIU_ON" on ON.
dbase::TableDef timetableDef(const std::string& tagName);

// The sequence number ON is a 16-bit column, whatever width the file gives it.
void restrictSequenceNumber(dbase::Table& timetable);

}  // namespace data
