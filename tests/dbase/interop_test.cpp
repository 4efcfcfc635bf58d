// Interoperation with independent dBASE implementations: TDbf (Free
// Pascal, through the oracle's mkref and dumptag, which also checks the raw
// B-tree) and Perl XBase. Tables go both ways and every reader must see the
// same rows in the same order.

#include <gtest/gtest.h>

#include <fstream>

#include "data/dbase/table.h"
#include "data/dbase/table_store.h"
#include "tests/dbase/dbase_test_support.h"
#include "tests/dbase/oracle_tools.h"

namespace {

using namespace dbase_test;

const std::string kQichuang = "\xc6\xf0\xb4\xb2";  // 起床 in GBK

class InteropTest : public ::testing::Test {
protected:
    // Makes NAME.dbf + NAME.mdx with TDbf from tab-separated GBK rows.
    std::filesystem::path oracleTimetable(const std::string& name, const std::filesystem::path& rows, int onWidth = 6) {
        const CommandResult r = runCommand({oracleBin("mkref").string(), "timetable", dir.path().string(), name, rows.string(),
                                            "--on-width", std::to_string(onWidth)});
        EXPECT_EQ(r.status, 0) << "mkref failed";
        return dir / (name + ".dbf");
    }
    std::filesystem::path gbkFixture(const std::string& fixture) {
        const auto out = dir / (fixture + ".gbk.tsv");
        toGbk(oracleSource("fixtures/" + fixture + ".utf8.tsv"), out);
        return out;
    }
    // Both oracles list exactly our rows, and TDbf finds the raw tree sound.
    void expectOraclesAgree(const std::filesystem::path& dbf, const std::string& tag) {
        dbase::Table ours;
        ours.open(dbf, tag);
        const std::string expected = listing(ours);
        const CommandResult tdbf = dumptag(dbf, tag);
        EXPECT_EQ(tdbf.status, 0) << "dumptag refused " << dbf;
        EXPECT_EQ(tdbf.out, expected);
        const CommandResult xbase = xbaseDump(dbf, tag);
        EXPECT_EQ(xbase.status, 0) << "XBase refused " << dbf;
        EXPECT_EQ(xbase.out, expected);
    }
    ScratchDir dir;
};

class OracleOnWidth : public InteropTest, public ::testing::WithParamInterface<int> {};

TEST_P(OracleOnWidth, WeReadTheReferenceRowsInTheOraclesOrder) {
    const auto dbf = oracleTimetable("chunqiu", gbkFixture("chunqiu"), GetParam());
    dbase::Table t;
    t.open(dbf, "CHUNQIU_ON");
    EXPECT_EQ(t.fields()[kOn].width, GetParam());
    EXPECT_EQ(onValues(t), (std::vector<long long>{1, 2, 5, 10, 12, 100}));  // 7 is deleted
    t.first();
    EXPECT_EQ(t.fieldText(kXiangmu), kQichuang);
    const CommandResult tdbf = dumptag(dbf, "CHUNQIU_ON");
    ASSERT_EQ(tdbf.status, 0);
    EXPECT_EQ(listing(t), tdbf.out);
}

INSTANTIATE_TEST_SUITE_P(Widths, OracleOnWidth, ::testing::Values(4, 6));

TEST_F(InteropTest, WeReadASeveralLevelTreeTheOracleWrote) {
    const auto rows = dir / "many.tsv";
    {
        std::ofstream out(rows);
        for (int i = 0; i < 400; ++i) {
            const int on = (i * 131) % 397 - 50;  // out of order, some negative, a few repeated
            out << (i % 37 == 5 ? "*\t" : "") << on << "\t08:00:00\trow" << i << "\tD:\\a" << i << ".mp3\t00:01:00\t12345\t80\n";
        }
    }
    const auto dbf = oracleTimetable("many", rows);
    const CommandResult walk = runCommand({oracleBin("hdrinfo").string(), (dir / "many.mdx").string(), "--walk", "MANY_ON"});
    ASSERT_NE(walk.out.find("inner"), std::string::npos) << "TDbf wrote a single leaf; the case needs inner nodes";
    dbase::Table t;
    t.open(dbf, "MANY_ON");
    EXPECT_EQ(listing(t), dumptag(dbf, "MANY_ON").out);
}

TEST_F(InteropTest, OracleTableRewrittenByUsStaysReadable) {
    const auto dbf = oracleTimetable("chunqiu", gbkFixture("chunqiu"));
    dbase::Table t;
    t.open(dbf, "CHUNQIU_ON");
    t.first();
    t.edit();
    t.setFieldText(kOn, "11");  // 1 moves between 10 and 12
    t.post();
    appendRow(t, {"3", "07:50:00", "\xd4\xe7\xb2\xd9", "E:\\x.mp3"});
    t.last();
    t.deleteRow();  // 100
    expectOraclesAgree(dbf, "CHUNQIU_ON");
    EXPECT_EQ(onValues(t), (std::vector<long long>{2, 3, 5, 10, 11, 12}));
}

TEST_F(InteropTest, WeReadTheOraclesSystemTable) {
    const CommandResult r = runCommand({oracleBin("mkref").string(), "system", dir.path().string(), gbkFixture("system").string()});
    ASSERT_EQ(r.status, 0);
    dbase::Table t;
    t.open(dir / "system.dbf");
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.fieldText(t.findField("KEY")), "SN-2024-0001");
    EXPECT_EQ(t.fieldText(t.findField("ID1")), "\xd1\xa7\xd0\xa3\xb9\xe3\xb2\xa5");  // 学校广播
    EXPECT_EQ(t.fieldText(t.findField("ID4")), "");
    EXPECT_EQ(t.fieldText(t.findField("ID8")), "id8");
}

