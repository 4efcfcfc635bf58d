#pragma once
// Starting other programs; tests pass a fake that records the calls.

#include <string>

namespace shell {

class SystemPort {
public:
    virtual ~SystemPort() = default;
    // Starts the program file detached, without arguments, and does not wait.
    virtual void startDetached(const std::string& gbkPath) = 0;
};

// Starts programs for real (fork, setsid, exec).
SystemPort& realSystem();

}  // namespace shell
