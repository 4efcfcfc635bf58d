// Tables other programs write: dBASE III+ headers, field types this engine
// only reads, wide numbers. Built byte by byte here.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include "tests/dbase/dbase_test_support.h"

namespace {

using namespace dbase_test;

struct Field {
    std::string name;
    char type;
    int width, decimals;
};

// A table without index; `headerPad` extra bytes after the 0x0D (dBASE III+
// writers leave one), `marker` whether the 0x1A end byte is written.
std::string buildTable(std::uint8_t version, const std::vector<Field>& fields, const std::vector<std::string>& records, int headerPad,
                       bool marker) {
    const int headerLength = 32 + 32 * static_cast<int>(fields.size()) + 1 + headerPad;
    int recordLength = 1;
    for (const Field& f : fields) recordLength += f.width;
    std::string out(32, '\0');
    out[0] = static_cast<char>(version);
    out[4] = static_cast<char>(records.size());
    out[8] = static_cast<char>(headerLength & 0xFF);
    out[9] = static_cast<char>(headerLength >> 8);
    out[10] = static_cast<char>(recordLength & 0xFF);
    out[11] = static_cast<char>(recordLength >> 8);
    for (const Field& f : fields) {
        std::string d(32, '\0');
        d.replace(0, f.name.size(), f.name);
        d[11] = f.type;
        d[16] = static_cast<char>(f.width);
        d[17] = static_cast<char>(f.decimals);
        out += d;
    }
    out += '\x0D';
    out += std::string(headerPad, '\0');
    for (const std::string& r : records) out += r;
    if (marker) out += '\x1A';
    return out;
}

const std::vector<Field> kMixed = {{"NAME", 'C', 6, 0}, {"PRICE", 'F', 10, 2}, {"DAY", 'D', 8, 0},
                                   {"OK", 'L', 1, 0},   {"NOTES", 'M', 10, 0}, {"BIG", 'N', 20, 0}};

TEST(ForeignTable, ReadsDbase3HeadersAndReadOnlyTypes) {
    ScratchDir dir;
    //                           NAME      PRICE       DAY      OK NOTES        BIG
    const std::string live = std::string(" ") + "Tea   " + "     12.50" + "20240131" + "T" + "         7" + "12345678901234567890";
    const std::string gone = std::string("*") + "Gone  " + "      1.00" + "19991231" + "F" + "         0" + std::string(18, ' ') + "-1";
    for (const auto& [version, pad, marker] : {std::tuple{0x03, 0, true}, std::tuple{0x03, 1, false}, std::tuple{0x83, 1, true}}) {
        SCOPED_TRACE(version);
        writeBytes(dir / "shop.dbf", buildTable(static_cast<std::uint8_t>(version), kMixed, {gone, live}, pad, marker));
        dbase::Table t;
        t.open(dir / "shop.dbf");
        ASSERT_EQ(t.rowCount(), 1);  // the deleted record is hidden
        EXPECT_EQ(t.recordNumber(), 2);
        EXPECT_EQ(t.fields()[1].type, dbase::FieldType::Float);
        EXPECT_EQ(t.fields()[1].decimals, 2);
        EXPECT_EQ(t.fieldText(0), "Tea");
        EXPECT_EQ(t.fieldText(1), "12.50");
        EXPECT_EQ(t.fieldText(2), "20240131");
        EXPECT_EQ(t.fieldText(3), "T");
        EXPECT_EQ(t.fieldText(4), "7");
        EXPECT_EQ(t.fieldText(5), "12345678901234567890");
        EXPECT_THROW(t.fieldInt(5), dbase::Error);  // beyond a 64-bit integer

        t.edit();
        for (int f = 1; f <= 4; ++f) EXPECT_THROW(t.setFieldText(f, "1"), dbase::Error) << "field " << f;
        t.setFieldText(0, "Coffee");
        t.post();
        // Everything else, the deleted record included, is written back as it was.
        const std::string file = readBytes(dir / "shop.dbf");
        const std::size_t records = 32 + 32 * kMixed.size() + 1 + pad;
        EXPECT_EQ(file.substr(records, gone.size()), gone);
        EXPECT_EQ(file.substr(records + gone.size()), " Coffee" + live.substr(7) + "\x1A");
    }
}

}  // namespace
