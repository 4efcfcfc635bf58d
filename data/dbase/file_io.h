#pragma once
// Whole-file reads and durable writes; failures throw Error naming the file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace dbase {

std::string readWholeFile(const std::filesystem::path& file);
// Creates or truncates `file` with `mode`, writes `bytes` and flushes them to disk.
void writeFileSynced(const std::filesystem::path& file, std::string_view bytes, mode_t mode);
void renameFile(const std::filesystem::path& from, const std::filesystem::path& to);
void removeIfPresent(const std::filesystem::path& file);
bool fileExists(const std::filesystem::path& file);
// Makes the renames inside the folder of `file` durable.
void syncFolderOf(const std::filesystem::path& file);
// The permission bits of `file`, or nullopt when it does not exist.
std::optional<mode_t> fileMode(const std::filesystem::path& file);
// `file` with `suffix` appended to its name ("a.dbf" -> "a.dbf.new").
std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix);

}  // namespace dbase
