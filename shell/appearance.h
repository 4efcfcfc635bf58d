#pragma once
// Skins, help, the web page and the about box.

#include <string>

#include "shell/main_context.h"

namespace shell {

inline constexpr int kSkinCount = 10;
inline constexpr const char* kHelpFile = "VELMORA.CHM";
extern const char* const kWebPage;  // the product web page

void SpeedButton9Click(MainContext& ctx);  // next skin, stored in id4
void ToolButton22Click(MainContext& ctx);  // the help file
void ToolButton20Click(MainContext& ctx);  // the web page
void GUANYUClick(MainContext& ctx);        // the about box

// The about box's version line, "VERsion " + VersionText.
std::string aboutVersionLine(const MainContext& ctx);

}  // namespace shell
