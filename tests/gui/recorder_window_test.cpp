// Tdstx bound to the recorder's data over a fake device: the buttons and
// the indicator through record, stop and preview, the failures' error
// boxes, the timer ending a preview, and 关闭 offering the file to the grid.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "shell/qt/radio_group.h"
#include "shell/qt/recorder_window.h"
#include "shell/qt/text_bridge.h"
#include "tests/gui/gui_program.h"

using gui_test::GuiProgram;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class RecorderWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<GuiProgram>();
        window = program->windows->dstx.get();
        window->show();  // as the modal opening shows it, without the nested loop
    }
    void cleanup() { program.reset(); }

    // Which of 录音, 停止, 试听 are enabled, the state text and the indicator.
    QString look() {
        QString s;
        for (const char* b : {"btstart", "btstop", "Button1"}) s += window->button(b)->isEnabled() ? '1' : '0';
        return s + ' ' + window->label1().text() + ' ' + (window->shape(2).isVisible() ? u("lamp") : u("dark"));
    }

    void buttonsFollowTheStates() {
        QCOMPARE(window->windowTitle(), u("录音"));
        QCOMPARE(window->size(), QSize(421, 305));
        QCOMPARE(window->edit1().text(), view::qs(program->ctx().state.AppDir + "audio/Temp.wav"));
        QCOMPARE(look(), u("100  dark"));
        QVERIFY(!window->timer1().isActive());

        window->radioGroup(1).item(1).click();  // stereo
        window->radioGroup(3).item(2).click();  // 44100
        window->button("btstart")->click();
        QCOMPARE(look(), u("010 正在录音... lamp"));
        QCOMPARE(window->timer1().interval(), 500);
        QVERIFY(window->timer1().isActive());
        QCOMPARE(program->recorderDevice.recordedFormat.channels, 2);
        QCOMPARE(program->recorderDevice.recordedFormat.samplesPerSecond, 44100);

        window->button("btstop")->click();
        QCOMPARE(look(), u("101  dark"));
        QVERIFY(!window->timer1().isActive());

        window->button("Button1")->click();  // preview
        QCOMPARE(look(), u("110 正在试听... lamp"));
        QVERIFY(window->timer1().isActive());

        // The timer blinks the lamp and stops the preview once it reaches its end.
        program->recorderDevice.currentPosition = 1000;
        window->Timer1Timer();
        QVERIFY(window->shape(2).isVisible() && !window->shape(3).isVisible());
        program->recorderDevice.currentPosition = program->recorderDevice.fileLength;
        window->Timer1Timer();
        QCOMPARE(look(), u("101  dark"));
        QVERIFY(!window->timer1().isActive());
        QVERIFY(program->messages.shown.empty());
    }

    void failuresShowErrors() {
        program->recorderDevice.failOn = "record";
        window->button("btstart")->click();
        QCOMPARE(look(), u("101  dark"));
        QCOMPARE(program->messages.shown, std::vector<std::string>{"媒体设备初始化失败！"});

        program->recorderDevice.failOn = "preview";  // a preview fails silently
        window->button("Button1")->click();
        QCOMPARE(look(), u("100  dark"));
        QCOMPARE(program->messages.shown.size(), size_t{1});
    }

    void fileButtonStartsInTheAudioFolder() {
        QString asked;
        window->setFileChooser([&](QWidget*, const QString& folder) {
            asked = folder;
            return QString();  // cancelled: the path stays, preview becomes possible
        });
        window->button("BitBtn1")->click();
        QCOMPARE(asked, view::qs(program->ctx().state.AppDir + "audio"));
        QCOMPARE(window->edit1().text(), view::qs(program->ctx().state.AppDir + "audio/Temp.wav"));
        QVERIFY(window->button("Button1")->isEnabled());
    }

    void closeOffersTheRecordingToTheGrid() {
        window->button("btstart")->click();
        window->button("btstop")->click();
        auto& pickList = program->ctx().fileNamePickList;
        const size_t before = pickList.size();
        window->button("Button2")->click();  // 关闭(&E)
        QVERIFY(!window->isVisible());
        QCOMPARE(pickList.size(), before + 1);
        QCOMPARE(pickList.back(), std::string("Temp.wav"));
    }

    void closeBoxLeavesTheRecordingRunning() {
        window->button("btstart")->click();
        const size_t before = program->ctx().fileNamePickList.size();
        window->close();
        QVERIFY(!window->isVisible());
        QVERIFY(window->timer1().isActive());
        QCOMPARE(program->ctx().fileNamePickList.size(), before);
        QCOMPARE(look(), u("010 正在录音... dark"));  // hidden window: its lamp is not visible either
    }

    void modalFromTheMainWindowAndGridRefreshed() {
        window->hide();
        program->unlock();
        program->trigger("ztbc");
        QTimer::singleShot(0, window, [this] {
            QTRY_VERIFY(window->isVisible() && window->isModal());
            window->button("Button2")->click();
        });
        program->trigger("Rec2");
        QVERIFY(!window->isVisible());
        QCOMPARE(program->ctx().fileNamePickList.back(), std::string());  // nothing recorded this run
    }

private:
    std::unique_ptr<GuiProgram> program;
    view::Tdstx* window = nullptr;
};

QTEST_MAIN(RecorderWindowTest)
#include "recorder_window_test.moc"
