// When the timetable's editing commands apply, and what they do.

#include "data/timetable_edit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/table_layouts.h"
#include "tests/support/temp_program_folder.h"

using namespace testing_support;
using data::EditCommand;

class Edit : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeTimetable("xia.dbf", "XIA_ON", {{1, "07:00:00"}, {2, "08:00:00"}, {3, "09:00:00"}});
        t.open(folder.dir() / "xia.dbf", "XIA_ON");
        data::restrictSequenceNumber(t);
    }
    bool on(EditCommand c) { return data::editCommandEnabled(t, c); }

    TempProgramFolder folder;
    dbase::Table t;
};

TEST_F(Edit, EnabledByCursorAndState) {
    EXPECT_FALSE(on(EditCommand::First));
    EXPECT_TRUE(on(EditCommand::Last));
    EXPECT_TRUE(on(EditCommand::Edit));
    EXPECT_FALSE(on(EditCommand::Post));
    EXPECT_FALSE(on(EditCommand::Cancel));
    EXPECT_TRUE(on(EditCommand::Delete));
    EXPECT_TRUE(on(EditCommand::Insert));

    data::runEditCommand(t, EditCommand::Last);
    EXPECT_TRUE(on(EditCommand::First));
    EXPECT_FALSE(on(EditCommand::Last));

    data::runEditCommand(t, EditCommand::Edit);
    EXPECT_FALSE(on(EditCommand::Edit));
    EXPECT_TRUE(on(EditCommand::Post));
    EXPECT_TRUE(on(EditCommand::Cancel));
}

TEST_F(Edit, ReadOnlyTableOffersNoInsertOrRefresh) {
    chmod((folder.dir() / "xia.dbf").c_str(), 0444);
    EXPECT_FALSE(on(EditCommand::Insert));
    EXPECT_FALSE(on(EditCommand::Refresh));
    EXPECT_TRUE(on(EditCommand::Append));
}

TEST_F(Edit, ChangingOnMovesTheRow) {
    data::runEditCommand(t, EditCommand::First);
    data::runEditCommand(t, EditCommand::Edit);
    t.setFieldText(data::kOn, "10");
    data::runEditCommand(t, EditCommand::Post);
    EXPECT_EQ(t.fieldText(data::kTime), "07:00:00");
    EXPECT_EQ(t.rowIndex(), 2);
    t.first();
    EXPECT_EQ(t.fieldText(data::kTime), "08:00:00");
}

TEST_F(Edit, SequenceNumberOutsideSixteenBitsIsRefused) {
    data::runEditCommand(t, EditCommand::Append);
    EXPECT_THROW(t.setFieldText(data::kOn, "32768"), dbase::Error);
    EXPECT_THROW(t.setFieldText(data::kOn, "-32769"), dbase::Error);
    t.setFieldText(data::kOn, "32767");
    data::runEditCommand(t, EditCommand::Post);
    data::runEditCommand(t, EditCommand::Last);
    EXPECT_EQ(t.fieldInt(data::kOn), 32767);
}

TEST_F(Edit, RefreshPostsAChangedRowAndRereads) {
    data::runEditCommand(t, EditCommand::Edit);
    t.setFieldText(data::kTime, "06:30:00");
    data::runEditCommand(t, EditCommand::Refresh);
    EXPECT_EQ(t.state(), dbase::TableState::Browse);
    dbase::Table other;
    other.open(folder.dir() / "xia.dbf", "XIA_ON");
    EXPECT_EQ(other.fieldText(data::kTime), "06:30:00");
}
