#include "data/dbase/mdx_read.h"

#include <optional>

#include "data/dbase/byte_order.h"
#include "data/dbase/errors.h"
#include "data/dbase/text_util.h"

namespace dbase {
namespace {

constexpr std::size_t kBlock = 512;
constexpr std::size_t kTagTable = 544;
constexpr std::size_t kTagEntry = 32;
constexpr int kMaxTags = 47;
constexpr int kMaxDepth = 32;
constexpr std::uint8_t kDescending = 0x08;
constexpr std::uint8_t kUnique = 0x40;

std::string cString(std::string_view b) { return std::string(b.substr(0, b.find('\0'))); }

MdxTag parseTag(std::string_view bytes, std::size_t entry, int pageBytes, const std::string& name) {
    MdxTag t;
    t.headerBlock = getU32(bytes, entry);
    t.name = cString(bytes.substr(entry + 4, 11));
    const std::string where = "tag " + t.name;
    const std::uint64_t at = static_cast<std::uint64_t>(t.headerBlock) * kBlock;
    if (t.headerBlock < 4 || at + pageBytes > bytes.size()) fail(name, where + ": header block " + std::to_string(t.headerBlock) + " outside the file");
    const std::string_view h = bytes.substr(at, pageBytes);
    t.rootBlock = getU32(h, 0);
    t.keyFormat = static_cast<std::uint8_t>(h[8]);
    t.keyType = h[9];
    t.keyLength = static_cast<int>(getU16(h, 12));
    t.maxKeys = static_cast<int>(getU16(h, 14));
    t.itemLength = static_cast<int>(getU16(h, 18));
    t.expression = std::string(trimSpaces(cString(h.substr(24, 220))));
    t.hasFilter = h[245] != 0;
    if (t.keyLength < 1 || t.keyLength > 100) fail(name, where + ": key length " + std::to_string(t.keyLength) + " out of range");
    if (t.itemLength < t.keyLength + 4 || t.itemLength % 4 != 0) fail(name, where + ": key item length " + std::to_string(t.itemLength) + " does not suit the key length");
    // Both counts come from the file: multiply without overflow.
    if (t.maxKeys < 1 || 8 + static_cast<std::int64_t>(t.maxKeys) * t.itemLength > pageBytes) fail(name, where + ": " + std::to_string(t.maxKeys) + " keys do not fit a page");
    return t;
}

// Walks the tree depth first, collecting the leaves in order.
class TreeWalk {
public:
    TreeWalk(std::string_view bytes, const MdxHeader& header, const MdxTag& tag, const std::string& name)
        : bytes_(bytes), pageBytes_(header.pageBytes), tag_(tag), name_(name), visited_(bytes.size() / kBlock + 1, false) {
        claim(tag.headerBlock);
    }

    std::vector<LeafEntry> run() {
        walk(tag_.rootBlock, 0);
        return std::move(leaves_);
    }

private:
    struct Span { std::optional<NumericKey> low, high; };

    [[noreturn]] void damaged(const std::string& what) const { fail(name_, "tag " + tag_.name + ": " + what); }

