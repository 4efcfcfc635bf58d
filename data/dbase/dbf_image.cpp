#include "data/dbase/dbf_image.h"

#include "data/dbase/byte_order.h"
#include "data/dbase/errors.h"
#include "data/dbase/file_date.h"
#include "data/dbase/text_util.h"

namespace dbase {
namespace {

constexpr std::size_t kFileHeader = 32;
constexpr std::size_t kDescriptor = 32;
constexpr char kTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;

bool knownType(char t) {
    switch (static_cast<FieldType>(t)) {
    case FieldType::Character:
    case FieldType::Numeric:
    case FieldType::Float:
    case FieldType::Date:
    case FieldType::Logical:
    case FieldType::Memo: return true;
    }
    return false;
}

// dBASE III+/IV tables, with or without a memo file; dBASE 7 and FoxPro
// headers are laid out differently.
bool knownVersion(std::uint8_t v) { return v == 0x03 || v == 0x83 || v == 0x8B; }

FieldDef parseDescriptor(std::string_view d, const std::string& name, int position) {
    FieldDef f;
    const std::string_view raw = d.substr(0, 11);
    f.name = std::string(raw.substr(0, raw.find('\0')));
    const std::string where = "field " + std::to_string(position + 1);
    if (f.name.empty()) fail(name, where + " has no name");
    if (!knownType(d[11])) fail(name, where + " (" + f.name + ") has unknown type byte " + std::to_string(static_cast<std::uint8_t>(d[11])));
    f.type = static_cast<FieldType>(d[11]);
    f.width = static_cast<std::uint8_t>(d[16]);
    f.decimals = static_cast<std::uint8_t>(d[17]);
    if (f.width == 0) fail(name, where + " (" + f.name + ") has width 0");
    const bool number = f.type == FieldType::Numeric || f.type == FieldType::Float;
    if (number && f.decimals >= f.width && f.decimals > 0)
        fail(name, where + " (" + f.name + ") has " + std::to_string(f.decimals) + " decimals in width " + std::to_string(f.width));
    if (!number) f.decimals = 0;
    return f;
}

bool validFieldName(std::string_view n) {
    if (n.empty() || n.size() > 10) return false;
    for (char c : n)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

void checkNewField(const FieldDef& f, const std::string& name) {
    const std::string where = "field " + f.name;
    if (!validFieldName(f.name)) fail(name, where + ": a field name is 1 to 10 letters, digits or _");
    switch (f.type) {
    case FieldType::Character:
        if (f.width < 1 || f.width > 254) fail(name, where + ": a character field is 1 to 254 bytes wide");
        if (f.decimals != 0) fail(name, where + ": a character field has no decimals");
        return;
    case FieldType::Numeric:
        if (f.width < 1 || f.width > 20) fail(name, where + ": a numeric field is 1 to 20 digits wide");
        if (f.decimals < 0 || (f.decimals > 0 && f.decimals > f.width - 2))
            fail(name, where + ": the decimals need room for the point and a digit");
        return;
    default: fail(name, where + ": only character and numeric fields can be created");
    }
}

}  // namespace

DbfImage parseDbf(std::string_view bytes, const std::string& name) {
    if (bytes.size() < kFileHeader + 1) fail(name, "file too short for a table header");
    const auto version = static_cast<std::uint8_t>(bytes[0]);
    if (!knownVersion(version)) fail(name, "not a dBASE III+/IV table (version byte " + std::to_string(version) + ")");
    const std::uint32_t count = getU32(bytes, 4);
    const std::uint32_t headerLength = getU16(bytes, 8);
    const std::uint32_t recordLength = getU16(bytes, 10);
    if (headerLength < kFileHeader + 1 || headerLength > bytes.size())
        fail(name, "header length " + std::to_string(headerLength) + " does not fit the file");

    DbfImage image;
    std::size_t at = kFileHeader;
    int sum = 1;
    while (true) {
        if (at >= headerLength) fail(name, "field descriptors lack their 0x0D terminator");
        if (bytes[at] == kTerminator) break;
        if (at + kDescriptor > headerLength) fail(name, "field descriptors lack their 0x0D terminator");
        FieldDef f = parseDescriptor(bytes.substr(at, kDescriptor), name, static_cast<int>(image.fields.size()));
        image.offsets.push_back(sum);
        sum += f.width;
        image.fields.push_back(std::move(f));
        at += kDescriptor;
    }
    if (image.fields.empty()) fail(name, "table has no fields");
    if (static_cast<std::uint32_t>(sum) != recordLength)
        fail(name, "record length " + std::to_string(recordLength) + " differs from 1 + the field widths (" + std::to_string(sum) + ")");

    const std::uint64_t dataBytes = static_cast<std::uint64_t>(count) * recordLength;
    const std::uint64_t expected = headerLength + dataBytes;
    const bool exact = bytes.size() == expected;
    const bool withMarker = bytes.size() == expected + 1 && bytes.back() == kEndOfFile;
    if (!exact && !withMarker)
        fail(name, "record count " + std::to_string(count) + " disagrees with the file size " + std::to_string(bytes.size()));

    image.header = std::string(bytes.substr(0, headerLength));
    image.recordLength = static_cast<int>(recordLength);
    image.records = std::string(bytes.substr(headerLength, dataBytes));
    return image;
}

DbfImage newDbf(const TableDef& def, const std::string& name) {
    if (def.fields.empty()) fail(name, "a table needs at least one field");
    if (def.fields.size() > 255) fail(name, "a table has at most 255 fields");
    DbfImage image;
    int sum = 1;
    for (const FieldDef& f : def.fields) {
        checkNewField(f, name);
        for (const FieldDef& other : image.fields)
            if (equalsIgnoreCase(other.name, f.name)) fail(name, "field " + f.name + " is defined twice");
        FieldDef stored = f;
        stored.name = toUpperAscii(f.name);
        image.offsets.push_back(sum);
        sum += f.width;
        image.fields.push_back(std::move(stored));
    }
    if (sum > 0xFFFF) fail(name, "records would be longer than 65535 bytes");

    const std::size_t headerLength = kFileHeader + kDescriptor * image.fields.size() + 1;
    std::string& h = image.header;
    h.assign(headerLength, '\0');
    h[0] = 0x03;
    putU16(h, 8, static_cast<std::uint32_t>(headerLength));
    putU16(h, 10, static_cast<std::uint32_t>(sum));
    h[28] = def.tag ? 0x01 : 0x00;
    h[29] = static_cast<char>(def.languageDriver);
    for (std::size_t i = 0; i < image.fields.size(); ++i) {
        const FieldDef& f = image.fields[i];
        const std::size_t d = kFileHeader + kDescriptor * i;
        h.replace(d, f.name.size(), f.name);
        h[d + 11] = static_cast<char>(f.type);
        h[d + 16] = static_cast<char>(f.width);
        h[d + 17] = static_cast<char>(f.decimals);
    }
    h[headerLength - 1] = kTerminator;
    image.recordLength = sum;
    return image;
}

std::string serializeDbf(const DbfImage& image) {
    std::string out;
    out.reserve(image.header.size() + image.records.size() + 1);
    out += image.header;
    const auto ymd = todayYmd();
    for (int i = 0; i < 3; ++i) out[1 + i] = static_cast<char>(ymd[i]);
    putU32(out, 4, static_cast<std::uint32_t>(image.recordCount()));
    out += image.records;
    out += kEndOfFile;
    return out;
}

}  // namespace dbase
