#pragma once
#include <string>

namespace shell {

// Modal messages. information() is the information box captioned "信息"
// with one "确定" button; it returns when the operator closes it.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void information(const std::string& gbkText) = 0;
    // An error box captioned "错误" with the error icon. A view without one
    // of its own shows the text as information.
    virtual void error(const std::string& gbkText) { information(gbkText); }
};

}  // namespace shell
