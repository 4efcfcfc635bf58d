#include "data/dbase/field_value.h"

#include <charconv>

#include "data/dbase/errors.h"
#include "data/dbase/text_util.h"

namespace dbase {
namespace {

// A decimal number split into its parts, leading zeros of the integer part
// and trailing zeros of the fraction dropped.
struct Decimal {
    bool negative = false;
    std::string_view integer;
    std::string_view fraction;
    bool zero() const { return integer.empty() && fraction.empty(); }
};

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<Decimal> parseDecimal(std::string_view text) {
    Decimal d;
    std::string_view s = trimSpaces(text);
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        d.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::size_t point = s.find('.');
    d.integer = s.substr(0, point);
    d.fraction = point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (d.integer.empty() && d.fraction.empty()) return std::nullopt;
    if (!allDigits(d.integer) || !allDigits(d.fraction)) return std::nullopt;
    while (!d.integer.empty() && d.integer.front() == '0') d.integer.remove_prefix(1);
    while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.remove_suffix(1);
    return d;
}

std::string describe(const FieldDef& f) {
    return f.name + " (" + static_cast<char>(f.type) + " " + std::to_string(f.width) +
           (f.type == FieldType::Numeric ? "," + std::to_string(f.decimals) : "") + ")";
}

// The integer a parsed decimal holds; nullopt when it has a fraction or
// does not fit a long long.
std::optional<long long> integerOf(const Decimal& d) {
    if (!d.fraction.empty()) return std::nullopt;
    if (d.integer.empty()) return 0;
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(d.integer.data(), d.integer.data() + d.integer.size(), magnitude);
    if (ec != std::errc() || end != d.integer.data() + d.integer.size()) return std::nullopt;
    constexpr unsigned long long limit = 9223372036854775807ULL;
    if (magnitude > limit + (d.negative ? 1 : 0)) return std::nullopt;
    if (!d.negative) return static_cast<long long>(magnitude);
    return magnitude == limit + 1 ? (-9223372036854775807LL - 1) : -static_cast<long long>(magnitude);
}

void checkRange(long long v, const FieldDef& f, const std::optional<IntegerRange>& range, const std::string& file) {
    if (range && (v < range->min || v > range->max))
        fail(file, describe(f) + ": " + std::to_string(v) + " is outside " + std::to_string(range->min) + ".." + std::to_string(range->max));
}

std::string encodeNumber(const FieldDef& f, std::string_view text, const std::optional<IntegerRange>& range, const std::string& file) {
    if (trimSpaces(text).empty()) return std::string(f.width, ' ');  // a blank (null) number
    const auto d = parseDecimal(text);
    if (!d) fail(file, describe(f) + ": \"" + std::string(text) + "\" is not a number");
    if (static_cast<int>(d->fraction.size()) > f.decimals)
        fail(file, describe(f) + ": \"" + std::string(text) + "\" has more decimals than the field keeps");
    if (range) {
        const auto v = integerOf(*d);
        if (!v) fail(file, describe(f) + ": \"" + std::string(text) + "\" is not an integer in " + std::to_string(range->min) + ".." + std::to_string(range->max));
        checkRange(*v, f, range, file);
    }
    std::string out = d->negative && !d->zero() ? "-" : "";
    out += d->integer.empty() ? "0" : std::string(d->integer);
    if (f.decimals > 0) out += "." + std::string(d->fraction) + std::string(f.decimals - d->fraction.size(), '0');
    if (static_cast<int>(out.size()) > f.width) fail(file, describe(f) + ": \"" + std::string(text) + "\" needs more digits than the field has");
    return std::string(f.width - out.size(), ' ') + out;
}

}  // namespace

std::string displayText(const FieldDef& field, std::string_view raw) {
    return std::string(field.type == FieldType::Character ? trimTrailingSpaces(raw) : trimSpaces(raw));
}

long long integerValue(const FieldDef& field, std::string_view raw, const std::optional<IntegerRange>& range, const std::string& file) {
    if (trimSpaces(raw).empty()) return 0;
    const auto d = parseDecimal(raw);
    const auto v = d ? integerOf(*d) : std::nullopt;
    if (!v) fail(file, describe(field) + ": \"" + std::string(trimSpaces(raw)) + "\" is not an integer");
    checkRange(*v, field, range, file);
    return *v;
}

std::string encodeText(const FieldDef& field, std::string_view text, const std::optional<IntegerRange>& range, const std::string& file) {
    switch (field.type) {
    case FieldType::Character: {
        if (static_cast<int>(text.size()) > field.width)
            fail(file, describe(field) + ": " + std::to_string(text.size()) + " bytes do not fit");
        if (range && !trimSpaces(text).empty()) checkRange(integerValue(field, text, std::nullopt, file), field, range, file);
        std::string out(text);
        out.resize(field.width, ' ');
        return out;
    }
    case FieldType::Numeric: return encodeNumber(field, text, range, file);
    default: fail(file, describe(field) + ": this field type is read-only here");
    }
}

}  // namespace dbase
