#include "tests/dbase/dbase_test_support.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dbase_test {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "toramel-dbase-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

std::vector<std::string> ScratchDir::fileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

dbase::TableDef timetableDef(const std::string& tag, int onWidth) {
    using dbase::FieldType;
    dbase::TableDef def;
    def.fields = {
        {"ON", FieldType::Numeric, onWidth, 0},  {"TIME", FieldType::Character, 8, 0},
        {"XIANGMU", FieldType::Character, 10, 0}, {"FILENAME", FieldType::Character, 100, 0},
        {"SHICHANG", FieldType::Character, 8, 0}, {"XQJTB", FieldType::Character, 7, 0},
        {"VOL", FieldType::Character, 3, 0},
    };
    def.tag = dbase::TagDef{tag, "ON"};
    return def;
}

void appendRow(dbase::Table& table, const std::vector<std::string>& values) {
    table.append();
    for (std::size_t i = 0; i < values.size(); ++i) table.setFieldText(static_cast<int>(i), values[i]);
    table.post();
}

std::vector<std::string> rows(dbase::Table& table) {
    std::vector<std::string> out;
    for (table.first(); !table.eof(); table.next()) {
        std::string row = std::to_string(table.recordNumber()) + ":";
        for (int f = 0; f < table.fieldCount(); ++f) row += (f ? "|" : "") + table.fieldText(f);
        out.push_back(row);
    }
    return out;
}

std::vector<long long> onValues(dbase::Table& table) {
    std::vector<long long> out;
    for (table.first(); !table.eof(); table.next()) out.push_back(table.fieldInt(0));
    return out;
}

}  // namespace dbase_test

#include "data/dbase/table_store.h"

namespace dbase_test {

void writeTimetable(const std::filesystem::path& dbf, const std::string& tag, const std::vector<int>& ons) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < ons.size(); ++i)
        rows.push_back({std::to_string(ons[i]), "08:00:00", "row" + std::to_string(i + 1), "D:\\audio\\" + std::to_string(i + 1) + ".mp3",
                        "00:01:00", "12345", "80"});
    dbase::createTableWithRows(dbf, timetableDef(tag), rows);
}

}  // namespace dbase_test
