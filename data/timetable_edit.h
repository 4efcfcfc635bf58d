#pragma once
// The timetable's editing commands ("表操作(&B)" and its tool buttons) as
// plain logic: when each applies, and what it does to the table.

#include "data/dbase/table.h"

namespace data {

enum class EditCommand {
    First,    // 第一项(&F)
    Last,     // 末一项(&L)
    Insert,   // 插入行(&I)
    Delete,   // 删除行(&D), at once, without a question
    Append,   // 添加行(&A)
    Edit,     // 编辑(&E)
    Post,     // 确认(&O)
    Cancel,   // 放弃(&C)
    Refresh,  // 存盘(&R)
};

// Whether the command applies in the table's present state. The mode
// (manual or automatic) is the caller's concern.
bool editCommandEnabled(const dbase::Table& t, EditCommand command);

// Runs the command; the engine's errors (a value that does not fit, a
// failed write) are thrown with nothing lost.
void runEditCommand(dbase::Table& t, EditCommand command);

}  // namespace data