class OurOnWidth : public InteropTest, public ::testing::WithParamInterface<int> {};

TEST_P(OurOnWidth, OraclesReadWhatWeWrite) {
    const auto dbf = dir / "xia.dbf";
    dbase::createTable(dbf, timetableDef("XIA_ON", GetParam()));
    dbase::Table t;
    t.open(dbf, "XIA_ON");
    appendRow(t, {"5", "08:00:00", "\xd4\xe7\xb2\xd9", "D:\\\xb9\xe3\xb2\xa5\\\xd4\xe7\xb2\xd9.mp3", "00:05:00", "12345", "80"});
    appendRow(t, {"1", "07:30:00", kQichuang, "D:\\\xb9\xe3\xb2\xa5\\a.wav", "00:01:00", "1234567", "100"});
    appendRow(t, {"100", "17:10:00", "\xb7\xc5\xd1\xa7", "D:\\b.mp3"});
    appendRow(t, {"7", "09:00:00", "gone"});
    appendRow(t, {"", "10:00:00", "blank on"});  // a blank key, indexed as zero
    appendRow(t, {"2", "07:40:00", "two"});
    appendRow(t, {"2", "07:41:00", "two again"});
    t.moveTo(4);  // ON 5: the order is 0 1 2 2 5 7 100
    t.edit();
    t.setFieldText(kOn, "50");
    t.post();
    for (t.first(); !t.eof(); t.next())
        if (t.fieldInt(kOn) == 7) break;
    t.deleteRow();
    expectOraclesAgree(dbf, "XIA_ON");
    EXPECT_EQ(onValues(t), (std::vector<long long>{0, 1, 2, 2, 50, 100}));
}

INSTANTIATE_TEST_SUITE_P(Widths, OurOnWidth, ::testing::Values(4, 6));

TEST_F(InteropTest, OraclesReadALargeTableWeWrote) {
    const auto dbf = dir / "dong.dbf";
    std::vector<int> ons;
    for (int i = 0; i < 2500; ++i) ons.push_back((i * 7919) % 2503 - 300);
    writeTimetable(dbf, "DONG_ON", ons);
    dbase::Table t;
    t.open(dbf, "DONG_ON");
    for (int i = 0; i < 5; ++i) {
        t.moveTo(i * 400);
        t.edit();
        t.setFieldText(kOn, std::to_string(3000 + i));  // to the end
        t.post();
        t.moveTo(i * 300 + 7);
        t.deleteRow();
    }
    appendRow(t, {"-1000", "06:00:00"});
    const CommandResult walk = runCommand({oracleBin("hdrinfo").string(), (dir / "dong.mdx").string(), "--walk", "DONG_ON"});
    ASSERT_EQ(walk.status, 0);
    EXPECT_NE(walk.out.find("walk: page 6: inner"), std::string::npos);
    expectOraclesAgree(dbf, "DONG_ON");
}

