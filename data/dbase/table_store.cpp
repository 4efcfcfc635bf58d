#include "data/dbase/table_store.h"

#include "data/dbase/atomic_pair.h"
#include "data/dbase/errors.h"
#include "data/dbase/field_value.h"
#include "data/dbase/mdx_read.h"
#include "data/dbase/mdx_write.h"
#include "data/dbase/tag_keys.h"
#include "data/dbase/text_util.h"

namespace dbase {
namespace {

int numericField(const DbfImage& dbf, std::string_view name) {
    for (std::size_t i = 0; i < dbf.fields.size(); ++i) {
        const FieldDef& f = dbf.fields[i];
        if (equalsIgnoreCase(f.name, name) && (f.type == FieldType::Numeric || f.type == FieldType::Float)) return static_cast<int>(i);
    }
    return -1;
}

// The tags to rebuild on write; every one must be a kind this engine makes.
void takeIndexTags(StoredTable& table, const MdxHeader& header, const std::string& indexName) {
    for (const MdxTag& t : header.tags) {
        if (!t.isPlainNumeric() || numericField(table.dbf, t.expression) < 0) {
            table.indexProblem = indexName + ": tag " + t.name + " is not an ascending tag on a numeric field; this program cannot maintain it";
            table.indexTags.clear();
            return;
        }
        table.indexTags.push_back({t.name, t.expression});
    }
}

}  // namespace

StoredTable parseTable(std::string_view dbf, const std::optional<std::string>& mdx, std::string_view tag, const TableNames& names) {
    StoredTable table;
    table.dbf = parseDbf(dbf, names.table);
    const bool indexed = table.dbf.hasProductionIndex();
    if (!tag.empty() && !indexed) fail(names.table, "the table declares no production index, so it has no tag " + std::string(tag));
    if (!indexed) return table;
    if (!mdx) {
        if (!tag.empty()) fail(names.table, "production index missing (" + names.index + ")");
        table.indexProblem = names.index + ": production index missing";
        return table;
    }
    if (tag.empty()) {
        try {
            takeIndexTags(table, parseMdxHeader(*mdx, names.index), names.index);
        } catch (const Error& e) {
            table.indexProblem = e.what();
        }
        return table;
    }

    const MdxHeader header = parseMdxHeader(*mdx, names.index);
    const int found = findTag(header, tag);
    if (found < 0) fail(names.index, "no tag named " + std::string(tag));
    const MdxTag& t = header.tags[found];
    table.orderField = numericField(table.dbf, t.expression);
    if (!t.isPlainNumeric() || table.orderField < 0)
        fail(names.index, "tag " + t.name + " is not an ascending tag on a numeric field");
    const std::vector<NumericKey> keys = keysForField(table.dbf, table.orderField, names.table);
    verifyLeaves(readTagLeaves(*mdx, header, t, names.index), keys, t.name, names.index);
    takeIndexTags(table, header, names.index);
    return table;
}

StoredTable loadTable(const std::filesystem::path& dbf, std::string_view tag) {
    const PairBytes bytes = readPair(dbf);
    return parseTable(bytes.table, bytes.index, tag, {dbf.string(), indexPathFor(dbf).string()});
}

PairBytes tableBytes(const StoredTable& table, const DbfImage& image, const std::string& tableName, const std::string& name) {
    if (!table.indexProblem.empty()) throw Error(table.indexProblem);
    PairBytes out;
    if (image.hasProductionIndex()) {
        std::vector<TagKeys> tags;
        for (const TagDef& t : table.indexTags) {
            const int field = numericField(image, t.field);
            if (field < 0) fail(name, "tag " + t.name + " is not on a numeric field");
            tags.push_back(tagKeys(image, t, field, name));
        }
        out.index = buildMdx(tableName, tags);
    }
    out.table = serializeDbf(image);
    return out;
}

void saveTable(const std::filesystem::path& dbf, const StoredTable& table, const DbfImage& image) {
    const PairBytes bytes = tableBytes(table, image, dbf.stem().string(), dbf.string());
    writePair(dbf, bytes.table, bytes.index);
}

void createTableWithRows(const std::filesystem::path& dbf, const TableDef& def, const std::vector<std::vector<std::string>>& rows) {
    StoredTable table;
    table.dbf = newDbf(def, dbf.string());
    if (def.tag) table.indexTags = {*def.tag};
    for (const auto& row : rows) {
        if (row.size() > table.dbf.fields.size()) fail(dbf.string(), "a row has more values than the table has fields");
        std::string record = table.dbf.blankRecord();
        for (std::size_t f = 0; f < row.size(); ++f) {
            const FieldDef& field = table.dbf.fields[f];
            record.replace(table.dbf.offsets[f], field.width, encodeText(field, row[f], std::nullopt, dbf.string()));
        }
        table.dbf.records += record;
    }
    saveTable(dbf, table, table.dbf);
}

std::vector<int> liveOrder(const StoredTable& table, const std::string& name) {
    const DbfImage& dbf = table.dbf;
    std::vector<int> all;
    if (table.orderField >= 0) {
        all = sortedRecords(keysForField(dbf, table.orderField, name));
    } else {
        all.resize(dbf.recordCount());
        for (int i = 0; i < dbf.recordCount(); ++i) all[i] = i;
    }
    std::vector<int> live;
    live.reserve(all.size());
    for (int r : all)
        if (!dbf.deleted(r)) live.push_back(r);
    return live;
}

}  // namespace dbase
