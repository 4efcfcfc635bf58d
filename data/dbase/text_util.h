#pragma once
// Small helpers on raw byte strings (never decoded: GBK stays GBK).

#include <string>
#include <string_view>

namespace dbase {

inline std::string_view trimTrailingSpaces(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

inline std::string_view trimLeadingSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

inline std::string_view trimSpaces(std::string_view s) { return trimLeadingSpaces(trimTrailingSpaces(s)); }

inline char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upperAscii(c);
    return out;
}

inline bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    return true;
}

}  // namespace dbase
