// Behaviour of the table through its public interface: rows kept in tag
// order, the cursor, edit states, and what reaches the files.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include "tests/dbase/dbase_test_support.h"

namespace {

using dbase::Table;
using dbase::TableState;
using namespace dbase_test;

const std::string kQichuang = "\xc6\xf0\xb4\xb2";  // 起床 in GBK
const std::string kZaocao = "\xd4\xe7\xb2\xd9";    // 早操
const std::string kGbkPath = "D:\\\xb9\xe3\xb2\xa5\\\xc6\xf0\xb4\xb2\xc1\xe5.wav";

class TableTest : public ::testing::Test {
protected:
    std::filesystem::path dbf() const { return dir / "chunqiu.dbf"; }
    void createWith(const std::vector<int>& ons) {
        dbase::createTable(dbf(), timetableDef("CHUNQIU_ON"));
        Table t;
        t.open(dbf(), "CHUNQIU_ON");
        for (int on : ons) appendRow(t, {std::to_string(on), "08:00:00", "n" + std::to_string(on)});
    }
    ScratchDir dir;
};

TEST_F(TableTest, RowsFollowTheTagWhateverTheInsertOrder) {
    createWith({5, 1, 100, 7, 12, 2, 10});
    Table t;
    t.open(dbf(), "chunqiu_on");  // tag names compare case-insensitively
    EXPECT_EQ(onValues(t), (std::vector<long long>{1, 2, 5, 7, 10, 12, 100}));
    t.first();
    EXPECT_EQ(t.recordNumber(), 2);
    EXPECT_EQ(t.fieldText(kXiangmu), "n1");
    EXPECT_EQ(t.fieldText(kOn), "1");

    Table plain;  // without a tag: record order
    plain.open(dbf());
    EXPECT_EQ(onValues(plain), (std::vector<long long>{5, 1, 100, 7, 12, 2, 10}));
}

TEST_F(TableTest, EqualKeysKeepRecordOrderAndAMovedRowIsFollowed) {
    createWith({3, 1, 3, 2, 3});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(rows(t), (std::vector<std::string>{"2:1|08:00:00|n1||||", "4:2|08:00:00|n2||||", "1:3|08:00:00|n3||||",
                                                 "3:3|08:00:00|n3||||", "5:3|08:00:00|n3||||"}));
    t.moveTo(3);  // record 3
    t.edit();
    t.setFieldText(kOn, "0");
    t.post();
    EXPECT_EQ(t.rowIndex(), 0);
    EXPECT_EQ(t.recordNumber(), 3);
    EXPECT_EQ(t.state(), TableState::Browse);

    t.moveTo(0);
    t.edit();
    t.setFieldText(kOn, "3");  // back among the 3s, after record 1 by record number
    t.post();
    EXPECT_EQ(t.rowIndex(), 3);
    EXPECT_EQ(t.recordNumber(), 3);
    Table again;
    again.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(onValues(again), (std::vector<long long>{1, 2, 3, 3, 3}));
}

TEST_F(TableTest, EditDeleteAndReopenRoundTrip) {
    dbase::createTable(dbf(), timetableDef("CHUNQIU_ON"));
    {
        Table t;
        t.open(dbf(), "CHUNQIU_ON");
        EXPECT_EQ(t.rowCount(), 0);
        appendRow(t, {"5", "08:00:00", kZaocao, "D:\\a.mp3", "00:05:00", "12345", "80"});
        appendRow(t, {"1", "07:30:00", kQichuang, kGbkPath, "00:01:00", "1234567", "100"});
        appendRow(t, {"7", "09:00:00", "x"});
        t.last();
        t.deleteRow();  // the row with ON 7
        EXPECT_EQ(t.rowCount(), 2);
        EXPECT_EQ(t.rowIndex(), 1);  // stays near: now on the new last row
        t.first();
        t.edit();
        t.setFieldText(kVol, "");
        t.setFieldText(kTime, "07:31:00");
        t.post();
    }
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(rows(t), (std::vector<std::string>{"2:1|07:31:00|" + kQichuang + "|" + kGbkPath + "|00:01:00|1234567|",
                                                 "1:5|08:00:00|" + kZaocao + "|D:\\a.mp3|00:05:00|12345|80"}));
    // The texts are stored byte for byte, padded with blanks.
    EXPECT_NE(readBytes(dbf()).find(kQichuang + "      " + kGbkPath), std::string::npos);
}

TEST_F(TableTest, RefreshSeesAnotherWriterAndKeepsTheRow) {
    createWith({1, 2, 3});
    Table reader, writer;
    reader.open(dbf(), "CHUNQIU_ON");
    writer.open(dbf(), "CHUNQIU_ON");
    reader.moveTo(1);  // record 2
    appendRow(writer, {"0", "06:00:00"});
    writer.moveTo(2);  // ON 2: edit a text
    writer.edit();
    writer.setFieldText(kTime, "12:00:00");
    writer.post();
    EXPECT_EQ(reader.fieldText(kTime), "08:00:00");
    reader.refresh();
    EXPECT_EQ(reader.rowCount(), 4);
    EXPECT_EQ(reader.recordNumber(), 2);
    EXPECT_EQ(reader.rowIndex(), 2);
    EXPECT_EQ(reader.fieldText(kTime), "12:00:00");
}

TEST_F(TableTest, RefreshPostsAChangedRowAndDropsAnUnchangedOne) {
    createWith({1, 2});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    t.append();
    t.refresh();  // nothing set: dropped
    EXPECT_EQ(t.rowCount(), 2);
    t.edit();
    t.setFieldText(kTime, "10:00:00");
    t.refresh();
    EXPECT_EQ(t.state(), TableState::Browse);
    Table other;
    other.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(other.fieldText(kTime), "10:00:00");
}

TEST_F(TableTest, CursorWalksLikeADataSet) {
    createWith({1, 2, 3});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.rowIndex(), 0);
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.rowIndex(), 0);
    t.next();
    t.next();
    EXPECT_FALSE(t.bof());
    EXPECT_FALSE(t.eof());
    t.next();  // past the last row
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.rowIndex(), 2);
    EXPECT_EQ(t.fieldInt(kOn), 3);
    t.prior();
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.rowIndex(), 1);
    t.last();
    EXPECT_TRUE(t.eof());
    EXPECT_FALSE(t.bof());
    EXPECT_EQ(t.rowIndex(), 2);
    t.moveTo(-5);
    EXPECT_EQ(t.rowIndex(), 0);
    EXPECT_FALSE(t.bof());
    t.moveTo(99);
    EXPECT_EQ(t.rowIndex(), 2);
    EXPECT_FALSE(t.eof());
}

