#pragma once
// The main window's controls as plain objects that the core reads and
// writes. Program state lives partly in these flags (the mode is "jxbc
// enabled"), so tests read them without a window.

#include <string>

namespace shell {

struct Control {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::string caption;  // GBK
    std::string hint;     // GBK
};

struct MainControls {
    // The season submenu Z1 and its radio items
    Control Z1, C1, X1, D1, T2;
};

}  // namespace shell
