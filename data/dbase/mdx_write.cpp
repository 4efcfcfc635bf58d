#include "data/dbase/mdx_write.h"

#include "data/dbase/byte_order.h"
#include "data/dbase/file_date.h"
#include "data/dbase/text_util.h"

namespace dbase {
namespace {

constexpr std::size_t kBlock = 512;
constexpr std::size_t kPage = 1024;
constexpr std::uint32_t kBlocksPerPage = kPage / kBlock;
constexpr std::size_t kTagTable = 544;
constexpr std::size_t kTagEntry = 32;
constexpr std::size_t kItem = 16;
constexpr std::size_t kLeafKeys = 63;  // (1024 - 8) / 16
// TDbf takes a node holding the maximum count for a leaf, so inner nodes
// stay one entry short of it: 62 entries plus the trailing child pointer.
constexpr std::size_t kInnerChildren = 63;
constexpr char kFieldKey = 0x10;

struct Node {
    std::uint32_t block = 0;
    BcdKey highKey{};
    std::size_t first = 0, count = 0;  // entries (leaf) or children one level down
};

using Level = std::vector<Node>;

// Splits `n` items into as few groups of at most `cap` as possible, evenly.
std::vector<std::pair<std::size_t, std::size_t>> split(std::size_t n, std::size_t cap) {
    const std::size_t groups = n == 0 ? 1 : (n + cap - 1) / cap;
    std::vector<std::pair<std::size_t, std::size_t>> out;
    std::size_t start = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        const std::size_t size = n / groups + (g < n % groups ? 1 : 0);
        out.emplace_back(start, size);
        start += size;
    }
    return out;
}

// Levels from the leaves up; the last holds the root alone.
std::vector<Level> shape(const TagKeys& tag) {
    std::vector<Level> levels(1);
    for (auto [first, count] : split(tag.entries.size(), kLeafKeys))
        levels[0].push_back({0, count ? tag.entries[first + count - 1].second : BcdKey{}, first, count});
    while (levels.back().size() > 1) {
        Level up;
        for (auto [first, count] : split(levels.back().size(), kInnerChildren))
            up.push_back({0, levels.back()[first + count - 1].highKey, first, count});
        levels.push_back(std::move(up));
    }
    return levels;
}

class MdxBuilder {
public:
    explicit MdxBuilder(std::string_view tableName) : file_(4 * kBlock, '\0'), ymd_(todayYmd()) {
        file_[0] = 2;
        putDate(1);
        const std::string base = toUpperAscii(tableName.substr(0, 16));
        file_.replace(4, base.size(), base);
        putU16(file_, 20, kBlocksPerPage);
        putU16(file_, 22, kPage);
        file_[24] = 1;
        file_[25] = 48;
        file_[26] = kTagEntry;
        putDate(44);
        file_[529] = 1;
    }

    void addTag(const TagKeys& tag, std::size_t number) {
        const std::uint32_t header = allocate();
        std::vector<Level> levels = shape(tag);
        // The root comes right after the tag header, then each level down.
        std::size_t nodes = 0;
        for (auto level = levels.rbegin(); level != levels.rend(); ++level)
            for (Node& node : *level) {
                node.block = allocate();
                ++nodes;
            }
        for (const Node& leaf : levels[0]) writeLeaf(tag, leaf);
        for (std::size_t depth = 1; depth < levels.size(); ++depth)
            for (const Node& node : levels[depth]) writeInner(levels[depth - 1], node);

        const std::size_t entry = kTagTable + kTagEntry * number;
        putU32(file_, entry, header);
        file_.replace(entry + 4, tag.name.size(), tag.name);
        file_[entry + 15] = kFieldKey;
        file_[entry + 19] = 0x02;
        file_[entry + 20] = 'N';

        const std::uint32_t root = levels.back().front().block;
        const std::size_t h = header * kBlock;
        putU32(file_, h, root);
        putU32(file_, h + 4, static_cast<std::uint32_t>(nodes * kBlocksPerPage));
        file_[h + 8] = kFieldKey;
        file_[h + 9] = 'N';
        putU16(file_, h + 12, 12);
        putU16(file_, h + 14, kLeafKeys);
        putU16(file_, h + 18, kItem);
        file_[h + 20] = 2;
        file_.replace(h + 24, tag.expression.size(), tag.expression);
        file_[h + 246] = tag.entries.empty() ? 0 : 1;
        putU32(file_, h + 248, root);
        putU32(file_, h + 252, root);
        putDate(h + 257);
        file_[h + 480] = 1;
    }

    // The tag table entries also form a binary tree of the tag names.
    void linkTagNames(const std::vector<TagKeys>& tags) {
        for (std::size_t i = 1; i < tags.size(); ++i) {
            std::size_t at = 0;
            while (true) {
                const std::size_t entry = kTagTable + kTagEntry * at;
                const std::size_t side = entry + (tags[i].name < tags[at].name ? 16 : 17);
                const auto child = static_cast<std::uint8_t>(file_[side]);
                if (child == 0) {
                    file_[side] = static_cast<char>(i + 1);
                    file_[kTagTable + kTagEntry * i + 18] = static_cast<char>(at + 1);
                    break;
                }
                at = child - 1u;
            }
        }
        putU16(file_, 28, static_cast<std::uint32_t>(tags.size()));
    }

    std::string finish() {
        putU32(file_, 32, static_cast<std::uint32_t>(file_.size() / kBlock));
        return std::move(file_);
    }

private:
    std::uint32_t allocate() {
        const auto block = static_cast<std::uint32_t>(file_.size() / kBlock);
        file_.append(kPage, '\0');
        return block;
    }

    void writeLeaf(const TagKeys& tag, const Node& leaf) {
        putU32(file_, leaf.block * kBlock, static_cast<std::uint32_t>(leaf.count));
        for (std::size_t i = 0; i < leaf.count; ++i) {
            const auto& [record, key] = tag.entries[leaf.first + i];
            writeItem(leaf.block, i, record, key);
        }
    }

    // Entry i points at child i with its highest key; the last child
    // follows the entries as a bare pointer.
    void writeInner(const Level& below, const Node& node) {
        const std::size_t entries = node.count - 1;
        putU32(file_, node.block * kBlock, static_cast<std::uint32_t>(entries));
        for (std::size_t i = 0; i < entries; ++i) writeItem(node.block, i, below[node.first + i].block, below[node.first + i].highKey);
        putU32(file_, node.block * kBlock + 8 + entries * kItem, below[node.first + entries].block);
    }

    void writeItem(std::uint32_t block, std::size_t i, std::uint32_t pointer, const BcdKey& key) {
        const std::size_t item = block * kBlock + 8 + i * kItem;
        putU32(file_, item, pointer);
        for (std::size_t b = 0; b < key.size(); ++b) file_[item + 4 + b] = static_cast<char>(key[b]);
    }

    void putDate(std::size_t at) {
        for (int i = 0; i < 3; ++i) file_[at + i] = static_cast<char>(ymd_[i]);
    }

    std::string file_;
    std::array<std::uint8_t, 3> ymd_;
};

}  // namespace

std::string buildMdx(std::string_view tableName, const std::vector<TagKeys>& tags) {
    MdxBuilder builder(tableName);
    for (std::size_t i = 0; i < tags.size(); ++i) builder.addTag(tags[i], i);
    builder.linkTagNames(tags);
    return builder.finish();
}

}  // namespace dbase
