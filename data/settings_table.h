#pragma once
// The settings record of system.dbf: read by position, written by name
// through the hidden command button2.

#include <string>
#include <string_view>

#include "data/table_layouts.h"
#include "shell/main_context.h"

namespace data {

inline constexpr const char* kSettingsFile = "system.dbf";

// Opens system.dbf in the program folder as Table2. Throws dbase::Error.
void openSettingsTable(shell::MainContext& ctx);

// A field of the first record, as text or as an integer (id4, id5, id6).
std::string settingText(shell::MainContext& ctx, SettingPosition position);
long long settingInt(shell::MainContext& ctx, SettingPosition position);

// Writes SettingValue into the field named SettingField of the first record.
// A failure (unknown field, a value that does not fit, a read-only or locked
// file) is thrown to the caller, with the table back in browse state and
// the file as it was.
void button2Click(shell::MainContext& ctx);

// The password dialog's direct write of `key`. A password longer than the
// field is refused (thrown), never cut.
void writePassword(shell::MainContext& ctx, std::string_view password);

}  // namespace data
