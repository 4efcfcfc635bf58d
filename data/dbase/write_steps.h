#pragma once
// The points of an atomic table write, for tests that fail or kill a write
// at each of them. Not for use by the program.

namespace dbase::testing {

enum class WriteStep {
    IndexTempWritten = 1,  // X.mdx.tmp written and flushed
    TableTempWritten,      // X.dbf.tmp written and flushed
    IndexStaged,           // X.mdx.tmp renamed to X.mdx.new
    TableStaged,           // X.dbf.tmp renamed to X.dbf.new: the change is committed
    IndexReplaced,         // X.mdx.new renamed to X.mdx
    TableReplaced,         // X.dbf.new (or X.dbf.tmp without index) renamed to X.dbf
};

// Called after each step; a hook that throws fails the write there.
using WriteStepHook = void (*)(WriteStep);
void setWriteStepHook(WriteStepHook hook);

}  // namespace dbase::testing
