#include "shell/qt/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/qt/text_bridge.h"

namespace view {
namespace {

// Texts of two lines are joined by carriage returns: make them line breaks.
QString lines(const std::string& gbkText) {
    QString s = qs(gbkText);
    s.replace(QStringLiteral("\r\r"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void show(QMessageBox::Icon icon, const QString& caption, const QString& textShown) {
    if (messagesEchoed()) {
        std::printf("[%s] %s\n", caption.toUtf8().constData(), textShown.toUtf8().constData());
        std::fflush(stdout);
        return;
    }
    QMessageBox box(icon, caption, textShown, QMessageBox::NoButton);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace

bool messagesEchoed() {
    const char* v = std::getenv("TORAMEL_ECHO_MESSAGES");
    return v && std::strcmp(v, "1") == 0;
}

void QtMessages::information(const std::string& gbkText) {
    show(QMessageBox::Information, QStringLiteral("信息"), lines(gbkText));
}

void QtMessages::error(const std::string& gbkText) {
    show(QMessageBox::Critical, QStringLiteral("错误"), lines(gbkText));
}

void showAlreadyRunning() { show(QMessageBox::NoIcon, QStringLiteral("系统信息"), QStringLiteral("Belvane系统已经运行！")); }

}  // namespace view
