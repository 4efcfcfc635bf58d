#pragma once
// Running the independent dBASE readers and writers of the oracle folder,
// and listing our rows in their output format, so the two can be compared.

#include <filesystem>
#include <string>
#include <vector>

#include "data/dbase/table.h"

namespace dbase_test {

struct CommandResult {
    int status = -1;  // exit status, -1 when it did not exit normally
    std::string out;  // standard output
};

// Runs `argv` (no shell), capturing standard output; standard error passes through.
CommandResult runCommand(const std::vector<std::string>& argv);

// The oracle's built tools and its source folder (fixtures, Perl reader).
std::filesystem::path oracleBin(const std::string& tool);
std::filesystem::path oracleSource(const std::string& file);

// The live rows in the table's order, one line each as "dumptag --trim
// --no-header" prints them: record number, '-', each field's trimmed bytes
// with '\' doubled and bytes outside 0x20..0x7E as \xHH.
std::string listing(dbase::Table& table);

// The same listing from the oracle: TDbf (with its raw tree check) and Perl XBase.
CommandResult dumptag(const std::filesystem::path& dbf, const std::string& tag);
CommandResult xbaseDump(const std::filesystem::path& dbf, const std::string& tag);

// Converts a UTF-8 file to GBK with iconv.
void toGbk(const std::filesystem::path& utf8, const std::filesystem::path& gbk);

}  // namespace dbase_test
