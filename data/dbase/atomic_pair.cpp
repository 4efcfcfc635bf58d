#include "data/dbase/atomic_pair.h"

#include "data/dbase/errors.h"
#include "data/dbase/file_io.h"
#include "data/dbase/file_lock.h"
#include "data/dbase/write_steps.h"

namespace dbase {
namespace {

using std::filesystem::path;

testing::WriteStepHook stepHook = nullptr;

void reached(testing::WriteStep step) {
    if (stepHook) stepHook(step);
}

struct Staging {
    path table, tableTemp, tableNew, index, indexTemp, indexNew;
};

Staging stagingFor(const path& dbf) {
    const path mdx = indexPathFor(dbf);
    return {dbf, withSuffix(dbf, ".tmp"), withSuffix(dbf, ".new"), mdx, withSuffix(mdx, ".tmp"), withSuffix(mdx, ".new")};
}

bool hasLeftovers(const Staging& s) {
    return fileExists(s.tableNew) || fileExists(s.indexNew) || fileExists(s.tableTemp) || fileExists(s.indexTemp);
}

// Finishes or drops an interrupted write; the caller holds the exclusive
// lock (or there is no table file yet to lock).
void recover(const Staging& s) {
    if (fileExists(s.tableNew)) {
        if (fileExists(s.indexNew)) renameFile(s.indexNew, s.index);
        renameFile(s.tableNew, s.table);
        syncFolderOf(s.table);
    } else {
        removeIfPresent(s.indexNew);
    }
    removeIfPresent(s.indexTemp);
    removeIfPresent(s.tableTemp);
}

// As the old platform honoured the read-only attribute, even for a user
// the permission bits would not stop.
void refuseReadOnly(const path& file) {
    const auto mode = fileMode(file);
    if (mode && (*mode & 0222) == 0) fail(file.string(), "the file is marked read-only");
}

void removeQuietly(const path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

// Everything after the commit point: a failure here loses nothing, as the
// next reader or writer redoes these renames.
void finishCommitted(const Staging& s) {
    try {
        renameFile(s.indexNew, s.index);
        reached(testing::WriteStep::IndexReplaced);
        renameFile(s.tableNew, s.table);
        syncFolderOf(s.table);
        reached(testing::WriteStep::TableReplaced);
    } catch (const Error&) {
    }
}

void writeTableOnly(const Staging& s, const std::string& table, mode_t mode) {
    try {
        writeFileSynced(s.tableTemp, table, mode);
        reached(testing::WriteStep::TableTempWritten);
        renameFile(s.tableTemp, s.table);
    } catch (...) {
        removeQuietly(s.tableTemp);
        throw;
    }
    // The rename was the commit; a failed folder flush cannot undo it.
    try {
        syncFolderOf(s.table);
    } catch (const Error&) {
    }
    reached(testing::WriteStep::TableReplaced);
}

void writeBoth(const Staging& s, const std::string& table, const std::string& index, mode_t tableMode, mode_t indexMode) {
    try {
        writeFileSynced(s.indexTemp, index, indexMode);
        reached(testing::WriteStep::IndexTempWritten);
        writeFileSynced(s.tableTemp, table, tableMode);
        reached(testing::WriteStep::TableTempWritten);
        renameFile(s.indexTemp, s.indexNew);
        syncFolderOf(s.table);
        reached(testing::WriteStep::IndexStaged);
        renameFile(s.tableTemp, s.tableNew);
        syncFolderOf(s.table);
    } catch (...) {
        for (const path& p : {s.tableTemp, s.indexTemp, s.indexNew, s.tableNew}) removeQuietly(p);
        throw;
    }
    reached(testing::WriteStep::TableStaged);
    finishCommitted(s);
}

}  // namespace

namespace testing {
void setWriteStepHook(WriteStepHook hook) { stepHook = hook; }
}  // namespace testing

path indexPathFor(const path& dbf) {
    const std::string ext = dbf.extension().string();
    const bool upper = !ext.empty() && ext == std::string(".DBF");
    path preferred = dbf, other = dbf;
    preferred.replace_extension(upper ? ".MDX" : ".mdx");
    other.replace_extension(upper ? ".mdx" : ".MDX");
    return !fileExists(preferred) && fileExists(other) ? other : preferred;
}

PairBytes readPair(const path& dbf) {
    const Staging s = stagingFor(dbf);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!fileExists(dbf)) {
            if (!fileExists(s.tableNew)) fail(dbf.string(), "table not found");
            recover(s);  // the very first write of the table was interrupted
            continue;
        }
        {
            FileLock lock(dbf, FileLock::Mode::Shared);
            if (!hasLeftovers(s)) {
                PairBytes out;
                out.table = readWholeFile(dbf);
                if (fileExists(s.index)) out.index = readWholeFile(s.index);
                return out;
            }
        }
        FileLock lock(dbf, FileLock::Mode::Exclusive);
        recover(s);
    }
    fail(dbf.string(), "cannot finish an interrupted write");
}

void writePair(const path& dbf, const std::string& table, const std::optional<std::string>& index) {
    const Staging s = stagingFor(dbf);
    refuseReadOnly(s.table);
    if (index) refuseReadOnly(s.index);
    std::optional<FileLock> lock;
    if (fileExists(dbf)) lock.emplace(dbf, FileLock::Mode::Exclusive);
    // A crashed writer may have left its files; settle them before ours.
    recover(s);
    const mode_t tableMode = fileMode(s.table).value_or(0644);
    if (!index) return writeTableOnly(s, table, tableMode);
    writeBoth(s, table, *index, tableMode, fileMode(s.index).value_or(tableMode));
}

}  // namespace dbase
