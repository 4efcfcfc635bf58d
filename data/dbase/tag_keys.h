#pragma once
// The keys a numeric tag holds for a table, the row order they give, and
// the check that a stored tag agrees with the records.

#include <string>
#include <vector>

#include "data/dbase/dbf_image.h"
#include "data/dbase/mdx_read.h"
#include "data/dbase/mdx_write.h"

namespace dbase {

// One key per record, deleted ones included. Error when a record's field
// holds no number.
std::vector<NumericKey> keysForField(const DbfImage& image, int field, const std::string& name);
// Record indices (0-based) by ascending key, ties by record number.
std::vector<int> sortedRecords(const std::vector<NumericKey>& keys);
// Every record exactly once, each with its own key, keys ascending.
void verifyLeaves(const std::vector<LeafEntry>& leaves, const std::vector<NumericKey>& keys, const std::string& tag,
                  const std::string& name);
// What the writer needs for one tag on `field`.
TagKeys tagKeys(const DbfImage& image, const TagDef& tag, int field, const std::string& name);

}  // namespace dbase
