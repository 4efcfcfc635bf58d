#pragma once
// A program folder in a fresh temporary directory, with tables written by
// our engine, for tests of the core.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct Row {
    Row(int on, std::string time, std::string file = "bell.wav", std::string stop = "")
        : on(on), time(std::move(time)), file(std::move(file)), stop(std::move(stop)) {}
    int on;
    std::string time;
    std::string file;
    std::string stop;
};

class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    std::string appDir() const;  // GBK, ending in '/'

    // system.dbf with one record (or `records` copies of it).
    void writeSettings(const std::string& id8, const std::string& key = "1234", int records = 1);
    // A season table (for example "xia.dbf" with tag "XIA_ON").
    void writeTimetable(const std::string& file, const std::string& tag, const std::vector<Row>& rows);

private:
    std::filesystem::path dir_;
};

// The bytes of a file, to show that a failed write changed nothing.
std::string fileBytes(const std::filesystem::path& file);

}  // namespace testing_support
