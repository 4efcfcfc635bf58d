// Damaged or foreign files are an Error naming the file, never a crash and
// never a silently wrong table.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/dbase/dbase_test_support.h"

namespace {

using namespace dbase_test;

// Offsets in the small timetable made below: 7 fields, one tag, one leaf.
constexpr std::size_t kHeaderLength = 257;
constexpr std::size_t kRecordLength = 143;
constexpr std::size_t kTagHeader = 4 * 512;
constexpr std::size_t kRoot = 6 * 512;
constexpr std::size_t kFirstItem = kRoot + 8;
constexpr std::size_t kItem = 16;

void putU32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void putU16(std::string& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

struct Files {
    std::string dbf, mdx;
};

struct Damage {
    const char* what;
    std::function<void(Files&)> apply;
    const char* blamed;  // the file the message must name
};

class CorruptInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbase::createTable(dir / "chunqiu.dbf", timetableDef("CHUNQIU_ON"));
        dbase::Table t;
        t.open(dir / "chunqiu.dbf", "CHUNQIU_ON");
        for (const char* on : {"5", "1", "3"}) appendRow(t, {on, "08:00:00"});
        good = {readBytes(dir / "chunqiu.dbf"), readBytes(dir / "chunqiu.mdx")};
    }

    void expectRefused(const std::vector<Damage>& cases, const std::string& tag) {
        for (const Damage& c : cases) {
            SCOPED_TRACE(c.what);
            Files files = good;
            c.apply(files);
            writeBytes(dir / "chunqiu.dbf", files.dbf);
            writeBytes(dir / "chunqiu.mdx", files.mdx);
            dbase::Table t;
            try {
                t.open(dir / "chunqiu.dbf", tag);
                ADD_FAILURE() << "opened";
            } catch (const dbase::Error& e) {
                EXPECT_NE(std::string(e.what()).find(c.blamed), std::string::npos) << e.what();
            }
            EXPECT_FALSE(t.active());
        }
    }

    ScratchDir dir;
    Files good;
};

TEST_F(CorruptInputTest, DamagedTableFiles) {
    const std::vector<Damage> cases = {
        {"empty file", [](Files& f) { f.dbf.clear(); }, "chunqiu.dbf"},
        {"cut inside the file header", [](Files& f) { f.dbf.resize(20); }, "chunqiu.dbf"},
        {"cut inside the field descriptors", [](Files& f) { f.dbf.resize(100); }, "chunqiu.dbf"},
        {"cut inside the records", [](Files& f) { f.dbf.resize(f.dbf.size() - 10); }, "chunqiu.dbf"},
        {"bytes after the end marker", [](Files& f) { f.dbf += "xx"; }, "chunqiu.dbf"},
        {"record count too high", [](Files& f) { putU32(f.dbf, 4, 4); }, "chunqiu.dbf"},
        {"record count too low", [](Files& f) { putU32(f.dbf, 4, 2); }, "chunqiu.dbf"},
        {"huge record count", [](Files& f) { putU32(f.dbf, 4, 0xFFFFFFFF); }, "chunqiu.dbf"},
        {"header length beyond the file", [](Files& f) { putU16(f.dbf, 8, 0xFFFF); }, "chunqiu.dbf"},
        {"header length too small", [](Files& f) { putU16(f.dbf, 8, 10); }, "chunqiu.dbf"},
        {"header length cuts a descriptor", [](Files& f) { putU16(f.dbf, 8, 100); }, "chunqiu.dbf"},
        {"record length one more", [](Files& f) { putU16(f.dbf, 10, kRecordLength + 1); }, "chunqiu.dbf"},
        {"zero field width", [](Files& f) { f.dbf[32 + 32 + 16] = 0; }, "chunqiu.dbf"},
        {"unknown field type", [](Files& f) { f.dbf[32 + 11] = 'X'; }, "chunqiu.dbf"},
        {"field without a name", [](Files& f) { f.dbf[32 + 32] = 0; }, "chunqiu.dbf"},
        {"decimals as wide as the field", [](Files& f) { f.dbf[32 + 17] = 6; }, "chunqiu.dbf"},
        {"no 0x0D after the descriptors", [](Files& f) { f.dbf[kHeaderLength - 1] = ' '; }, "chunqiu.dbf"},
        {"dBASE 7 version byte", [](Files& f) { f.dbf[0] = 0x04; }, "chunqiu.dbf"},
        {"FoxPro version byte", [](Files& f) { f.dbf[0] = 0x30; }, "chunqiu.dbf"},
        {"a tagged field holding no number", [](Files& f) { f.dbf.replace(kHeaderLength + 1, 6, "  abc "); }, "chunqiu.dbf"},
        {"no production index declared", [](Files& f) { f.dbf[28] = 0; }, "chunqiu.dbf"},
    };
    expectRefused(cases, "CHUNQIU_ON");
}

