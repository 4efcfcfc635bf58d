#pragma once
#include <string>

namespace files {

// The folder of the running program file, in GBK, ending in '/'.
std::string programFolder();

}  // namespace files