TEST_F(InteropTest, EveryTagOfTheIndexIsRebuilt) {
    // Our own tables carry one tag; an index from elsewhere may carry more.
    const auto dbf = dir / "two.dbf";
    dbase::TableDef def;
    def.fields = {{"ON", dbase::FieldType::Numeric, 6, 0}, {"SEQ", dbase::FieldType::Numeric, 4, 0}, {"NAME", dbase::FieldType::Character, 6, 0}};
    dbase::StoredTable table;
    table.dbf = dbase::newDbf(def, dbf.string());
    table.dbf.header[28] = 1;
    table.indexTags = {{"TWO_SEQ", "SEQ"}, {"TWO_ON", "ON"}, {"ALPHA", "ON"}};
    dbase::saveTable(dbf, table, table.dbf);
    EXPECT_EQ(dbase::readTagNames(dbf), (std::vector<std::string>{"TWO_SEQ", "TWO_ON", "ALPHA"}));

    dbase::Table t;
    t.open(dbf, "two_seq");
    for (const auto& [on, seq] : {std::pair{"3", "10"}, {"1", "30"}, {"2", "20"}, {"4", "5"}}) appendRow(t, {on, seq, "r"});
    EXPECT_EQ(onValues(t), (std::vector<long long>{4, 3, 2, 1}));
    t.last();
    t.deleteRow();
    for (const std::string tag : {"TWO_SEQ", "TWO_ON", "ALPHA"}) {
        SCOPED_TRACE(tag);
        const CommandResult tdbf = dumptag(dbf, tag);
        ASSERT_EQ(tdbf.status, 0);
        dbase::Table other;
        other.open(dbf, tag);
        EXPECT_EQ(tdbf.out, listing(other));
    }
    dbase::Table byOn;
    byOn.open(dbf, "TWO_ON");
    EXPECT_EQ(onValues(byOn), (std::vector<long long>{2, 3, 4}));
}

TEST_F(InteropTest, HeadersAreWrittenTheBorlandWay) {
    const auto dbf = dir / "qita.dbf";
    dbase::createTable(dbf, timetableDef("QITA_ON"));
    dbase::Table t;
    t.open(dbf, "QITA_ON");
    appendRow(t, {"1"});
    const std::string table = runCommand({oracleBin("hdrinfo").string(), dbf.string()}).out;
    for (const char* line : {"dbf.version: 0x03", "dbf.header_length: 257", "dbf.record_length: 143", "dbf.byte28_production_mdx: 0x01",
                             "dbf.byte29_language_driver: 0x4D", "dbf.eof_marker_1a: yes", "dbf.field[0]: ON N 6 0 offset=1"})
        EXPECT_NE(table.find(line), std::string::npos) << line << "\n" << table;
    const std::string index = runCommand({oracleBin("hdrinfo").string(), (dir / "qita.mdx").string()}).out;
    for (const char* line : {"mdx.version: 2", "mdx.size: 4096 (8 blocks of 512)", "mdx.total_blocks: 8", "mdx.blocks_per_page: 2",
                             "mdx.page_bytes: 1024", "mdx.byte529: 0x01", "tag[0].name: QITA_ON", "tag[0].header_block: 4",
                             "tag[0].root_block: 6", "tag[0].key_format: 0x10", "tag[0].entry_key_format: 0x10",
                             "tag[0].max_keys_per_page: 63", "tag[0].key_item_length: 16", "tag[0].expression: ON",
                             "tag[0].byte246_has_keys: 0x01", "tag[0].byte480: 0x01"})
        EXPECT_NE(index.find(line), std::string::npos) << line << "\n" << index;
}

}  // namespace
