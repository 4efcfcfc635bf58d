#pragma once
#include <string_view>

namespace text {

// Leading and trailing blanks and control characters (bytes 0 to 32) removed.
// GBK trail bytes are never below 0x40, so this cannot cut a character.
inline std::string_view trimBlanks(std::string_view s) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace text
