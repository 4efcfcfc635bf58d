#pragma once
// What the fuzz targets do with a table that loaded: read every field of
// every live row the way the program does (integers from number fields).

#include <string>

#include "data/dbase/field_value.h"
#include "data/dbase/table_store.h"

namespace dbase_fuzz {

inline const dbase::TableNames kNames{"fuzz.dbf", "fuzz.mdx"};

inline std::size_t readAllRows(const dbase::StoredTable& table, const std::vector<int>& order) {
    std::size_t bytes = 0;
    for (int record : order) {
        for (std::size_t f = 0; f < table.dbf.fields.size(); ++f) {
            const std::string_view raw = table.dbf.field(record, static_cast<int>(f));
            bytes += dbase::displayText(table.dbf.fields[f], raw).size();
            const dbase::FieldType type = table.dbf.fields[f].type;
            if (type != dbase::FieldType::Numeric && type != dbase::FieldType::Float) continue;
            try {
                bytes += static_cast<std::size_t>(dbase::integerValue(table.dbf.fields[f], raw, std::nullopt, kNames.table) & 1);
            } catch (const dbase::Error&) {
            }
        }
    }
    return bytes;
}

}  // namespace dbase_fuzz
