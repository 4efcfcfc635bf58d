#pragma once
// A table file and its production index are replaced together or not at
// all. A write stages both new files beside the old ones, then renames:
//
//   X.mdx.tmp, X.dbf.tmp   written and flushed
//   X.mdx.tmp -> X.mdx.new
//   X.dbf.tmp -> X.dbf.new  the commit point: from here the new pair wins
//   X.mdx.new -> X.mdx, X.dbf.new -> X.dbf
//
// with the folder flushed after each stage. Whoever next opens the table
// finishes an interrupted write: X.dbf.new present means roll forward (the
// renames are redone), otherwise the staged files are dropped. Writers hold
// an exclusive lock on X.dbf, readers a shared one, so a write in progress
// is never mistaken for an interrupted one.

#include <filesystem>
#include <optional>
#include <string>

namespace dbase {

// NAME.mdx beside NAME.dbf, in the case of the table's extension unless
// only the other spelling exists.
std::filesystem::path indexPathFor(const std::filesystem::path& dbf);

struct PairBytes {
    std::string table;
    std::optional<std::string> index;  // when the index file exists
};

// Reads the table and its index as one consistent pair, finishing an
// interrupted write first.
PairBytes readPair(const std::filesystem::path& dbf);

// Replaces the table (and, when `index` is given, its index) atomically.
// Refuses files marked read-only and files locked by another program. On
// failure before the commit point, the old files are left exactly as they
// were and the staged files are removed.
void writePair(const std::filesystem::path& dbf, const std::string& table, const std::optional<std::string>& index);

}  // namespace dbase
