#include "shell/qt/status_echo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace view {
namespace {

void print(const char* name, const QString& text) {
    std::printf("%s: %s\n", name, text.toUtf8().constData());
    std::fflush(stdout);
}

}  // namespace

StatusEcho::StatusEcho() {
    const char* v = std::getenv("TORAMEL_ECHO_STATUS");
    enabled_ = v && std::strcmp(v, "1") == 0;
}

void StatusEcho::show(const QString& label1, const QString& label2) {
    if (!enabled_) return;
    if (label1 != label1_) print("Label1", label1);
    if (label2 != label2_) print("Label2", label2);
    label1_ = label1;
    label2_ = label2;
}

}  // namespace view
