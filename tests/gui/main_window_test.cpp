// TForm1 built from the presentation model and following it: menus, tool
// bar, lock and modes, layout, tray, skins, quitting, the about box.

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "shell/appearance.h"
#include "shell/qt/led_clock.h"
#include "shell/qt/painted_picture.h"
#include "shell/qt/skins.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/timetable_grid.h"
#include "tests/gui/gui_program.h"

using gui_test::GuiProgram;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Whether each named action is enabled, compared as a whole table.
void expectEnabled(GuiProgram& p, const std::vector<std::pair<const char*, bool>>& expected) {
    QStringList wrong;
    for (const auto& [name, enabled] : expected) {
        QAction* a = p.main().action(name);
        if (!a)
            wrong << QStringLiteral("%1 missing").arg(name);
        else if (a->isEnabled() != enabled)
            wrong << QStringLiteral("%1 %2").arg(name, a->isEnabled() ? "enabled" : "disabled");
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
}

QRect rectOf(const shell::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { program = std::make_unique<GuiProgram>(); }
    void cleanup() { program.reset(); }

    void menusAreBuiltFromTheModel() {
        const shell::MainControls& c = program->ctx().controls;
        QCOMPARE(program->main().windowTitle(), u("Belvane系统    VER 3.61"));
        QStringList titles;
        for (QAction* a : program->main().menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, QStringList({u("系统(&S)"), u("编辑(&E)"), u("表操作(&B)"), u("设置(&T)"), u("音视频(&F)"), u("帮助(&H)")}));

        // Every entry in its menu, in order, with the model's caption and shortcut.
        const auto menus = program->main().menuBar()->actions();
        for (std::size_t m = 0; m < shell::mainMenu().size(); ++m) {
            const auto& entries = shell::mainMenu()[m].entries;
            const auto shown = menus[static_cast<int>(m)]->menu()->actions();
            QCOMPARE(shown.size(), static_cast<qsizetype>(entries.size()));
            for (std::size_t i = 0; i < entries.size(); ++i) {
                QAction* a = shown[static_cast<int>(i)];
                QCOMPARE(a, program->main().action(entries[i].name));
                QCOMPARE(a->isSeparator(), entries[i].separator);
                if (entries[i].separator) continue;
                const shell::Control& control = c.*entries[i].control;
                QCOMPARE(a->text(), view::qs(control.caption));
                QCOMPARE(a->shortcut(), QKeySequence(QString::fromStdString(control.shortcut)));
            }
        }
        QCOMPARE(program->main().action("Jrxt")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(program->main().action("TCXT")->shortcut(), QKeySequence(u("Ctrl+Q")));

        // The season submenu: four radio items, the loaded season checked.
        QMenu* seasons = program->main().action("Z1")->menu();
        QVERIFY(seasons);
        QCOMPARE(seasons->actions().size(), 4);
        QVERIFY(seasons->actions()[0]->actionGroup()->isExclusive());
        QCOMPARE(seasons->actions()[1]->text(), u("夏    (&X)"));
        QVERIFY(program->main().action("C1")->isChecked());
        QVERIFY(!program->main().action("X1")->isChecked());
    }

    void toolBarFollowsTheDesign() {
        QStringList order;
        QList<int> separatorWidths;
        for (QAction* a : program->main().toolBar().actions()) {
            QWidget* w = program->main().toolBar().widgetForAction(a);
            if (auto* b = qobject_cast<QToolButton*>(w)) {
                order << b->objectName();
                QCOMPARE(b->size(), QSize(45, 59));
                QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
                QVERIFY(!b->icon().isNull());
            } else {
                separatorWidths << w->width();
            }
        }
        QCOMPARE(order, QStringList({"ToolButton9", "ToolButton10", "ToolButton15", "ToolButton24", "ToolButton17",
                                     "ToolButton18", "rec3", "SpeedButton9", "SpeedButton1", "toolbutton20"}));
        QCOMPARE(separatorWidths, QList<int>({8, 18, 19, 18}));
        QToolButton* insert = program->main().toolButton("ToolButton9");
        QCOMPARE(insert->text(), u("插入"));
        QCOMPARE(insert->toolTip(), u("插入行"));
        QCOMPARE(program->main().toolButton("toolbutton20")->toolTip(), u("Belvane网站"));
    }

    void lockUnlockAndModesFollowTheModel() {
        // Started locked (id6 = 0), automatic mode.
        expectEnabled(*program, {{"edit", false}, {"biaocz", false}, {"T1", false}, {"yingsp", false}, {"Jrxt", true},
                                 {"pbxt", false}, {"GGMM", false}, {"TCXT", false}, {"ztbc", true}, {"jxbc", false},
                                 {"ToolButton9", false}, {"ToolButton15", false}, {"SpeedButton9", true}});
        QVERIFY(program->main().grid().timetable().readOnly());
        QCOMPARE(program->main().grid().editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(program->main().timer1().isActive());
        // Armed for the next second boundary: never more than a second away.
        QVERIFY(program->main().timer1().isSingleShot());
        QVERIFY(program->main().timer1().remainingTime() <= 1002);

        program->unlock();
        expectEnabled(*program, {{"edit", false}, {"T1", true}, {"yingsp", true}, {"Jrxt", false}, {"pbxt", true},
                                 {"GGMM", true}, {"TCXT", true}, {"ztbc", true}, {"jxbc", false}});
        QVERIFY(!program->main().grid().timetable().readOnly());
        QVERIFY(program->main().grid().editTriggers() & QAbstractItemView::AnyKeyPressed);

        program->trigger("ztbc");  // manual
        expectEnabled(*program, {{"ztbc", false}, {"jxbc", true}, {"edit", true}, {"biaocz", true}, {"Z1", true},
                                 {"xuanxiang", true}, {"P1", true}, {"Rec2", true}, {"ToolButton9", true},
                                 {"ToolButton10", true}, {"ToolButton15", true}, {"ToolButton17", true},
                                 {"ToolButton18", false}, {"rec3", true}});
        QVERIFY(!program->main().timer1().isActive());
        auto* label1 = qobject_cast<QLabel*>(program->main().part("Label1"));
        auto* label2 = qobject_cast<QLabel*>(program->main().part("Label2"));
        QCOMPARE(label1->text(), u("  ☆ 当前为手动操作状态，可对系统进行设置和修改！"));
        QCOMPARE(label2->text(), u("  ☆ 修改完成后请选择自动播出！"));

        program->trigger("pbxt");  // locking leaves the tool bar as the mode set it
        expectEnabled(*program, {{"T1", false}, {"edit", false}, {"Jrxt", true}, {"pbxt", false}, {"ToolButton15", true},
                                 {"ToolButton17", true}});
        QVERIFY(program->main().grid().timetable().readOnly());

        // Unlocking shows the automatic pair but leaves the schedule stopped;
        // manual and then automatic brings it back.
        program->unlock();
        expectEnabled(*program, {{"ztbc", true}, {"jxbc", false}});
        QVERIFY(!program->main().timer1().isActive());
        program->trigger("ztbc");
        program->trigger("jxbc");
        expectEnabled(*program, {{"ztbc", true}, {"jxbc", false}, {"edit", false}, {"biaocz", false}, {"ToolButton15", false}});
        QVERIFY(program->main().timer1().isActive());
        QCOMPARE(label2->text(), QString());
    }

    void shortcutsOfAGreyedMenuDoNothing() {
        program->unlock();
        program->trigger("ztbc");
        program->trigger("pbxt");  // T1 greyed while jxbc is enabled inside it
        QVERIFY(program->main().action("jxbc")->isEnabled());
        program->trigger("jxbc");
        QVERIFY(!program->main().timer1().isActive());
    }

    void editCommandsFollowTheTable() {
        program->unlock();
        program->trigger("ztbc");
        expectEnabled(*program, {{"First1", false}, {"Last1", true}, {"Edit3", true}, {"Post1", false},
                                 {"Cancel1", false}, {"Delete1", true}, {"A1", true}, {"Insert1", true}});
        program->trigger("Last1");
        QCOMPARE(program->ctx().Table1.table.rowIndex(), 2);
        QCOMPARE(program->main().grid().currentIndex().row(), 2);
        expectEnabled(*program, {{"First1", true}, {"Last1", false}});

        program->trigger("Edit3");
        expectEnabled(*program, {{"Edit3", false}, {"Post1", true}, {"Cancel1", true}});
        program->trigger("Cancel1");

        program->main().toolButton("ToolButton15")->click();  // append
        QCOMPARE(program->main().grid().model()->rowCount(), 4);
        QCOMPARE(program->main().grid().model()->headerData(3, Qt::Vertical).toString(), u("*"));
        expectEnabled(*program, {{"Post1", true}, {"Cancel1", true}});
        program->trigger("Cancel1");
        QCOMPARE(program->main().grid().model()->rowCount(), 3);

        program->trigger("First1");
        program->main().toolButton("ToolButton10")->click();  // delete, at once
        QCOMPARE(program->main().grid().model()->rowCount(), 2);
        QCOMPARE(gui_test::storedField(program->timetableFile(), 0, 0), std::string("2"));
    }

    void resizeAppliesTheLayoutToTheWidgets() {
        view::TForm1& w = program->main();
        w.show();
        w.resize(709, 432 + w.menuBar()->height());
        QTRY_COMPARE(w.centralWidget()->size(), QSize(709, 432));
        auto geometry = [&](const char* name) { return w.part(name)->geometry(); };
        QCOMPARE(geometry("ControlBar1"), QRect(-16, -4, 551, 69));
        QCOMPARE(geometry("DBGrid1"), QRect(200, 84, 491, 242));
        QCOMPARE(geometry("Shape1"), QRect(20, 346, 597, 59));
        QCOMPARE(geometry("Image2"), QRect(20, 84, 161, 242));
        QCOMPARE(geometry("ListBox1"), QRect(20, 84, 161, 242));
        QCOMPARE(geometry("Label1").topLeft(), QPoint(32, 361));
        QCOMPARE(geometry("Label1").width(), 577);
        QCOMPARE(geometry("Label2").top(), 381);
        QCOMPARE(geometry("yinchang").topLeft(), QPoint(632, 346));
        QCOMPARE(geometry("QUIT1").topLeft(), QPoint(632, 379));
        const QRect clock = geometry("VrClock1");
        QCOMPARE(QList<int>({clock.left(), clock.width(), clock.height()}), QList<int>({553, 134, 49}));
        QCOMPARE(clock, rectOf(program->ctx().layout.VrClock1));

        w.resize(900, 600);
        QTRY_COMPARE(w.centralWidget()->width(), 900);
        QCOMPARE(geometry("DBGrid1"), rectOf(program->ctx().layout.DBGrid1));
        QCOMPARE(geometry("DBGrid1").width(), 900 + 8 - 10 - 161 - 55);
        QCOMPARE(geometry("QUIT1"), rectOf(program->ctx().layout.QUIT1));
    }

    void trayMenuAndIcon() {
        QStringList items;
        for (QAction* a : program->main().trayMenu().actions()) items << (a->isSeparator() ? u("-") : a->text());
        QCOMPARE(items, QStringList({u("主窗口(&M)"), u("帮助  (&H)"), u("-"), u("退出系统(&Q)")}));
        QCOMPARE(program->main().trayIcon().toolTip(), u("Belvane系统"));
        QVERIFY(program->main().trayIcon().isVisible());

        emit program->main().trayIcon().activated(QSystemTrayIcon::Context);
        QTRY_VERIFY(program->main().trayMenu().isVisible());
        program->main().trayMenu().close();

        program->main().trayMenu().actions()[1]->trigger();  // help
        QCOMPARE(program->opened.size(), std::size_t(1));
        QVERIFY(program->opened[0].toLocalFile().endsWith(u("/VELMORA.CHM")));
    }

    void closingKeepsTheWindowReachable() {
        view::TForm1& w = program->main();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.close());  // the close is refused: the window only hides
        // No tray on the offscreen platform: hiding would lose the window.
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QVERIFY(w.isVisible());
        QVERIFY(w.isMinimized());
        emit w.trayIcon().activated(QSystemTrayIcon::Trigger);
        QVERIFY(!w.isMinimized());
        QVERIFY(w.isVisible());
        QVERIFY(!program->ctx().terminating);
    }

    void quittingAsksThePasswordOnlyWhileLocked() {
        QPushButton* quit = qobject_cast<QPushButton*>(program->main().part("QUIT1"));
        program->withPasswordAnswer("wrong", [&] { quit->click(); });
        QVERIFY(!program->ctx().terminating);
        QVERIFY(program->main().trayIcon().isVisible());
        QCOMPARE(program->messages.shown, std::vector<std::string>({"密码不正确，请重新输入！"}));

        program->withPasswordAnswer("1234", [&] { program->trigger("Q1"); });
        QVERIFY(program->ctx().terminating);
        QVERIFY(!program->main().trayIcon().isVisible());
    }

    void quittingWhileUnlockedAsksNothing() {
        program->unlock();
        program->trigger("TCXT");  // a password dialog here would never be answered
        QVERIFY(program->ctx().terminating);
        QVERIFY(!program->windows->Form2->isVisible());
    }

    void tenSkinClicksVisitEverySkin() {
        QCOMPARE(qApp->styleSheet(), view::skinStyleSheet(0));  // id4 = 0 at start
        QSet<QString> seen;
        for (int click = 1; click <= 10; ++click) {
            program->main().toolButton("SpeedButton9")->click();
            QCOMPARE(qApp->styleSheet(), view::skinStyleSheet(click % 10));
            seen.insert(qApp->styleSheet());
        }
        QCOMPARE(seen.size(), 10);
        QCOMPARE(program->main().toolButton("SpeedButton9")->toolTip(), u("界面编号：10"));
        view::applySkin(10);  // a number beyond the ten loads none
        QCOMPARE(qApp->styleSheet(), view::skinStyleSheet(0));
    }

    void aboutBoxAndItsLink() {
        view::TAboutBox& about = *program->windows->AboutBox;
        QCOMPARE(about.windowTitle(), u("关于Belvane系统"));
        QCOMPARE(about.size(), QSize(375, 231));
        QCOMPARE(about.versionLine().text(), u("VERsion 3.61"));
        QVERIFY(about.versionLine().font().bold() && about.versionLine().font().italic());
        QVERIFY(about.okButton().isDefault());

        QTimer::singleShot(0, &about, [&] {
            QTRY_VERIFY(about.isVisible());
            QTest::mouseClick(&about.link(), Qt::LeftButton);
            QTest::mouseClick(&about.picture(), Qt::LeftButton);
            about.okButton().click();
        });
        program->trigger("GUANYU");  // modal: returns once OK has closed it
        QVERIFY(!about.isVisible());
        QCOMPARE(program->opened.size(), std::size_t(2));
        for (const QUrl& url : program->opened) QCOMPARE(url.toString(), QString::fromLatin1(shell::kWebPage));
    }

    void theClockShowsTheProgramClock() {
        auto* clock = qobject_cast<view::LedClock*>(program->main().part("VrClock1"));
        QVERIFY(clock);
        program->clock.time.hour = 14;
        program->clock.time.minute = 5;
        program->clock.time.second = 9;
        QTRY_COMPARE_WITH_TIMEOUT(clock->shownText(), u("14:05:09 PM"), 2500);
    }

    void startWithoutSettingsQuits() {
        program.reset();
        program = std::make_unique<GuiProgram>(gui_test::Setup{false});
        QVERIFY(program->ctx().terminating);
        QCOMPARE(program->messages.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(program->messages.shown[0]),
                 u("系统初始化错误！\r\r文件 ") + QString::fromStdString(program->folder.dir().string()) +
                     u("/system.dbf 未找到！"));
        QVERIFY(!program->main().trayIcon().isVisible());
    }

    void anyoneMayOperateHidesTheLockItems_data() {
        QTest::addColumn<QString>("id6");
        QTest::newRow("1") << u("1");
        QTest::newRow("2") << u("2");
    }
    void anyoneMayOperateHidesTheLockItems() {
        QFETCH(QString, id6);
        program.reset();
        program = std::make_unique<GuiProgram>(gui_test::Setup{true, id6.toStdString()});
        for (const char* name : {"Jrxt", "pbxt", "N4", "GGMM"}) QVERIFY2(!program->main().action(name)->isVisible(), name);
        QVERIFY(program->main().action("TCXT")->isVisible());
        expectEnabled(*program, {{"T1", true}, {"TCXT", true}});
        QVERIFY(!program->main().grid().timetable().readOnly());
    }

private:
    std::unique_ptr<GuiProgram> program;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
