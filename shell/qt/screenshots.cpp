#include "shell/qt/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "operator/password_dialog.h"
#include "shell/qt/program_windows.h"
#include "shell/qt/skins.h"

namespace view {
namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void save(QWidget& w, const QString& folder, const QString& name) {
    settle();
    const QString path = QDir(folder).filePath(name);
    // Opaque RGB, so every viewer shows what the screen would.
    const bool ok = w.grab().toImage().convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    std::printf("%s %s\n", ok ? "saved" : "could not save", path.toUtf8().constData());
    std::fflush(stdout);
}

void shoot(ProgramWindows& windows, const QString& folder) {
    QDir().mkpath(folder);
    TForm1& main = *windows.Form1;
    main.showFromTray();
    save(main, folder, QStringLiteral("main-window.png"));

    const int skin = (windows.ctx.state.SkinIndex + 4) % kSkins;
    applySkin(skin);
    save(main, folder, QStringLiteral("main-window-skin%1.png").arg(skin));
    applySkin(windows.ctx.state.SkinIndex);

    windows.AboutBox->show();
    save(*windows.AboutBox, folder, QStringLiteral("about-box.png"));
    windows.AboutBox->hide();

    TForm2& password = *windows.Form2;
    password.syncFromModel();
    password.show();
    save(password, folder, QStringLiteral("password-entry.png"));
    operation::Button3Click(windows.ctx.Form2);
    password.syncFromModel();
    save(password, folder, QStringLiteral("password-change.png"));
    password.hide();
    QApplication::quit();
}

}  // namespace

void takeScreenshotsLater(ProgramWindows& windows, const QString& folder) {
    // A moment after start, so the window has been laid out and painted.
    QTimer::singleShot(300, qApp, [&windows, folder] { shoot(windows, folder); });
}

}  // namespace view
