#pragma once
// The password dialog TForm2 as data: its edits and labels with the
// properties the handlers change. Two layouts: entry (only the password
// line, in the middle) and change (old password and the new one twice).

#include <string>

namespace operation {

struct FormEdit {
    std::string text;  // GBK
    bool visible = true;
    int top = 0;
};

struct FormLabel {
    bool visible = true;
    int top = 0;
};

struct PasswordForm {
    FormLabel Label1{true, 56}, Label2{false, 56}, Label3{false, 88};
    FormEdit Edit1{"", true, 48};   // the current password, echoed as "*"
    FormEdit Edit2{"", false, 48};  // the new password
    FormEdit Edit3{"", false, 80};  // the new password again
};

}  // namespace operation
