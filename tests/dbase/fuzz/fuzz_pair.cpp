// libFuzzer target: a .dbf and its .mdx opened under a tag. The input is a
// 2-byte little-endian length, that many bytes of table, then the index.
// A table that opens must give the same rows in the same order once its
// index is rebuilt by our writer and checked by our reader again.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/dbase/mdx_read.h"
#include "tests/dbase/fuzz/fuzz_rows.h"

namespace {

std::vector<std::string> tagsToTry(std::string_view mdx) {
    try {
        std::vector<std::string> names;
        for (const dbase::MdxTag& t : dbase::parseMdxHeader(mdx, dbase_fuzz::kNames.index).tags) {
            if (t.name.empty()) continue;  // opening "under" no name opens without a tag
            names.push_back(t.name);
            if (names.size() == 3) break;
        }
        if (!names.empty()) return names;
    } catch (const dbase::Error&) {
    }
    return {"FUZZ_ON"};  // still runs the table checks and the failing tag lookup
}

[[noreturn]] void broken(const char* what, const char* detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail);
    std::abort();
}

void checkRebuild(const dbase::StoredTable& table, const std::string& tag, const std::vector<int>& order) {
    dbase::StoredTable rebuilt = table;
    rebuilt.indexProblem.clear();
    rebuilt.indexTags = {dbase::TagDef{tag, table.dbf.fields[table.orderField].name}};
    try {
        const dbase::PairBytes bytes = dbase::tableBytes(rebuilt, table.dbf, "fuzz", dbase_fuzz::kNames.table);
        const dbase::StoredTable again = dbase::parseTable(bytes.table, bytes.index, tag, dbase_fuzz::kNames);
        if (dbase::liveOrder(again, dbase_fuzz::kNames.table) != order) broken("rebuilt index", "gives another order");
    } catch (const dbase::Error& e) {
        broken("rebuilt index does not read back", e.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t split = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const std::string_view dbf(reinterpret_cast<const char*>(data) + 2, split);
    const std::string mdx(reinterpret_cast<const char*>(data) + 2 + split, size - 2 - split);
    for (const std::string& tag : tagsToTry(mdx)) {
        dbase::StoredTable table;
        try {
            table = dbase::parseTable(dbf, mdx, tag, dbase_fuzz::kNames);
        } catch (const dbase::Error&) {
            continue;
        }
        const std::vector<int> order = dbase::liveOrder(table, dbase_fuzz::kNames.table);
        dbase_fuzz::readAllRows(table, order);
        checkRebuild(table, tag, order);
    }
    return 0;
}
