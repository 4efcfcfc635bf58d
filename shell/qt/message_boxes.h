#pragma once
// The program's modal message boxes.
//
// With TORAMEL_ECHO_MESSAGES=1 in the environment every box prints its
// caption and text to stdout and returns at once instead of waiting for a
// click: for running the real program in scripts and end-to-end tests.

#include <string>

#include "shell/message_port.h"

namespace view {

// The information box: caption "信息", one "确定" button; the error box:
// caption "错误", the error icon, one "确定" button.
class QtMessages : public shell::MessagePort {
public:
    void information(const std::string& gbkText) override;
    void error(const std::string& gbkText) override;
};

// The owner-less box of a second start: caption "系统信息", no icon.
void showAlreadyRunning();

bool messagesEchoed();

}  // namespace view
