// What a field accepts and how it is stored; everything that does not fit
// is refused, never cut to size.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include "tests/dbase/dbase_test_support.h"

namespace {

using dbase::FieldType;
using namespace dbase_test;

enum { kSeq, kQty, kAmount, kPass, kCode };

class FieldValueTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbase::TableDef def;
        def.fields = {{"SEQ", FieldType::Numeric, 6, 0},
                      {"QTY", FieldType::Numeric, 4, 0},
                      {"AMOUNT", FieldType::Numeric, 8, 2},
                      {"PASS", FieldType::Character, 8, 0},
                      {"CODE", FieldType::Character, 4, 0}};
        dbase::createTable(dir / "values.dbf", def);
        table.open(dir / "values.dbf");
        table.setIntegerRange(kSeq, -32768, 32767);
        table.setIntegerRange(kCode, 0, 99);
        table.append();
    }
    ScratchDir dir;
    dbase::Table table;
};

struct Accepted {
    int field;
    std::string text;
    std::string stored;  // the field's bytes in the file
};

TEST_F(FieldValueTest, AcceptedValuesAndHowTheyAreStored) {
    const std::vector<Accepted> cases = {
        {kSeq, "12", "    12"},        {kSeq, " 12 ", "    12"},      {kSeq, "+12", "    12"},
        {kSeq, "007", "     7"},       {kSeq, "-5", "    -5"},       {kSeq, "-0", "     0"},
        {kSeq, "32767", " 32767"},     {kSeq, "-32768", "-32768"},   {kSeq, "1.0", "     1"},
        {kSeq, "", "      "},          {kQty, "-999", "-999"},       {kQty, "9999", "9999"},
        {kAmount, "3.5", "    3.50"},  {kAmount, "-0.01", "   -0.01"}, {kAmount, "12345.67", "12345.67"},
        {kAmount, ".5", "    0.50"},   {kPass, "12345678", "12345678"}, {kPass, "\xc6\xf0\xb4\xb2\xd4\xe7\xb2\xd9", "\xc6\xf0\xb4\xb2\xd4\xe7\xb2\xd9"},
        {kPass, "ab", "ab      "},     {kCode, "42", "42  "},        {kCode, "", "    "},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(table.fields()[c.field].name + " <- \"" + c.text + "\"");
        table.setFieldText(c.field, c.text);
        table.post();
        const std::string file = readBytes(dir / "values.dbf");
        const int recordLength = 1 + 6 + 4 + 8 + 8 + 4;
        const int offsets[] = {1, 7, 11, 19, 27};
        const std::size_t last = file.size() - 1 - recordLength;  // the 0x1A marker ends the file
        EXPECT_EQ(file.substr(last + offsets[c.field], c.stored.size()), c.stored);
        table.edit();
    }
}

struct Refused {
    int field;
    std::string text;
};

TEST_F(FieldValueTest, RefusedValuesLeaveTheRowUnchanged) {
    table.setFieldText(kSeq, "1");
    table.setFieldText(kQty, "2");
    table.setFieldText(kAmount, "3");
    table.setFieldText(kPass, "secret");
    table.setFieldText(kCode, "4");
    const std::vector<Refused> cases = {
        {kPass, "123456789"},                               // one byte too many
        {kPass, "\xc6\xf0\xb4\xb2\xd4\xe7\xb2\xd9\xb2"},     // 9 bytes of GBK
        {kQty, "12345"},  {kQty, "-1000"},                  // wider than the field
        {kSeq, "32768"},  {kSeq, "-32769"},  {kSeq, "99999999999999999999999"},  // outside the 16-bit range
        {kSeq, "1.5"},    {kAmount, "3.555"},               // more decimals than the field keeps
        {kAmount, "123456.78"},
        {kSeq, "abc"},    {kSeq, "1e3"},  {kSeq, "--1"},  {kSeq, "1-"},  {kSeq, "."},  {kSeq, "1 2"},
        {kCode, "100"},   {kCode, "ab"},  {kCode, "-1"},     // a character field with a range
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(table.fields()[c.field].name + " <- \"" + c.text + "\"");
        const std::string before = table.fieldText(c.field);
        try {
            table.setFieldText(c.field, c.text);
            ADD_FAILURE() << "accepted";
        } catch (const dbase::Error& e) {
            EXPECT_NE(std::string(e.what()).find("values.dbf"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(table.fields()[c.field].name), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.fieldText(c.field), before);
    }
}

TEST_F(FieldValueTest, ReadingIntegers) {
    table.setFieldText(kSeq, "-42");
    table.setFieldText(kAmount, "7.00");
    table.setFieldText(kPass, " 17 ");
    table.setFieldText(kCode, "5");
    table.post();
    EXPECT_EQ(table.fieldInt(kSeq), -42);
    EXPECT_EQ(table.fieldInt(kAmount), 7);  // a zero fraction is still an integer
    EXPECT_EQ(table.fieldInt(kPass), 17);
    EXPECT_EQ(table.fieldInt(kQty), 0);     // blank
    EXPECT_EQ(table.fieldText(kAmount), "7.00");
    table.edit();
    table.setFieldText(kAmount, "7.25");
    table.setFieldText(kPass, "x1");
    EXPECT_THROW(table.fieldInt(kAmount), dbase::Error);
    EXPECT_THROW(table.fieldInt(kPass), dbase::Error);
    // A value outside the range set later reads as an error, not as a number.
    table.setFieldText(kQty, "200");
    table.setIntegerRange(kQty, 0, 100);
    EXPECT_THROW(table.fieldInt(kQty), dbase::Error);
    EXPECT_THROW(table.setIntegerRange(kQty, 5, 1), dbase::Error);
}

TEST_F(FieldValueTest, CreateRefusesLayoutsItCannotWrite) {
    using dbase::FieldDef;
    const std::vector<std::vector<FieldDef>> layouts = {
        {},
        {{"", FieldType::Character, 4, 0}},
        {{"ELEVENCHARS", FieldType::Character, 4, 0}},
        {{"BAD NAME", FieldType::Character, 4, 0}},
        {{"A", FieldType::Character, 0, 0}},
        {{"A", FieldType::Character, 255, 0}},
        {{"A", FieldType::Numeric, 21, 0}},
        {{"A", FieldType::Numeric, 4, 3}},
        {{"A", FieldType::Date, 8, 0}},
        {{"A", FieldType::Character, 4, 0}, {"a", FieldType::Numeric, 4, 0}},
    };
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        dbase::TableDef def;
        def.fields = layouts[i];
        EXPECT_THROW(dbase::createTable(dir / "bad.dbf", def), dbase::Error) << "layout " << i;
    }
    dbase::TableDef tagOnText = timetableDef("X_ON");
    tagOnText.tag->field = "TIME";
    EXPECT_THROW(dbase::createTable(dir / "bad.dbf", tagOnText), dbase::Error);
    EXPECT_THROW(dbase::createTable(dir / "bad.dbf", timetableDef("TAG_NAME_TOO_LONG")), dbase::Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.dbf"));
}

}  // namespace
