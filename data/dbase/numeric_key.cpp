#include "data/dbase/numeric_key.h"

#include "data/dbase/text_util.h"

namespace dbase {

std::optional<NumericKey> NumericKey::fromFieldText(std::string_view text) {
    NumericKey key;
    std::string_view s = trimSpaces(text);
    if (s.empty()) return key;
    bool negative = false;
    if (s.front() == '-' || s.front() == '+') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool sawDigit = false;
    bool sawPoint = false;
    int integerDigits = 0;  // digits before the point, leading zeros excluded
    int leadingFractionZeros = 0;
    int count = 0;
    for (char c : s) {
        if (c == '.') {
            if (sawPoint) return std::nullopt;
            sawPoint = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        sawDigit = true;
        const int d = c - '0';
        if (count == 0 && d == 0) {
            if (sawPoint) ++leadingFractionZeros;
            continue;  // not significant yet
        }
        if (!sawPoint) ++integerDigits;
        if (count < kDigits) key.digits[count] = static_cast<std::uint8_t>(d);
        ++count;
    }
    if (!sawDigit) return std::nullopt;
    int kept = count < kDigits ? count : kDigits;
    while (kept > 0 && key.digits[kept - 1] == 0) --kept;
    if (kept == 0) return NumericKey{};
    key.sign = negative ? -1 : 1;
    key.exponent = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    // The key stores the exponent in one byte, biased by 0x34.
    if (key.exponent + 0x34 < 0 || key.exponent + 0x34 > 0xFF) return std::nullopt;
    return key;
}

NumericKey NumericKey::fromBcd(const std::uint8_t* bcd) {
    NumericKey key;
    bool any = false;
    for (int i = 0; i < kDigits; ++i) {
        const std::uint8_t byte = bcd[2 + i / 2];
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        key.digits[i] = static_cast<std::uint8_t>(nibble);
        any = any || nibble != 0;
    }
    if (!any) return NumericKey{};
    key.sign = (bcd[1] & 0x80) ? -1 : 1;
    key.exponent = static_cast<int>(bcd[0]) - 0x34;
    return key;
}

BcdKey NumericKey::toBcd() const {
    BcdKey out{};
    out[0] = static_cast<std::uint8_t>(0x34 + exponent);
    int significant = 0;
    for (int i = 0; i < kDigits; ++i)
        if (digits[i] != 0) significant = i + 1;
    // Byte 1 as the Borland and TDbf writers fill it: one bit, the sign and
    // the count of digit pairs. Readers ignore all but the sign.
    out[1] = static_cast<std::uint8_t>(((significant + 1) / 2) * 8 + 1);
    if (sign < 0) out[1] |= 0x80;
    for (int i = 0; i < kDigits; ++i)
        out[2 + i / 2] |= static_cast<std::uint8_t>(i % 2 == 0 ? digits[i] << 4 : digits[i]);
    return out;
}

int compare(const NumericKey& a, const NumericKey& b) {
    if (a.sign != b.sign) return a.sign < b.sign ? -1 : 1;
    if (a.sign == 0) return 0;
    int magnitude = 0;
    if (a.exponent != b.exponent) {
        magnitude = a.exponent < b.exponent ? -1 : 1;
    } else {
        for (int i = 0; i < NumericKey::kDigits && magnitude == 0; ++i)
            if (a.digits[i] != b.digits[i]) magnitude = a.digits[i] < b.digits[i] ? -1 : 1;
    }
    return a.sign > 0 ? magnitude : -magnitude;
}

}  // namespace dbase
