#include "data/dbase/tag_keys.h"

#include <algorithm>
#include <numeric>

#include "data/dbase/errors.h"
#include "data/dbase/text_util.h"

namespace dbase {

std::vector<NumericKey> keysForField(const DbfImage& image, int field, const std::string& name) {
    std::vector<NumericKey> keys;
    keys.reserve(image.recordCount());
    for (int r = 0; r < image.recordCount(); ++r) {
        const auto key = NumericKey::fromFieldText(image.field(r, field));
        if (!key)
            fail(name, "record " + std::to_string(r + 1) + ": " + image.fields[field].name + " \"" +
                           std::string(trimSpaces(image.field(r, field))) + "\" is not a number that can be indexed");
        keys.push_back(*key);
    }
    return keys;
}

std::vector<int> sortedRecords(const std::vector<NumericKey>& keys) {
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(keys[a], keys[b]) < 0; });
    return order;
}

void verifyLeaves(const std::vector<LeafEntry>& leaves, const std::vector<NumericKey>& keys, const std::string& tag,
                  const std::string& name) {
    const std::string where = "tag " + tag + ": ";
    if (leaves.size() != keys.size())
        fail(name, where + "holds " + std::to_string(leaves.size()) + " keys for " + std::to_string(keys.size()) + " records");
    std::vector<bool> seen(keys.size(), false);
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        const std::uint32_t record = leaves[i].record;
        if (record < 1 || record > keys.size()) fail(name, where + "a key points at record " + std::to_string(record) + ", which does not exist");
        if (seen[record - 1]) fail(name, where + "record " + std::to_string(record) + " has more than one key");
        seen[record - 1] = true;
        if (compare(leaves[i].key, keys[record - 1]) != 0) fail(name, where + "the key of record " + std::to_string(record) + " disagrees with the record");
        if (i > 0 && compare(leaves[i - 1].key, leaves[i].key) > 0) fail(name, where + "keys out of order at record " + std::to_string(record));
    }
}

TagKeys tagKeys(const DbfImage& image, const TagDef& tag, int field, const std::string& name) {
    const std::vector<NumericKey> keys = keysForField(image, field, name);
    TagKeys out{toUpperAscii(tag.name), tag.field, {}};
    out.entries.reserve(keys.size());
    for (int r : sortedRecords(keys)) out.entries.emplace_back(static_cast<std::uint32_t>(r + 1), keys[r].toBcd());
    return out;
}

}  // namespace dbase
