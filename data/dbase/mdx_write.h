#pragma once
// Writing a production index from scratch, laid out as Borland's engine
// lays it out: header and tag table in blocks 0-3, each tag's header page
// followed by its root and the other nodes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbase/numeric_key.h"

namespace dbase {

struct TagKeys {
    std::string name;        // upper case, at most 10 characters
    std::string expression;  // the field name
    // Every record, deleted or not, in key order (ties by record number).
    std::vector<std::pair<std::uint32_t, BcdKey>> entries;
};

// `tableName` is the .dbf's name without folder or extension.
std::string buildMdx(std::string_view tableName, const std::vector<TagKeys>& tags);

}  // namespace dbase
