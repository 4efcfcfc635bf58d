#pragma once
// A table as the engine holds it between writes: the .dbf image, the tags
// its production index must hold, and which field orders the rows.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbase/atomic_pair.h"
#include "data/dbase/dbf_image.h"

namespace dbase {

struct StoredTable {
    DbfImage dbf;
    std::vector<TagDef> indexTags;  // rebuilt on every write when the table has an index
    std::string indexProblem;       // non-empty: why the index cannot be rewritten
    int orderField = -1;            // the open tag's field; -1: record order
};

struct TableNames {
    std::string table, index;  // for error messages
};

// From file contents. With a tag, the index must be present, sound and
// agree with the records. Without one, the index is only looked at to know
// which tags to rebuild; a damaged one makes writes fail, not the open.
StoredTable parseTable(std::string_view dbf, const std::optional<std::string>& mdx, std::string_view tag,
                       const TableNames& names);
StoredTable loadTable(const std::filesystem::path& dbf, std::string_view tag);
// The bytes of the table file and, when it has one, its rebuilt index.
// `tableName` is the .dbf's name without folder or extension.
PairBytes tableBytes(const StoredTable& table, const DbfImage& image, const std::string& tableName, const std::string& name);
// Rewrites `dbf` (and its index) from `image`.
void saveTable(const std::filesystem::path& dbf, const StoredTable& table, const DbfImage& image);
// Creates a table holding `rows` (texts for the first fields of each row,
// checked like setFieldText) in one write, for fixtures and bulk imports.
void createTableWithRows(const std::filesystem::path& dbf, const TableDef& def, const std::vector<std::vector<std::string>>& rows);
// The live records (0-based) in the table's order.
std::vector<int> liveOrder(const StoredTable& table, const std::string& name);

}  // namespace dbase
