#include "shell/qt/window_bridge.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "platform/files/fs_path.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_window.h"
#include "shell/qt/options_window.h"
#include "shell/qt/password_window.h"
#include "shell/qt/recorder_window.h"
#include "shell/qt/skins.h"

namespace view {

WindowBridge::WindowBridge()
    : terminate_([] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

void WindowBridge::followVolume() {
    if (options_) options_->syncVolume();
}

void WindowBridge::showPasswordDialog() {
    if (password_) password_->showModal();
}

void WindowBridge::closePasswordDialog() {
    if (password_) password_->close();
}

void WindowBridge::showAboutBox() {
    if (about_) about_->exec();
}

void WindowBridge::showOptionsDialog() {
    if (options_) options_->syncFromModel();
}

void WindowBridge::showRecorder() {
    if (recorder_) recorder_->showModal();
}

void WindowBridge::hideMainWindow() {
    if (main_) main_->hideToTray();
}

void WindowBridge::showMainWindow() {
    if (main_) main_->showFromTray();
}

void WindowBridge::popupTrayMenu() {
    if (main_) main_->popupTrayMenu();
}

void WindowBridge::addTrayIcon() {
    if (main_) main_->setTrayIconShown(true);
}

void WindowBridge::removeTrayIcon() {
    if (main_) main_->setTrayIconShown(false);
}

void WindowBridge::terminate() { terminate_(); }

void WindowBridge::applySkin(int index) { view::applySkin(index); }

void WindowBridge::openDocument(const std::string& gbkPath) {
    openUrl_(QUrl::fromLocalFile(QString::fromStdString(files::toFsPath(gbkPath).string())));
}

void WindowBridge::openUrl(const std::string& url) { openUrl_(QUrl(QString::fromStdString(url))); }

}  // namespace view
