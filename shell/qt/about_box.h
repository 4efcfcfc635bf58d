#pragma once
// TAboutBox "关于Belvane系统": the banner, the version line, the link to the
// product web page (the banner is a link too), the maker and the button.

#include <QDialog>

#include "shell/main_context.h"

class QLabel;
class QPushButton;

namespace view {

class PaintedPicture;
class WindowBridge;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(shell::MainContext& ctx, WindowBridge& bridge);
    ~TAboutBox() override;

    QLabel& versionLine() const { return *Label2_; }
    QLabel& link() const { return *Label5_; }
    PaintedPicture& picture() const { return *Image1_; }
    QPushButton& okButton() const { return *OKButton_; }

private:
    void Label5Click();

    shell::MainContext& ctx_;
    WindowBridge& bridge_;
    PaintedPicture* Image1_;
    QLabel* Label2_;
    QLabel* Label5_;
    QPushButton* OKButton_;
};

}  // namespace view