TEST_F(TableTest, EmptyTable) {
    createWith({});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_TRUE(t.eof());
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.rowIndex(), -1);
    EXPECT_EQ(t.recordNumber(), 0);
    EXPECT_EQ(t.fieldText(kTime), "");
    EXPECT_EQ(t.fieldInt(kOn), 0);
    EXPECT_THROW(t.edit(), dbase::Error);
    EXPECT_THROW(t.deleteRow(), dbase::Error);
    t.next();
    t.last();
    EXPECT_EQ(t.rowIndex(), -1);
    t.insert();
    EXPECT_EQ(t.rowIndex(), 0);
    EXPECT_EQ(t.rowCount(), 1);
    t.cancel();
    EXPECT_EQ(t.rowCount(), 0);
}

TEST_F(TableTest, InsertAppendAndCancel) {
    createWith({10, 20, 30});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    t.moveTo(1);
    t.insert();
    EXPECT_EQ(t.state(), TableState::Insert);
    EXPECT_EQ(t.rowIndex(), 1);
    EXPECT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.recordNumber(), 0);
    EXPECT_EQ(t.fieldText(kOn), "");
    EXPECT_FALSE(t.modified());
    t.setFieldText(kTime, "11:00:00");
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(t.fieldText(kTime), "11:00:00");
    t.cancel();
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.rowIndex(), 1);
    EXPECT_EQ(t.fieldInt(kOn), 20);

    t.append();
    EXPECT_EQ(t.rowIndex(), 3);
    t.setFieldText(kOn, "15");
    t.post();  // lands in its place by key
    EXPECT_EQ(t.rowIndex(), 1);
    EXPECT_EQ(t.recordNumber(), 4);

    t.edit();
    t.setFieldText(kTime, "99:99:99");
    t.cancel();
    EXPECT_EQ(t.fieldText(kTime), "");

    t.insert();
    t.deleteRow();  // deleting the row being inserted just drops it
    EXPECT_EQ(t.rowCount(), 4);
    EXPECT_THROW(t.post(), dbase::Error);  // nothing to post
    EXPECT_THROW(t.setFieldText(kTime, "x"), dbase::Error);
}

