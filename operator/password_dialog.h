#pragma once
// The password dialog's handlers over its data (ctx.Form2).

#include "shell/main_context.h"

namespace operation {

void Form2Create(shell::MainContext& ctx);           // starts in the entry layout
void Button1Click(PasswordForm& form);               // entry layout
void Button3Click(PasswordForm& form);               // change layout ("更改(&G)")
void Button2Click(shell::MainContext& ctx);          // confirm ("确定(&O)")

}  // namespace operation
