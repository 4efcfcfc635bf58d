#pragma once
#include <string>

namespace shell {

// Modal messages. information() is the information box captioned "信息"
// with one "确定" button; it returns when the operator closes it.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void information(const std::string& gbkText) = 0;
};

}  // namespace shell
