#include "platform/files/fs_path.h"

#include <algorithm>
#include <system_error>

#include "platform/text/gbk.h"

namespace files {

std::filesystem::path toFsPath(std::string_view gbkPath) {
    std::string utf8 = text::utf8FromGbk(gbkPath);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return std::filesystem::path(utf8);
}

std::string fromFsPath(const std::filesystem::path& path) {
    return text::gbkFromUtf8(path.string());
}

bool fileExists(std::string_view gbkPath) {
    std::error_code ec;
    return std::filesystem::is_regular_file(toFsPath(gbkPath), ec);
}

}  // namespace files
