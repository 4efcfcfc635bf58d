#pragma once
// Shared helpers of the dBASE engine tests: a scratch folder, file bytes,
// the timetable layout and a compact view of a table's rows.

#include <filesystem>
#include <string>
#include <vector>

#include "data/dbase/table.h"

namespace dbase_test {

// A fresh folder under the system temp folder, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> fileNames() const;

private:
    std::filesystem::path dir_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// The broadcast timetable layout: ON N(onWidth,0), TIME C8, XIANGMU C10,
// FILENAME C100, SHICHANG C8, XQJTB C7, VOL C3, tagged on ON.
dbase::TableDef timetableDef(const std::string& tag, int onWidth = 6);
enum Column { kOn, kTime, kXiangmu, kFilename, kShichang, kXqjtb, kVol };

// Appends and posts one row; `values` fill the fields from the first on.
void appendRow(dbase::Table& table, const std::vector<std::string>& values);
// Every row from first to eof as "recno:field|field|...".
std::vector<std::string> rows(dbase::Table& table);
// The ON values of all rows, in order.
std::vector<long long> onValues(dbase::Table& table);

}  // namespace dbase_test

namespace dbase_test {

// Writes a whole timetable in one go (through the engine's own writer, not
// row by row), with ON values `ons` in record order and texts derived from
// each row's position. For large fixtures.
void writeTimetable(const std::filesystem::path& dbf, const std::string& tag, const std::vector<int>& ons);

}  // namespace dbase_test
