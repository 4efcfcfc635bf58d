#include "exit6.h"

#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QStyle>

#include "shutdown_system.h"

namespace {

// 宋体 first, as designed; Linux has none, so the families after it let Qt
// fall back to an installed CJK font.
QFont songTi(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

// Created without a title bar, and so without system menu, close, minimise
// or maximise box; a thin line stands for the border.
Texit7::Texit7() : QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("exit7"));
    setWindowTitle(QStringLiteral("exit"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setGeometry(282, 210, 330, 105);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(24, 16, 277, 49);

    auto* label = new QLabel(QStringLiteral("正在关闭计算机...       "), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(songTi(13));
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    label->move(52, 32);
    label->adjustSize();

    FormCreate();
}

void Texit7::FormCreate() {
    // The 105 pixels were planned with a title bar; without it the window is
    // that much lower, so that the area inside keeps its size.
    resize(width(), height() - style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    ShutdownSystem(kShutdownAndPowerOff);  // a refusal leaves the window open
}