    Span walk(std::uint32_t block, int depth) {
        if (depth > kMaxDepth) damaged("tree deeper than " + std::to_string(kMaxDepth) + " levels");
        const std::uint64_t at = static_cast<std::uint64_t>(block) * kBlock;
        if (block < 4 || at + pageBytes_ > bytes_.size()) damaged("node block " + std::to_string(block) + " outside the file");
        claim(block);

        const std::string_view page = bytes_.substr(at, pageBytes_);
        const std::uint32_t n = getU32(page, 0);
        if (n > static_cast<std::uint32_t>(tag_.maxKeys)) damaged("node block " + std::to_string(block) + " claims " + std::to_string(n) + " keys");
        const std::size_t after = 8 + static_cast<std::size_t>(n) * tag_.itemLength;
        // A node is inner when a child pointer follows its entries.
        const std::uint32_t lastChild = after + 4 <= page.size() ? getU32(page, after) : 0;
        Span span;
        std::optional<NumericKey> separator;  // of the previous entry
        auto child = [&](std::uint32_t childBlock) {
            const Span keys = walk(childBlock, depth + 1);
            if (keys.low && separator && compare(*keys.low, *separator) < 0)
                damaged("a child of block " + std::to_string(block) + " holds keys below its separator");
            extend(span, keys);
            return keys;
        };
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::string_view item = page.substr(8 + static_cast<std::size_t>(i) * tag_.itemLength, tag_.itemLength);
            const NumericKey key = NumericKey::fromBcd(reinterpret_cast<const std::uint8_t*>(item.data() + 4));
            if (lastChild == 0) {
                leaves_.push_back({getU32(item, 0), key});
                extend(span, Span{key, key});
                continue;
            }
            const Span keys = child(getU32(item, 0));
            if (keys.high && compare(*keys.high, key) > 0)
                damaged("a child of block " + std::to_string(block) + " holds keys above its separator");
            if (separator && compare(*separator, key) > 0) damaged("separators out of order in block " + std::to_string(block));
            separator = key;
        }
        if (lastChild != 0) child(lastChild);
        return span;
    }

    // Each block belongs to one page of one node at most.
    void claim(std::uint32_t block) {
        for (std::uint32_t b = block; b < block + pageBytes_ / kBlock; ++b) {
            if (visited_[b]) damaged("node block " + std::to_string(block) + " reached twice");
            visited_[b] = true;
        }
    }

    static void extend(Span& span, const Span& more) {
        if (!more.low) return;
        if (!span.low) span.low = more.low;
        span.high = more.high;
    }

    std::string_view bytes_;
    int pageBytes_;
    const MdxTag& tag_;
    const std::string& name_;
    std::vector<bool> visited_;
    std::vector<LeafEntry> leaves_;
};

}  // namespace

bool MdxTag::isPlainNumeric() const {
    return keyType == 'N' && keyLength == 12 && (keyFormat & (kDescending | kUnique)) == 0 && !hasFilter;
}

MdxHeader parseMdxHeader(std::string_view bytes, const std::string& name) {
    if (bytes.size() < 4 * kBlock) fail(name, "file too short for an index header");
    if (bytes[0] != 2) fail(name, "not a dBASE IV index (version byte " + std::to_string(static_cast<std::uint8_t>(bytes[0])) + ")");
    const std::uint32_t blocksPerPage = getU16(bytes, 20);
    const std::uint32_t pageBytes = getU16(bytes, 22);
    if (bytes[24] != 1) fail(name, "not marked as a production index");
    if (blocksPerPage == 0 || pageBytes != blocksPerPage * kBlock) fail(name, "page size fields disagree");
    if (static_cast<std::uint8_t>(bytes[26]) != kTagEntry) fail(name, "tag entry length is not 32");
    const std::uint32_t tagCount = getU16(bytes, 28);
    if (tagCount > kMaxTags) fail(name, std::to_string(tagCount) + " tags in use, at most 47 allowed");
    const std::uint64_t totalBlocks = getU32(bytes, 32);
    if (totalBlocks * kBlock > bytes.size()) fail(name, "header counts " + std::to_string(totalBlocks) + " blocks, the file is shorter");

    MdxHeader header;
    header.pageBytes = static_cast<int>(pageBytes);
    for (std::uint32_t i = 0; i < tagCount; ++i) header.tags.push_back(parseTag(bytes, kTagTable + kTagEntry * i, header.pageBytes, name));
    return header;
}

int findTag(const MdxHeader& header, std::string_view tag) {
    for (std::size_t i = 0; i < header.tags.size(); ++i)
        if (equalsIgnoreCase(header.tags[i].name, tag)) return static_cast<int>(i);
    return -1;
}

std::vector<LeafEntry> readTagLeaves(std::string_view bytes, const MdxHeader& header, const MdxTag& tag, const std::string& name) {
    return TreeWalk(bytes, header, tag, name).run();
}

}  // namespace dbase
