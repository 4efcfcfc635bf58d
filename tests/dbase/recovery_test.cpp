// A write killed at any step leaves the old pair or the new one; the next
// open finishes or drops what the dead writer left.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "data/dbase/write_steps.h"
#include "tests/dbase/dbase_test_support.h"

namespace {

using dbase::testing::WriteStep;
using namespace dbase_test;

WriteStep dyingStep;
void dieAtStep(WriteStep step) {
    if (step == dyingStep) _exit(42);
}

struct Case {
    WriteStep step;
    bool survives;  // whether the change is there after recovery
};

class RecoveryTest : public ::testing::TestWithParam<Case> {
protected:
    std::filesystem::path dbf() const { return dir / "chunqiu.dbf"; }
    ScratchDir dir;
};

TEST_P(RecoveryTest, KilledWriteIsFinishedOrDropped) {
    dbase::createTable(dbf(), timetableDef("CHUNQIU_ON"));
    {
        dbase::Table t;
        t.open(dbf(), "CHUNQIU_ON");
        appendRow(t, {"1"});
        appendRow(t, {"2"});
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dyingStep = GetParam().step;
        dbase::testing::setWriteStepHook(dieAtStep);
        dbase::Table t;
        t.open(dbf(), "CHUNQIU_ON");
        t.edit();
        t.setFieldText(kOn, "3");  // moves record 1 behind record 2
        t.post();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 42);

    dbase::Table t;
    t.open(dbf(), "CHUNQIU_ON");
    const auto expected = GetParam().survives ? std::vector<long long>{2, 3} : std::vector<long long>{1, 2};
    EXPECT_EQ(onValues(t), expected);
    EXPECT_EQ(dir.fileNames(), (std::vector<std::string>{"chunqiu.dbf", "chunqiu.mdx"}));
    appendRow(t, {"4"});  // and it takes writes again
    dbase::Table again;
    again.open(dbf(), "CHUNQIU_ON");
    EXPECT_EQ(again.rowCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RecoveryTest,
                         ::testing::Values(Case{WriteStep::IndexTempWritten, false}, Case{WriteStep::TableTempWritten, false},
                                           Case{WriteStep::IndexStaged, false}, Case{WriteStep::TableStaged, true},
                                           Case{WriteStep::IndexReplaced, true}, Case{WriteStep::TableReplaced, true}));

}  // namespace
