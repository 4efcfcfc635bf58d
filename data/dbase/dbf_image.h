#pragma once
// A .dbf file held in memory: its header as read (so bytes we do not
// interpret survive a rewrite), the field layout and the raw records.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbase/table.h"

namespace dbase {

struct DbfImage {
    std::string header;  // up to the first record; date and count are set on write
    std::vector<FieldDef> fields;
    std::vector<int> offsets;  // of each field in a record; byte 0 is the deletion flag
    int recordLength = 0;
    std::string records;  // all records back to back, deleted ones included

    int recordCount() const { return recordLength == 0 ? 0 : static_cast<int>(records.size() / recordLength); }
    std::string_view record(int index) const {
        return std::string_view(records).substr(static_cast<std::size_t>(index) * recordLength, recordLength);
    }
    std::string_view field(int index, int field) const { return record(index).substr(offsets[field], fields[field].width); }
    bool deleted(int index) const { return records[static_cast<std::size_t>(index) * recordLength] == '*'; }
    bool hasProductionIndex() const { return (static_cast<std::uint8_t>(header[28]) & 0x01) != 0; }
    std::string blankRecord() const { return std::string(recordLength, ' '); }
};

// Parses a whole file; `name` is used in error messages.
DbfImage parseDbf(std::string_view bytes, const std::string& name);
// An empty table with the given layout; refuses a layout the engine cannot write.
DbfImage newDbf(const TableDef& def, const std::string& name);
// The file bytes: header with today's date and the record count, records, 0x1A.
std::string serializeDbf(const DbfImage& image);

}  // namespace dbase
