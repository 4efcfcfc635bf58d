// A write that cannot be done leaves both files exactly as they were, keeps
// the row being edited, and says why.

#include "data/dbase/table.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "data/dbase/write_steps.h"
#include "tests/dbase/dbase_test_support.h"

namespace {

using dbase::testing::WriteStep;
using namespace dbase_test;

class FailedWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbase::createTable(dbf(), timetableDef("CHUNQIU_ON"));
        table.open(dbf(), "CHUNQIU_ON");
        appendRow(table, {"1", "08:00:00"});
        appendRow(table, {"2", "09:00:00"});
        before = snapshot();
    }
    void TearDown() override { dbase::testing::setWriteStepHook(nullptr); }

    std::filesystem::path dbf() const { return dir / "chunqiu.dbf"; }
    std::filesystem::path mdx() const { return dir / "chunqiu.mdx"; }
    std::vector<std::string> snapshot() const {
        std::vector<std::string> out = dir.fileNames();
        out.push_back(readBytes(dbf()));
        out.push_back(readBytes(mdx()));
        return out;
    }

    // Starts an edit that moves a row, tries to post it, and checks that the
    // failure named `expected` and changed nothing.
    void expectPostRefused(const std::string& expected) {
        table.first();
        table.edit();
        table.setFieldText(kOn, "7");
        try {
            table.post();
            ADD_FAILURE() << "posted";
        } catch (const dbase::Error& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("chunqiu."), std::string::npos) << what;
            EXPECT_NE(what.find(expected), std::string::npos) << what;
        }
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(table.state(), dbase::TableState::Edit);
        EXPECT_TRUE(table.modified());
        EXPECT_EQ(table.fieldText(kOn), "7");
    }
    void expectRetrySucceeds() {
        table.post();
        dbase::Table other;
        other.open(dbf(), "CHUNQIU_ON");
        EXPECT_EQ(onValues(other), (std::vector<long long>{2, 7}));
    }

    ScratchDir dir;
    dbase::Table table;
    std::vector<std::string> before;
};

TEST_F(FailedWriteTest, ReadOnlyFilesAreRefusedEvenForRoot) {
    for (const auto& file : {dbf(), mdx()}) {
        SCOPED_TRACE(file.filename().string());
        std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
        expectPostRefused("read-only");
        table.cancel();
        std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    table.first();
    table.deleteRow();  // writable again
    EXPECT_EQ(table.rowCount(), 1);
}

// Holds a lock of the kind `take` makes on the table in a child process
// until the object goes away.
class LockingChild {
public:
    LockingChild(const std::filesystem::path& file, const std::function<bool(int)>& take) {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(release[1]);  // so that the parent's close reads as the end
            close(ready[0]);
            const int fd = ::open(file.c_str(), O_RDWR);
            const char ok = fd >= 0 && take(fd) ? 'y' : 'n';
            (void)!write(ready[1], &ok, 1);
            char c;
            (void)!read(release[0], &c, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        releaseFd_ = release[1];
        char ok = 'n';
        (void)!read(ready[0], &ok, 1);
        close(ready[0]);
        locked_ = ok == 'y';
    }
    ~LockingChild() {
        close(releaseFd_);
        waitpid(pid_, nullptr, 0);
    }
    bool locked() const { return locked_; }

private:
    pid_t pid_ = -1;
    int releaseFd_ = -1;
    bool locked_ = false;
};

bool takeFlock(int fd) { return flock(fd, LOCK_EX) == 0; }
bool takeSharedFlock(int fd) { return flock(fd, LOCK_SH) == 0; }
bool takeRecordLock(int fd) {
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    return fcntl(fd, F_SETLK, &range) == 0;
}

TEST_F(FailedWriteTest, LockedByAnotherProcess) {
    for (auto take : {takeFlock, takeSharedFlock, takeRecordLock}) {
        {
            LockingChild child(dbf(), take);
            ASSERT_TRUE(child.locked());
            expectPostRefused("locked");
        }
        table.cancel();
    }
    table.first();
    table.edit();
    table.setFieldText(kOn, "7");
    expectRetrySucceeds();
}

TEST_F(FailedWriteTest, LockedThroughAnotherDescriptionInThisProcess) {
    const int fd = ::open(dbf().c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    ASSERT_EQ(fcntl(fd, F_OFD_SETLK, &range), 0);
    expectPostRefused("locked");
    close(fd);
    expectRetrySucceeds();
}

WriteStep failingStep;
void failAtStep(WriteStep step) {
    if (step == failingStep) throw dbase::Error("chunqiu.dbf.tmp: injected: disk full");
}

TEST_F(FailedWriteTest, DiskErrorBeforeTheCommitPoint) {
    for (WriteStep step : {WriteStep::IndexTempWritten, WriteStep::TableTempWritten, WriteStep::IndexStaged}) {
        SCOPED_TRACE(static_cast<int>(step));
        failingStep = step;
        dbase::testing::setWriteStepHook(failAtStep);
        expectPostRefused("disk full");
        dbase::testing::setWriteStepHook(nullptr);
        table.cancel();
    }
    table.first();
    table.edit();
    table.setFieldText(kOn, "7");
    expectRetrySucceeds();
}

TEST_F(FailedWriteTest, TableWithoutIndex) {
    dbase::TableDef def;
    def.fields = {{"KEY", dbase::FieldType::Character, 8, 0}};
    dbase::createTable(dir / "system.dbf", def);
    dbase::Table system;
    system.open(dir / "system.dbf");
    appendRow(system, {"pass"});
    const std::string bytes = readBytes(dir / "system.dbf");
    const auto files = dir.fileNames();
    failingStep = WriteStep::TableTempWritten;
    dbase::testing::setWriteStepHook(failAtStep);
    system.edit();
    system.setFieldText(0, "newpass");
    EXPECT_THROW(system.post(), dbase::Error);
    EXPECT_EQ(readBytes(dir / "system.dbf"), bytes);
    EXPECT_EQ(dir.fileNames(), files);
    dbase::testing::setWriteStepHook(nullptr);
    system.post();
    EXPECT_EQ(system.fieldText(0), "newpass");
    EXPECT_FALSE(std::filesystem::exists(dir / "system.mdx"));
}

TEST_F(FailedWriteTest, FolderNotWritable) {
    if (geteuid() == 0) GTEST_SKIP() << "the permission bits of a folder do not stop root";
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    expectPostRefused("cannot");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
}

}  // namespace
