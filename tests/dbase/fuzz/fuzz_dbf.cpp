// libFuzzer target: any bytes as a .dbf file, opened without a tag. A table
// that loads must also survive being written and read back unchanged.

#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "tests/dbase/fuzz/fuzz_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dbase::StoredTable table;
    try {
        table = dbase::parseTable(bytes, std::nullopt, {}, dbase_fuzz::kNames);
    } catch (const dbase::Error&) {
        return 0;
    }
    dbase_fuzz::readAllRows(table, dbase::liveOrder(table, dbase_fuzz::kNames.table));
    try {
        const dbase::DbfImage back = dbase::parseDbf(dbase::serializeDbf(table.dbf), "written.dbf");
        if (back.records != table.dbf.records || back.fields.size() != table.dbf.fields.size()) {
            std::fprintf(stderr, "written table reads back different\n");
            std::abort();
        }
    } catch (const dbase::Error& e) {
        std::fprintf(stderr, "written table does not read back: %s\n", e.what());
        std::abort();
    }
    return 0;
}
