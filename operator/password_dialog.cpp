#include "operator/password_dialog.h"

#include "data/settings_table.h"
#include "platform/text/gbk.h"
#include "platform/text/trim.h"

namespace operation {
namespace {

void showLayout(PasswordForm& f, bool change) {
    f.Edit1.text.clear();
    f.Edit2.text.clear();
    f.Edit3.text.clear();
    f.Edit2.visible = f.Edit3.visible = f.Label2.visible = f.Label3.visible = change;
    f.Label1.top = change ? 24 : 56;
    f.Edit1.top = change ? 16 : 48;
}

// Stores the new password, or says why it cannot. Returns whether stored.
bool changePassword(shell::MainContext& ctx) {
    PasswordForm& f = ctx.Form2;
    const std::string_view second = text::trimBlanks(f.Edit3.text);
    if (second.empty()) {
        ctx.messages.information(text::gbk("密码不能为空，请重新输入！"));
        return false;
    }
    if (text::trimBlanks(f.Edit2.text) != second) {
        ctx.messages.information(text::gbk("输入有误，请重新输入！"));
        return false;
    }
    // A password the field cannot hold would be cut and then never match:
    // refuse it before anything is written.
    if (f.Edit3.text.size() > static_cast<size_t>(data::kPasswordWidth)) {
        ctx.messages.information(text::gbk("新密码太长，最多") + std::to_string(data::kPasswordWidth) +
                                 text::gbk("个字节，请重新输入！"));
        return false;
    }
    data::writePassword(ctx, f.Edit3.text);  // stored exactly as typed
    ctx.messages.information(text::gbk("密码已更改，请牢记新密码！"));
    return true;
}

// A character field cannot keep trailing blanks: the stored password comes
// back without them, so the typed one is compared without them too, or a
// password chosen with a trailing blank would lock the operator out.
bool matchesStoredPassword(shell::MainContext& ctx, std::string typed) {
    while (!typed.empty() && typed.back() == ' ') typed.pop_back();
    return typed == data::settingText(ctx, data::kKey);
}

}  // namespace

void Form2Create(shell::MainContext& ctx) { Button1Click(ctx.Form2); }

void Button1Click(PasswordForm& form) { showLayout(form, false); }

void Button3Click(PasswordForm& form) { showLayout(form, true); }

void Button2Click(shell::MainContext& ctx) {
    PasswordForm& f = ctx.Form2;
    if (!matchesStoredPassword(ctx, f.Edit1.text)) {
        ctx.messages.information(text::gbk("密码不正确，请重新输入！"));
    } else {
        ctx.state.Unlocked = true;
        if (!f.Edit3.visible) {
            Button1Click(f);
            ctx.window.closePasswordDialog();
        } else if (changePassword(ctx)) {
            Button1Click(f);
            ctx.window.closePasswordDialog();
        }
    }
    f.Edit1.text.clear();
}

}  // namespace operation
