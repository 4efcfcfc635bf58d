#pragma once
// What the core asks of the windows and the desktop. The Qt window
// implements it; unit tests use a fake that records the calls.

#include <string>

namespace shell {

class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual void showPasswordDialog() = 0;   // TForm2, modal: returns once it is closed
    virtual void closePasswordDialog() = 0;
    virtual void showAboutBox() = 0;         // TAboutBox, modal
    virtual void hideMainWindow() = 0;       // with its taskbar button
    virtual void showMainWindow() = 0;       // with its taskbar button
    virtual void popupTrayMenu() = 0;        // PopupMenu1 at the mouse position
    virtual void addTrayIcon() = 0;
    virtual void removeTrayIcon() = 0;
    virtual void terminate() = 0;            // the program ends once control is back in the event loop
    virtual void applySkin(int index) = 0;   // skins 0-9; any other number loads none
    virtual void openDocument(const std::string& gbkPath) = 0;  // through the desktop
    virtual void openUrl(const std::string& url) = 0;
};

}  // namespace shell
