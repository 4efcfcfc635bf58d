#pragma once
// Paths in the program are GBK texts and may come from tables written on
// Windows. On the way to the file system they become UTF-8, and "\" becomes
// "/", so that stored path shapes keep working here.

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

std::filesystem::path toFsPath(std::string_view gbkPath);
std::string fromFsPath(const std::filesystem::path& path);  // back to GBK

// The file exists (a folder does not count).
bool fileExists(std::string_view gbkPath);

}  // namespace files
