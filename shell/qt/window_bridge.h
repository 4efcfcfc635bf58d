#pragma once
// The core's requests of the windows and the desktop, carried out on the
// Qt windows. The windows register themselves as they are created; a
// request for a window that does not exist yet does nothing.

#include <QUrl>
#include <functional>

#include "shell/window_port.h"

namespace view {

class TForm1;
class TForm2;
class TAboutBox;
class TForm4;
class Tdstx;

class WindowBridge : public shell::WindowPort {
public:
    WindowBridge();

    void setMainWindow(TForm1* w) { main_ = w; }
    void setAboutBox(TAboutBox* w) { about_ = w; }
    void setPasswordDialog(TForm2* w) { password_ = w; }
    void setOptionsDialog(TForm4* w) { options_ = w; }
    void setRecorderWindow(Tdstx* w) { recorder_ = w; }
    // What ending the program means; by default the application's event
    // loop is told to quit once control is back in it.
    void setTerminate(std::function<void()> f) { terminate_ = std::move(f); }
    // How documents and web pages are opened; by default through the desktop.
    void setUrlOpener(std::function<void(const QUrl&)> f) { openUrl_ = std::move(f); }

    void showPasswordDialog() override;
    void closePasswordDialog() override;
    void showAboutBox() override;
    void hideMainWindow() override;
    void showMainWindow() override;
    void popupTrayMenu() override;
    void addTrayIcon() override;
    void removeTrayIcon() override;
    void terminate() override;
    void applySkin(int index) override;
    void openDocument(const std::string& gbkPath) override;
    void openUrl(const std::string& url) override;

    // The main window's commands that open the other windows.
    void showOptionsDialog();  // after xuanxiangClick: follows the data, not modal
    void showRecorder();       // rec3Click, modal; returns when the recorder closes
    // After a tick: a row's volume moves the open dialog's slider too.
    void followVolume();

private:
    TForm1* main_ = nullptr;
    TAboutBox* about_ = nullptr;
    TForm2* password_ = nullptr;
    TForm4* options_ = nullptr;
    Tdstx* recorder_ = nullptr;
    std::function<void()> terminate_;
    std::function<void(const QUrl&)> openUrl_;
};

}  // namespace view
