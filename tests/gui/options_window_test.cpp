// TForm4 bound to the options dialog's data: its pages, the shutdown times
// typed into the masked boxes, the volume slider, the folder assignment,
// and the radio groups writing into the data.

#include <QCheckBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "data/settings_table.h"
#include "data/table_layouts.h"
#include "shell/qt/options_window.h"
#include "shell/qt/radio_group.h"
#include "shell/qt/text_bridge.h"
#include "tests/gui/gui_program.h"

using gui_test::GuiProgram;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

void type(QLineEdit& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, text);
}

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<GuiProgram>();
        dialog = program->windows->Form4.get();
    }
    void cleanup() { program.reset(); }

    void pagesAndOpening() {
        QCOMPARE(dialog->windowTitle(), u("选项"));
        QCOMPARE(dialog->size(), QSize(420, 299));
        QVERIFY(!dialog->isModal());
        QStringList tabs;
        for (int i = 0; i < dialog->pages().count(); ++i) tabs << dialog->pages().tabText(i);
        QCOMPARE(tabs, QStringList({u("定时关机"), u("初始音量"), u("目录或文件"), u("结束方式"), u("权限论证")}));
        QVERIFY(!dialog->isVisible());

        program->unlock();
        program->trigger("ztbc");  // manual mode enables the options item
        program->trigger("xuanxiang");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->pages().currentIndex(), 3);
        QVERIFY(program->main().isEnabled());  // not modal

        // Every page's close button hides it; the page shown stays for the next opening.
        dialog->pages().setCurrentIndex(1);
        dialog->button("BitBtn4")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!program->ctx().Form4.visible);
        program->trigger("xuanxiang");
        QCOMPARE(dialog->pages().currentIndex(), 1);
        dialog->close();  // the close box hides too
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->button("BitBtn7") && dialog->button("BitBtn5") && dialog->button("BitBtn6") &&
                dialog->button("BitBtn8"));
    }

    void shutdownTimes() {
        dialog->show();
        dialog->pages().setCurrentIndex(0);
        type(dialog->maskEdit(1), u("073000"));
        QCOMPARE(program->ctx().Form4.MaskEdit1, std::string("07:30:00"));
        dialog->button("BitBtn2")->click();  // 保存(&V)
        QCOMPARE(data::settingText(program->ctx(), data::kId2), std::string("07:30:00"));

        // 重设 then 保存 empties the boxes and stores nothing.
        dialog->button("BitBtn1")->click();
        QVERIFY(program->ctx().Form4.MaskEdit1.empty());
        QCOMPARE(dialog->maskEdit(1).text(), u("::"));
        dialog->button("BitBtn2")->click();
        QCOMPARE(data::settingText(program->ctx(), data::kId2), std::string("07:30:00"));
        QVERIFY(program->messages.shown.empty());
    }

    void trackBarSetsTheVolume() {
        dialog->trackbar1().setValue(100);
        QCOMPARE(program->ctx().Form4.trackbar1Position, 100);
        QVERIFY(!program->player.volumes.empty());
        QCOMPARE(program->player.volumes.back(), std::make_pair(25600u, 25600u));

        // The data moving the slider shows on the widget without echoing back.
        const size_t calls = program->player.volumes.size();
        program->ctx().Form4.trackbar1Position = 30;
        dialog->syncFromModel();
        QCOMPARE(dialog->trackbar1().value(), 30);
        QCOMPARE(program->player.volumes.size(), calls);
    }

    void trackBarFollowsARowsVolumeWhileOpen() {
        // At 07:50:00 the running tick starts the first row, at the default
        // volume of 200.
        program->clock.time.hour = 7;
        program->clock.time.minute = 50;
        program->ctx().Table1.table.first();
        program->ctx().Form4.trackbar1Position = 30;
        dialog->syncFromModel();
        dialog->show();
        QTRY_COMPARE_WITH_TIMEOUT(program->ctx().Form4.trackbar1Position, 200, 5000);
        QCOMPARE(dialog->trackbar1().value(), 200);
    }

    void dirokAssignsTheFolderOrFile() {
        shell::MainContext& ctx = program->ctx();
        QCOMPARE(dialog->edit71().text(), view::qs(ctx.state.AppDir));
        QVERIFY(dialog->button("dirok")->isEnabled());

        // A folder of the list gets one trailing separator.
        const QString audio = view::qs(ctx.state.AppDir + "audio");
        dialog->folderList().setCurrentIndex(
            static_cast<QFileSystemModel*>(dialog->folderList().model())->index(audio));
        QCOMPARE(ctx.Form4.Edit71, view::gbkOf(audio + u("/")));
        QCOMPARE(dialog->edit71().text(), audio + u("/"));

        // A file from the file button, then assigned to the current row.
        dialog->setFileChooser([&](QWidget*) { return audio + u("/bell.wav"); });
        dialog->button("BitBtn3")->click();
        QCOMPARE(dialog->edit71().text(), audio + u("/bell.wav"));
        ctx.Table1.table.moveTo(1);
        dialog->button("dirok")->click();
        QCOMPARE(ctx.controls.Timer1Interval, 1000);
        QCOMPARE(gui_test::storedField(program->timetableFile(), 1, data::kFilename),
                 (audio + u("/bell.wav")).toStdString());

        // What is typed goes unchanged.
        dialog->edit71().setText(u("片头.mp3"));  // key clicks carry Latin-1 only
        emit dialog->edit71().textEdited(dialog->edit71().text());
        dialog->button("dirok")->click();
        QCOMPARE(gui_test::storedField(program->timetableFile(), 1, data::kFilename), std::string("片头.mp3"));
    }

    void radioGroupsWriteTheData() {
        shell::MainContext& ctx = program->ctx();
        dialog->show();
        dialog->radioGroup(1).item(2).click();
        QCOMPARE(ctx.Form4.RadioGroup1Index, 2);
        dialog->button("Button1")->click();  // not ticked: nothing stored
        QCOMPARE(data::settingText(ctx, data::kId5), std::string("3"));
        dialog->checkBox1().click();
        dialog->button("Button1")->click();
        QCOMPARE(data::settingText(ctx, data::kId5), std::string("2"));

        dialog->radioGroup(9).item(1).click();
        QCOMPARE(ctx.Form4.RadioGroup9Index, 1);
        dialog->radioGroup(2).item(1).click();
        dialog->button("Button2")->click();
        QCOMPARE(data::settingText(ctx, data::kId6), std::string("1"));
    }

private:
    std::unique_ptr<GuiProgram> program;
    view::TForm4* dialog = nullptr;
};

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"
