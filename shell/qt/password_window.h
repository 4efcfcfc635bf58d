#pragma once
// TForm2, the password dialog "操作员资格论证": a view of ctx.Form2. Its
// entry layout shows one password line in the middle; "更改(&G)" switches to
// the change layout with the new password twice. Neither button is the
// default one, so Enter confirms nothing.

#include <QDialog>

#include "shell/main_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace view {

class WindowBridge;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(shell::MainContext& ctx, WindowBridge& bridge);
    ~TForm2() override;

    void showModal();  // returns once the dialog is closed
    void syncFromModel();

    QLabel& label(int n) const;       // Label1 ... Label3
    QLineEdit& edit(int n) const;     // Edit1 ... Edit3
    QPushButton& button(int n) const; // Button1 ... Button3

private:
    void forward(const std::function<void()>& handler);

    shell::MainContext& ctx_;
    WindowBridge& bridge_;
    QLabel* labels_[3];
    QLineEdit* edits_[3];
    QPushButton* buttons_[3];
};

}  // namespace view