TEST_F(CorruptInputTest, DamagedIndexFiles) {
    auto item = [](int i) { return kFirstItem + kItem * i; };
    const std::vector<Damage> cases = {
        {"empty index", [](Files& f) { f.mdx.clear(); }, "chunqiu.mdx"},
        {"index cut inside the header", [](Files& f) { f.mdx.resize(1000); }, "chunqiu.mdx"},
        {"index cut inside the root", [](Files& f) { f.mdx.resize(kRoot + 100); }, "chunqiu.mdx"},
        {"wrong version", [](Files& f) { f.mdx[0] = 3; }, "chunqiu.mdx"},
        {"not a production index", [](Files& f) { f.mdx[24] = 0; }, "chunqiu.mdx"},
        {"page size fields disagree", [](Files& f) { putU16(f.mdx, 22, 512); }, "chunqiu.mdx"},
        {"tag entry length", [](Files& f) { f.mdx[26] = 16; }, "chunqiu.mdx"},
        {"too many tags", [](Files& f) { putU16(f.mdx, 28, 48); }, "chunqiu.mdx"},
        {"more blocks counted than present", [](Files& f) { putU32(f.mdx, 32, 1000); }, "chunqiu.mdx"},
        {"tag header outside the file", [](Files& f) { putU32(f.mdx, 544, 1000); }, "chunqiu.mdx"},
        {"tag header inside the file header", [](Files& f) { putU32(f.mdx, 544, 1); }, "chunqiu.mdx"},
        {"root outside the file", [](Files& f) { putU32(f.mdx, kTagHeader, 5000); }, "chunqiu.mdx"},
        {"root is the tag header", [](Files& f) { putU32(f.mdx, kTagHeader, 4); }, "chunqiu.mdx"},
        {"character key type", [](Files& f) { f.mdx[kTagHeader + 9] = 'C'; }, "chunqiu.mdx"},
        {"descending tag", [](Files& f) { f.mdx[kTagHeader + 8] |= 0x08; }, "chunqiu.mdx"},
        {"zero keys per node", [](Files& f) { putU16(f.mdx, kTagHeader + 14, 0); }, "chunqiu.mdx"},
        {"key item too short", [](Files& f) { putU16(f.mdx, kTagHeader + 18, 12); }, "chunqiu.mdx"},
        {"node size beyond any page", [](Files& f) {
             putU16(f.mdx, kTagHeader + 14, 0xFFFF);
             putU16(f.mdx, kTagHeader + 18, 0xFFFC);
         }, "chunqiu.mdx"},
        {"tag on a field the table lacks", [](Files& f) { f.mdx.replace(kTagHeader + 24, 3, "NO\0", 3); }, "chunqiu.mdx"},
        {"node claims too many keys", [](Files& f) { putU32(f.mdx, kRoot, 64); }, "chunqiu.mdx"},
        {"a key missing", [](Files& f) { putU32(f.mdx, kRoot, 2); }, "chunqiu.mdx"},
        {"a key pointing past the records", [item](Files& f) { putU32(f.mdx, item(0), 9); }, "chunqiu.mdx"},
        {"a record keyed twice", [item](Files& f) { f.mdx.replace(item(1), 4, f.mdx.substr(item(0), 4)); }, "chunqiu.mdx"},
        {"a key that disagrees with its record", [item](Files& f) { f.mdx[item(2) + 4 + 2] = 0x70; }, "chunqiu.mdx"},
        {"keys out of order", [item](Files& f) {
             const std::string first = f.mdx.substr(item(0), kItem);
             f.mdx.replace(item(0), kItem, f.mdx.substr(item(2), kItem));
             f.mdx.replace(item(2), kItem, first);
         }, "chunqiu.mdx"},
        {"a node that is its own child", [](Files& f) {
             putU32(f.mdx, kRoot, 0);
             putU32(f.mdx, kRoot + 8, 6);
         }, "chunqiu.mdx"},
    };
    expectRefused(cases, "CHUNQIU_ON");
}

