#pragma once
// With TORAMEL_ECHO_STATUS=1 (set by the run script when there is no
// display) the status line and the line below it are printed to stdout,
// in UTF-8, whenever they change, so the terminal shows what the window
// would.

#include <QString>

namespace view {

class StatusEcho {
public:
    StatusEcho();
    void show(const QString& label1, const QString& label2);

private:
    bool enabled_;
    QString label1_, label2_;
};

}  // namespace view
