#pragma once
// The value of a numeric field as the index sees it: sign, decimal exponent
// and up to 20 significant digits, with the 12-byte packed-BCD form the
// .mdx stores.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dbase {

using BcdKey = std::array<std::uint8_t, 12>;

struct NumericKey {
    static constexpr int kDigits = 20;  // ten BCD bytes

    int sign = 0;      // -1, 0 or 1; 0 means the value zero
    int exponent = 0;  // value = 0.d1d2d3... * 10^exponent
    std::array<std::uint8_t, kDigits> digits{};  // d1 != 0 unless zero

    // The text of a numeric field. A blank field indexes as zero, as the
    // other dBASE writers do. Digits past the 20th are dropped, as the key
    // cannot hold them. Not a number: nullopt.
    static std::optional<NumericKey> fromFieldText(std::string_view text);
    static NumericKey fromBcd(const std::uint8_t* key);
    BcdKey toBcd() const;

    friend bool operator==(const NumericKey&, const NumericKey&) = default;
};

// Orders by value: negatives < zero < positives.
int compare(const NumericKey& a, const NumericKey& b);

}  // namespace dbase
