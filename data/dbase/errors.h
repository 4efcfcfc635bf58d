#pragma once
// Every message names the file it is about.

#include <cerrno>
#include <cstring>
#include <string>

#include "data/dbase/table.h"

namespace dbase {

[[noreturn]] inline void fail(const std::string& file, const std::string& what) {
    throw Error(file + ": " + what);
}

// For a failed system call: appends the reason errno gives.
[[noreturn]] inline void failErrno(const std::string& file, const std::string& what, int err = errno) {
    fail(file, what + ": " + std::strerror(err));
}

}  // namespace dbase
