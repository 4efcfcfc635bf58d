#include "data/timetable_edit.h"

#include <filesystem>
#include <system_error>

namespace data {
namespace {

bool editing(const dbase::Table& t) {
    return t.state() == dbase::TableState::Edit || t.state() == dbase::TableState::Insert;
}

// Open, and its file not marked read-only.
bool writable(const dbase::Table& t) {
    if (!t.active()) return false;
    std::error_code ec;
    const auto perms = std::filesystem::status(t.path(), ec).permissions();
    using std::filesystem::perms;
    return !ec && (perms & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
}

}  // namespace

bool editCommandEnabled(const dbase::Table& t, EditCommand command) {
    const bool open = t.active();
    switch (command) {
    case EditCommand::First: return open && t.rowIndex() > 0;
    case EditCommand::Last: return open && t.rowIndex() < t.rowCount() - 1;
    case EditCommand::Delete: return open && t.rowCount() > 0;
    case EditCommand::Edit: return open && !editing(t) && t.rowCount() > 0;
    case EditCommand::Post:
    case EditCommand::Cancel: return open && editing(t);
    case EditCommand::Insert:
    case EditCommand::Refresh: return writable(t);
    case EditCommand::Append: return true;
    }
    return false;
}

void runEditCommand(dbase::Table& t, EditCommand command) {
    switch (command) {
    case EditCommand::First: t.first(); break;
    case EditCommand::Last: t.last(); break;
    case EditCommand::Insert: t.insert(); break;
    case EditCommand::Delete: t.deleteRow(); break;
    case EditCommand::Append: t.append(); break;
    case EditCommand::Edit: t.edit(); break;
    case EditCommand::Post: t.post(); break;
    case EditCommand::Cancel: t.cancel(); break;
    case EditCommand::Refresh: t.refresh(); break;
    }
}

}  // namespace data
