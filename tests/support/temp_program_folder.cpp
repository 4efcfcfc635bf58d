#include "tests/support/temp_program_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "data/table_layouts.h"
#include "platform/files/fs_path.h"

namespace testing_support {

TempProgramFolder::TempProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "toramel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string TempProgramFolder::appDir() const { return files::fromFsPath(dir_) + "/"; }

void TempProgramFolder::writeSettings(const std::string& id8, const std::string& key, int records) {
    const auto file = dir_ / "system.dbf";
    dbase::createTable(file, data::settingsTableDef());
    dbase::Table t;
    t.open(file);
    for (int i = 0; i < records; ++i) {
        t.append();
        t.setFieldText(data::kKey, key);
        t.setFieldText(data::kId4, "0");
        t.setFieldText(data::kId5, "3");
        t.setFieldText(data::kId6, "0");
        t.setFieldText(data::kId8, id8);
        t.post();
    }
}

void TempProgramFolder::writeTimetable(const std::string& file, const std::string& tag,
                                       const std::vector<Row>& rows) {
    const auto path = dir_ / file;
    dbase::createTable(path, data::timetableDef(tag));
    dbase::Table t;
    t.open(path, tag);
    for (const Row& row : rows) {
        t.append();
        t.setFieldText(data::kOn, std::to_string(row.on));
        t.setFieldText(data::kTime, row.time);
        t.setFieldText(data::kFilename, row.file);
        t.setFieldText(data::kShichang, row.stop);
        t.post();
    }
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace testing_support
