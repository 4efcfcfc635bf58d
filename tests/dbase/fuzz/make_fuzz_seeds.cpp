// Writes the seed corpora of the two fuzz targets: the oracle's reference
// tables and tables made by this engine (tagged, empty, multi-level,
// without index, with decimals and deleted rows).
//
// make_fuzz_seeds DBF_SEED_DIR PAIR_SEED_DIR ORACLE_REF_DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/dbase/table.h"
#include "tests/dbase/dbase_test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace dbase_test;

void put(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A pair seed: the table's length in two bytes, the table, the index.
void addSeed(const fs::path& dbfDir, const fs::path& pairDir, const std::string& name, const fs::path& dbf) {
    const std::string table = readBytes(dbf);
    put(dbfDir / (name + ".dbf"), table);
    fs::path mdx = dbf;
    mdx.replace_extension(".mdx");
    if (!fs::exists(mdx) || table.size() > 0xFFFF) return;
    const std::string length{static_cast<char>(table.size() & 0xFF), static_cast<char>(table.size() >> 8)};
    put(pairDir / (name + ".pair"), length + table + readBytes(mdx));
}

void makeTables(const fs::path& dir) {
    dbase::createTable(dir / "small.dbf", timetableDef("SMALL_ON"));
    dbase::Table t;
    t.open(dir / "small.dbf", "SMALL_ON");
    for (const char* on : {"5", "1", "100", "7", "12", "2", "10"}) appendRow(t, {on, "08:00:00", "\xc6\xf0\xb4\xb2", "D:\\a.mp3", "00:01:00", "12345", "80"});
    t.moveTo(3);
    t.deleteRow();
    appendRow(t, {"", "09:00:00"});  // a blank key

    dbase::createTable(dir / "empty.dbf", timetableDef("EMPTY_ON", 4));

    std::vector<int> ons;
    for (int i = 0; i < 200; ++i) ons.push_back((i * 37) % 101 - 20);
    writeTimetable(dir / "tree.dbf", "TREE_ON", ons);

    dbase::TableDef system;
    system.fields = {{"KEY", dbase::FieldType::Character, 20, 0}, {"ID1", dbase::FieldType::Character, 8, 0}};
    dbase::createTable(dir / "system.dbf", system);
    t.open(dir / "system.dbf");
    appendRow(t, {"SN-2024-0001", "id1"});
    appendRow(t, {"second"});

    dbase::TableDef amounts;
    amounts.fields = {{"AMOUNT", dbase::FieldType::Numeric, 8, 2}, {"NOTE", dbase::FieldType::Character, 5, 0}};
    amounts.tag = dbase::TagDef{"AMOUNTS", "AMOUNT"};
    dbase::createTable(dir / "amounts.dbf", amounts);
    t.open(dir / "amounts.dbf", "AMOUNTS");
    for (const char* v : {"3.5", "-0.01", "12345.67", "0", "-12.5"}) appendRow(t, {v, "n"});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DBF_SEED_DIR PAIR_SEED_DIR ORACLE_REF_DIR\n");
        return 1;
    }
    const fs::path dbfDir = argv[1], pairDir = argv[2], refDir = argv[3];
    try {
        fs::create_directories(dbfDir);
        fs::create_directories(pairDir);
        for (const char* ref : {"chunqiu", "system"}) addSeed(dbfDir, pairDir, std::string("ref_") + ref, refDir / (std::string(ref) + ".dbf"));
        ScratchDir scratch;
        makeTables(scratch.path());
        for (const char* name : {"small", "empty", "tree", "system", "amounts"})
            addSeed(dbfDir, pairDir, name, scratch / (std::string(name) + ".dbf"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
