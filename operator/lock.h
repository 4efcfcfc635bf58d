#pragma once
// Locking and unlocking the operator's commands.

#include "shell/main_context.h"

namespace operation {

void pbxtClick(shell::MainContext& ctx);  // lock
void JrxtClick(shell::MainContext& ctx);  // unlock, asking for the password while locked
void GGMMClick(shell::MainContext& ctx);  // the password dialog, to change the password

}  // namespace operation
