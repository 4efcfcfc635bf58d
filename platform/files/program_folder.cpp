#include "platform/files/program_folder.h"

#include <filesystem>

#include "platform/files/fs_path.h"

namespace files {

std::string programFolder() {
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    return files::fromFsPath(exe.parent_path()) + "/";
}

}  // namespace files