TEST_F(CorruptInputTest, MissingIndexOrTag) {
    expectRefused({{"unknown tag", [](Files&) {}, "NOPE"}}, "NOPE");
    std::filesystem::remove(dir / "chunqiu.mdx");
    dbase::Table t;
    try {
        t.open(dir / "chunqiu.dbf", "CHUNQIU_ON");
        ADD_FAILURE() << "opened without its index";
    } catch (const dbase::Error& e) {
        EXPECT_NE(std::string(e.what()).find("chunqiu.mdx"), std::string::npos) << e.what();
    }
    EXPECT_THROW(dbase::readTagNames(dir / "chunqiu.dbf"), dbase::Error);
    EXPECT_THROW(t.open(dir / "absent.dbf"), dbase::Error);
}

TEST_F(CorruptInputTest, DamagedInnerNodes) {
    std::vector<int> ons;
    for (int i = 0; i < 200; ++i) ons.push_back(i);
    writeTimetable(dir / "chunqiu.dbf", "CHUNQIU_ON", ons);
    good = {readBytes(dir / "chunqiu.dbf"), readBytes(dir / "chunqiu.mdx")};
    // 200 keys: a root at block 6 over four leaves of 50 keys.
    const std::vector<Damage> cases = {
        {"separator below its child's keys", [](Files& f) { f.mdx[kFirstItem + 4 + 2] = 0x10; }, "chunqiu.mdx"},
        {"child pointer back to the root", [](Files& f) { putU32(f.mdx, kFirstItem + kItem, 6); }, "chunqiu.mdx"},
        {"two entries with one child", [](Files& f) { putU32(f.mdx, kFirstItem + kItem, static_cast<std::uint32_t>(f.mdx[kFirstItem])); }, "chunqiu.mdx"},
        {"last child outside the file", [](Files& f) { putU32(f.mdx, kFirstItem + 3 * kItem, 999); }, "chunqiu.mdx"},
        {"child at an odd block overlapping another", [](Files& f) { putU32(f.mdx, kFirstItem + kItem, 9); }, "chunqiu.mdx"},
    };
    dbase::Table t;
    t.open(dir / "chunqiu.dbf", "CHUNQIU_ON");  // the undamaged files open
    EXPECT_EQ(t.rowCount(), 200);
    t.close();
    expectRefused(cases, "CHUNQIU_ON");
}

TEST_F(CorruptInputTest, OpenWithoutTagToleratesADamagedIndexButWritesRefuse) {
    Files files = good;
    files.mdx[0] = 9;
    writeBytes(dir / "chunqiu.mdx", files.mdx);
    dbase::Table t;
    t.open(dir / "chunqiu.dbf");
    EXPECT_EQ(t.rowCount(), 3);
    t.edit();
    t.setFieldText(kTime, "09:00:00");
    try {
        t.post();
        ADD_FAILURE() << "posted over a damaged index";
    } catch (const dbase::Error& e) {
        EXPECT_NE(std::string(e.what()).find("chunqiu.mdx"), std::string::npos) << e.what();
    }
    EXPECT_EQ(t.state(), dbase::TableState::Edit);
    EXPECT_EQ(readBytes(dir / "chunqiu.dbf"), good.dbf);
}

}  // namespace