TEST_F(TableTest, MovingAwayPostsAChangedRowAndDropsAnUnchangedOne) {
    createWith({1, 2});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    t.edit();
    t.setFieldText(kOn, "9");
    t.first();  // posts: the row moved to the end, first() then goes to row 0
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(onValues(t), (std::vector<long long>{2, 9}));
    t.append();
    t.next();  // unchanged: dropped
    EXPECT_EQ(t.rowCount(), 2);
    t.close();
    EXPECT_FALSE(t.active());
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(onValues(t), (std::vector<long long>{2, 9}));
}

TEST_F(TableTest, CloseDropsTheRowBeingEdited) {
    createWith({1});
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    t.edit();
    t.setFieldText(kTime, "23:00:00");
    t.close();
    t.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(t.fieldText(kTime), "08:00:00");
}

TEST_F(TableTest, OpenWithoutTagStillMaintainsTheIndex) {
    createWith({3, 1});
    {
        Table t;
        t.open(dbf());
        appendRow(t, {"2"});
        t.first();
        t.deleteRow();  // record 1, ON 3
    }
    Table tagged;
    tagged.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(rows(tagged), (std::vector<std::string>{"2:1|08:00:00|n1||||", "3:2||||||"}));
}

TEST_F(TableTest, LargeTableNeedsASeveralLevelTree) {
    std::vector<int> ons;
    for (int i = 0; i < 10000; ++i) ons.push_back((i * 7919) % 10007 - 5000);  // scattered, some negative
    writeTimetable(dbf(), "CHUNQIU_ON", ons);
    Table t;
    t.open(dbf(), "CHUNQIU_ON");
    ASSERT_EQ(t.rowCount(), 10000);
    std::vector<long long> seen = onValues(t);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    t.moveTo(5000);
    t.edit();
    t.setFieldText(kOn, "-6000");
    t.post();
    EXPECT_EQ(t.rowIndex(), 0);
    Table again;
    again.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(again.fieldInt(kOn), -6000);
}

TEST_F(TableTest, FieldsAndTagNames) {
    createWith({});
    EXPECT_EQ(dbase::readTagNames(dbf()), (std::vector<std::string>{"CHUNQIU_ON"}));
    Table t;
    t.open(dbf());
    EXPECT_EQ(t.fieldCount(), 7);
    EXPECT_EQ(t.findField("filename"), kFilename);
    EXPECT_EQ(t.findField("NOPE"), -1);
    EXPECT_EQ(t.fields()[kOn].type, dbase::FieldType::Numeric);
    EXPECT_EQ(t.fields()[kOn].width, 6);
    EXPECT_THROW(t.fieldText(7), dbase::Error);
    EXPECT_THROW(t.fieldText(-1), dbase::Error);
    t.close();
    EXPECT_THROW(t.first(), dbase::Error);
}

}  // namespace
