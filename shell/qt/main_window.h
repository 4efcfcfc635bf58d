#pragma once
// TForm1, the main window: menus and tool bar built from the presentation
// model, the LED clock, the timetable grid, the message area and the tray
// icon. It holds no logic of its own: every user event goes to a core
// handler, and afterwards every widget is set again from the model.

#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "shell/main_context.h"
#include "shell/qt/control_bindings.h"
#include "shell/qt/status_echo.h"

class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace view {

class LedClock;
class TimetableGrid;
class TForm6;
class WindowBridge;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The design's frame around the 709 by 432 client area: the borders,
    // the caption and the menu bar of a 717 by 478 window.
    static constexpr int kFrameWidth = 8;
    static constexpr int kFrameHeight = 46;

    // Builds the window and runs the start-up sequence (FormCreate) in it.
    TForm1(shell::MainContext& ctx, WindowBridge& bridge, const std::string& appDir);
    ~TForm1() override;

    // Sets every widget from the presentation model and the tables.
    void syncFromModel();
    // Runs a core handler for a user event, then re-syncs.
    void forward(const std::function<void()>& handler);

    // What the core asks of the window (through the bridge).
    void hideToTray();
    void showFromTray();
    void popupTrayMenu();
    void setTrayIconShown(bool shown);

    // Named parts, for the tests and the screenshots.
    QAction* action(const std::string& controlName) const;
    QToolButton* toolButton(const std::string& controlName) const;
    QWidget* part(const std::string& controlName) const;
    TimetableGrid& grid() const { return *grid_; }
    QMenu& trayMenu() const { return *PopupMenu1_; }
    QSystemTrayIcon& trayIcon() { return tray_; }
    QTimer& timer1() { return Timer1_; }
    QToolBar& toolBar() const { return *ToolBar1_; }
    // The video window follows the model with this window.
    void setVideoWindow(TForm6* window) { videoWindow_ = window; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // The schedule tick, once a second while Timer1Interval is not 0.
    void Timer1Timer();

private:
    void buildMenus();
    void buildToolBar();
    void buildClientArea();
    void buildTray();
    QAction* commandAction(const shell::Entry& entry, std::vector<shell::Control shell::MainControls::*> parents);
    std::function<void()> handlerFor(const std::string& controlName);
    ControlBindings::Condition conditionFor(const std::string& controlName);
    void applyLayout();
    void armTimer1();

    shell::MainContext& ctx_;
    WindowBridge& bridge_;
    ControlBindings bindings_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QToolButton*> toolButtons_;
    std::map<std::string, QWidget*> parts_;

    QWidget* client_ = nullptr;
    QWidget* ControlBar1_ = nullptr;
    QToolBar* ToolBar1_ = nullptr;
    LedClock* VrClock1_ = nullptr;
    QWidget* Image2_ = nullptr;
    QListWidget* ListBox1_ = nullptr;
    TimetableGrid* grid_ = nullptr;
    QWidget* Shape1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QPushButton* yinchang_ = nullptr;
    QPushButton* QUIT1_ = nullptr;
    QMenu* PopupMenu1_ = nullptr;
    QSystemTrayIcon tray_;
    QTimer Timer1_;
    StatusEcho statusEcho_;
    TForm6* videoWindow_ = nullptr;
};

}  // namespace view
