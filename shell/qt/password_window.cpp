#include "shell/qt/password_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "operator/password_dialog.h"
#include "shell/qt/fonts.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/window_bridge.h"

namespace view {

TForm2::TForm2(shell::MainContext& ctx, WindowBridge& bridge) : ctx_(ctx), bridge_(bridge) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("操作员资格论证"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(287, 190);

    const char* captions[3] = {"请输入操作员密码", "请输入新密码", "请再输入一次"};
    const int labelLeft[3] = {16, 40, 40};
    for (int i = 0; i < 3; ++i) {
        labels_[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        labels_[i]->setFont(songTi(13));
        labels_[i]->move(labelLeft[i], 0);
        labels_[i]->adjustSize();

        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edits_[i]->setFont(songTi(11));
        edits_[i]->setGeometry(128, 0, 121, 21);
    }
    edits_[0]->setEchoMode(QLineEdit::Password);
    operation::FormEdit operation::PasswordForm::*fields[3] = {&operation::PasswordForm::Edit1,
                                                              &operation::PasswordForm::Edit2,
                                                              &operation::PasswordForm::Edit3};
    for (int i = 0; i < 3; ++i) {
        auto field = fields[i];
        connect(edits_[i], &QLineEdit::textEdited, this,
                [this, field](const QString& typed) { (ctx_.Form2.*field).text = gbkOf(typed); });
    }

    struct ButtonDesign {
        const char* caption;
        int left, width;
    };
    const ButtonDesign designs[3] = {{"Button1", 16, 75}, {"确定(&O)", 200, 57}, {"更改(&G)", 136, 57}};
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QPushButton(QString::fromUtf8(designs[i].caption), this);
        buttons_[i]->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        buttons_[i]->setFont(songTi(13));
        buttons_[i]->setGeometry(designs[i].left, 120, designs[i].width, 25);
        buttons_[i]->setAutoDefault(false);
        buttons_[i]->setDefault(false);
    }
    buttons_[0]->hide();  // resets the layout; invoked, never shown
    connect(buttons_[0], &QPushButton::clicked, this, [this] { forward([this] { operation::Button1Click(ctx_.Form2); }); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { forward([this] { operation::Button2Click(ctx_); }); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { forward([this] { operation::Button3Click(ctx_.Form2); }); });

    bridge_.setPasswordDialog(this);
    forward([this] { operation::Form2Create(ctx_); });
}

TForm2::~TForm2() { bridge_.setPasswordDialog(nullptr); }

void TForm2::forward(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ctx_.messages.information(gbkReport(e.what()));
    }
    syncFromModel();
}

void TForm2::showModal() {
    syncFromModel();
    edits_[0]->setFocus();
    exec();
}

void TForm2::syncFromModel() {
    const operation::PasswordForm& f = ctx_.Form2;
    const operation::FormLabel* labels[3] = {&f.Label1, &f.Label2, &f.Label3};
    const operation::FormEdit* edits[3] = {&f.Edit1, &f.Edit2, &f.Edit3};
    for (int i = 0; i < 3; ++i) {
        labels_[i]->move(labels_[i]->x(), labels[i]->top);
        labels_[i]->setVisible(labels[i]->visible);
        const QString text = qs(edits[i]->text);
        if (edits_[i]->text() != text) edits_[i]->setText(text);
        edits_[i]->move(128, edits[i]->top);
        edits_[i]->setVisible(edits[i]->visible);
    }
}

QLabel& TForm2::label(int n) const { return *labels_[n - 1]; }
QLineEdit& TForm2::edit(int n) const { return *edits_[n - 1]; }
QPushButton& TForm2::button(int n) const { return *buttons_[n - 1]; }

}  // namespace view
