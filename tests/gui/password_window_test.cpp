// TForm2 bound to the password dialog's data: both layouts, the four
// messages through the real buttons, and Enter confirming nothing.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/settings_table.h"
#include "tests/gui/gui_program.h"

using gui_test::GuiProgram;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

void type(QLineEdit& edit, const QString& text) {
    edit.clear();
    QTest::keyClicks(&edit, text);
}

}  // namespace

class PasswordWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<GuiProgram>();
        dialog = program->windows->Form2.get();
        dialog->syncFromModel();
        dialog->show();
    }
    void cleanup() { program.reset(); }

    void entryAndChangeLayouts() {
        QCOMPARE(dialog->windowTitle(), u("操作员资格论证"));
        QCOMPARE(dialog->size(), QSize(287, 190));
        QCOMPARE(dialog->edit(1).echoMode(), QLineEdit::Password);
        QVERIFY(!dialog->button(1).isVisible());
        QVERIFY(!dialog->button(2).isDefault() && !dialog->button(2).autoDefault());
        QVERIFY(!dialog->button(3).isDefault() && !dialog->button(3).autoDefault());
        QCOMPARE(dialog->label(1).y(), 56);
        QCOMPARE(dialog->edit(1).y(), 48);
        QVERIFY(!dialog->edit(2).isVisible() && !dialog->edit(3).isVisible() && !dialog->label(2).isVisible());

        dialog->button(3).click();  // 更改(&G)
        QCOMPARE(dialog->label(1).y(), 24);
        QCOMPARE(dialog->edit(1).y(), 16);
        QVERIFY(dialog->edit(2).isVisible() && dialog->edit(3).isVisible());
        QVERIFY(dialog->label(2).isVisible() && dialog->label(3).isVisible());
        QCOMPARE(dialog->edit(3).geometry().topLeft(), QPoint(128, 80));
    }

    void enterConfirmsNothing() {
        type(dialog->edit(1), u("1234"));
        QTest::keyClick(&dialog->edit(1), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QVERIFY(!program->ctx().state.Unlocked);
        QVERIFY(program->messages.shown.empty());
    }

    void confirm_data() {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QString>("storedKey");
        QTest::newRow("wrong password") << false << u("9999") << u("") << u("") << u("密码不正确，请重新输入！") << true << false << u("1234");
        QTest::newRow("right password") << false << u("1234") << u("") << u("") << u("") << false << true << u("1234");
        QTest::newRow("new password") << true << u("1234") << u("abc") << u("abc") << u("密码已更改，请牢记新密码！") << false << true << u("abc");
        QTest::newRow("blank second entry") << true << u("1234") << u("") << u("   ") << u("密码不能为空，请重新输入！") << true << true << u("1234");
        QTest::newRow("entries differ") << true << u("1234") << u("abc") << u("abd") << u("输入有误，请重新输入！") << true << true << u("1234");
        QTest::newRow("change with wrong password") << true << u("12345") << u("abc") << u("abc") << u("密码不正确，请重新输入！") << true << false << u("1234");
    }
    void confirm() {
        QFETCH(bool, change);
        QFETCH(QString, current);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        QFETCH(bool, stillOpen);
        QFETCH(bool, unlocked);
        QFETCH(QString, storedKey);
        if (change) dialog->button(3).click();
        type(dialog->edit(1), current);
        if (change) {
            type(dialog->edit(2), first);
            type(dialog->edit(3), second);
        }
        dialog->button(2).click();  // 确定(&O)

        const std::vector<std::string> expected =
            message.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{message.toStdString()};
        QCOMPARE(program->messages.shown, expected);
        QCOMPARE(dialog->isVisible(), stillOpen);
        QCOMPARE(program->ctx().state.Unlocked, unlocked);
        QCOMPARE(dialog->edit(1).text(), QString());  // emptied in every case
        QCOMPARE(QString::fromStdString(data::settingText(program->ctx(), data::kKey)), storedKey);
        if (!stillOpen) QVERIFY(!dialog->edit(3).isVisible());  // back to the entry layout
    }

private:
    std::unique_ptr<GuiProgram> program;
    view::TForm2* dialog = nullptr;
};

QTEST_MAIN(PasswordWindowTest)
#include "password_window_test.moc"
