#pragma once
// Little-endian integers inside byte strings; callers check the bounds.

#include <cstdint>
#include <string>
#include <string_view>

namespace dbase {

inline std::uint32_t getU16(std::string_view b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8;
}

inline std::uint32_t getU32(std::string_view b, std::size_t at) {
    return getU16(b, at) | getU16(b, at + 2) << 16;
}

inline void putU16(std::string& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

inline void putU32(std::string& b, std::size_t at, std::uint32_t v) {
    putU16(b, at, v & 0xFFFF);
    putU16(b, at + 2, v >> 16);
}

}  // namespace dbase
