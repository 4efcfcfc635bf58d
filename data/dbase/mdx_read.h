#pragma once
// Reading a production index (.mdx): the file header, the tag table and a
// tag's B-tree, with every structural check that can be made without the
// table (blocks inside the file, no page reached twice, keys in order).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbase/numeric_key.h"

namespace dbase {

struct MdxTag {
    std::string name;
    std::string expression;  // blanks trimmed; a field name for the tags we use
    std::uint32_t headerBlock = 0;
    std::uint32_t rootBlock = 0;
    char keyType = 0;
    int keyLength = 0;
    int maxKeys = 0;
    int itemLength = 0;
    std::uint8_t keyFormat = 0;
    bool hasFilter = false;

    // An ascending, non-unique, unfiltered tag with 12-byte numeric keys:
    // the only kind this engine reads and rebuilds.
    bool isPlainNumeric() const;
};

struct MdxHeader {
    int pageBytes = 0;
    std::vector<MdxTag> tags;
};

struct LeafEntry {
    std::uint32_t record = 0;  // 1-based
    NumericKey key;
};

MdxHeader parseMdxHeader(std::string_view bytes, const std::string& name);
// The index of the tag named `tag` (case-insensitive), -1 when there is none.
int findTag(const MdxHeader& header, std::string_view tag);
// The leaves of a plain numeric tag in stored order.
std::vector<LeafEntry> readTagLeaves(std::string_view bytes, const MdxHeader& header, const MdxTag& tag,
                                     const std::string& name);

}  // namespace dbase
