#pragma once
// The find command: turns the current row's FILENAME into MediaPath, with
// folder rows played as a playlist, and tells whether the file exists.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/main_context.h"

namespace playback {

void ToolButton24Click(shell::MainContext& ctx);

// The random pick's generator: one step of the state, then the high half of
// state * count. The state is 0 at every start, so runs repeat.
int randomPick(std::uint32_t& state, int count);

// The bare names of a folder's files, in the order the file system gives
// them; hidden files (a leading ".") and folders are left out.
std::vector<std::string> listFolderFiles(const std::string& gbkFolder);

}  // namespace playback
