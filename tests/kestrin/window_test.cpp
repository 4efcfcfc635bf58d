// Kestrin's window and its shutdown request with no system bus, under Qt's
// offscreen platform. The bus address names a socket that does not exist,
// set before anything connects, so building the window here can never ask
// the machine running the tests to power off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include "exit6.h"
#include "shutdown_system.h"

namespace {

TEST(Texit7, IsATitleBarlessWindowAtItsPlace) {
    Texit7 window;
    EXPECT_EQ(window.windowTitle(), "exit");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                                  Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(window.windowFlags() & button) << button;

    // 105 pixels high with a title bar, so that much lower without one.
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    ASSERT_GT(titleBar, 0);
    EXPECT_EQ(window.geometry(), QRect(282, 210, 330, 105 - titleBar));
}

TEST(Texit7, ShowsTheMessageInASunkenFrame) {
    Texit7 window;
    auto* label = window.findChild<QLabel*>("Label1");
    auto* bevel = window.findChild<QFrame*>("Bevel1");
    ASSERT_NE(label, nullptr);
    ASSERT_NE(bevel, nullptr);

    EXPECT_EQ(label->text(), QStringLiteral("正在关闭计算机...") + QString(7, ' '));
    EXPECT_EQ(label->pos(), QPoint(52, 32));
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    // No empty boxes: the font the label gets draws every character.
    const QFontMetrics metrics(label->font());
    const std::string family = QFontInfo(label->font()).family().toStdString();
    for (QChar c : label->text()) EXPECT_TRUE(metrics.inFont(c)) << "U+" << std::hex << int(c.unicode()) << " in " << family;

    EXPECT_EQ(bevel->geometry(), QRect(24, 16, 277, 49));
    EXPECT_EQ(bevel->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(bevel->geometry().contains(label->geometry())) << "label outside the frame";
    EXPECT_TRUE(window.rect().contains(bevel->geometry())) << "frame outside the window";
}

TEST(ShutdownSystem, WithoutASystemBusAsksNothingAndFails) {
    EXPECT_FALSE(SetTokenPrivilege(kShutdownPrivilege, true));
    EXPECT_FALSE(ShutdownSystem(kShutdownAndPowerOff));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QDir::currentPath().toUtf8() + "/no-such-system-bus");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
