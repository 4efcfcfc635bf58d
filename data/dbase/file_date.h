#pragma once
// The "last update" date stamped into .dbf and .mdx headers: years since
// 1900, month, day, in local time.

#include <array>
#include <cstdint>
#include <ctime>

namespace dbase {

inline std::array<std::uint8_t, 3> todayYmd() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<std::uint8_t>(local.tm_year), static_cast<std::uint8_t>(local.tm_mon + 1),
            static_cast<std::uint8_t>(local.tm_mday)};
}

}  // namespace dbase
