#include "shell/qt/main_window.h"


#include "playback/play_stop.h"
#include "scheduler/tick.h"
#include "shell/qt/second_timer.h"
#include "shell/qt/video_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include "shell/form_create.h"
#include "shell/qt/artwork.h"
#include "shell/qt/fonts.h"
#include "shell/qt/led_clock.h"
#include "shell/qt/painted_picture.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/timetable_grid.h"
#include "shell/qt/window_bridge.h"
#include "shell/tray.h"

namespace view {
namespace {

using M = shell::MainControls;

// Shape1: the message area, a light face with curved corners.
void paintMessageArea(QPainter& p, const QSize& size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xA6, 0xCA, 0xF0), 1));
    p.setBrush(QColor(0xF1, 0xEF, 0xE2));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
}

QWidget* toolSeparator(int width) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(width, 50);
    return line;
}

void place(QWidget* w, const shell::Rect& r) { w->setGeometry(r.left, r.top, r.width, r.height); }

}  // namespace

TForm1::TForm1(shell::MainContext& ctx, WindowBridge& bridge, const std::string& appDir)
    : ctx_(ctx), bridge_(bridge), tray_(programIcon()) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(programIcon());
    buildClientArea();
    buildMenus();
    buildToolBar();
    buildTray();
    Timer1_.setTimerType(Qt::PreciseTimer);
    Timer1_.setSingleShot(true);
    connect(&Timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);

    move(47, 52);
    resize(709, 432 + menuBar()->sizeHint().height());
    bridge_.setMainWindow(this);
    forward([this, appDir] { shell::FormCreate(ctx_, appDir); });
}

TForm1::~TForm1() {
    // The children outlive this object's members: an editor committed while
    // they go must not re-sync a window that is half gone.
    disconnect(grid_, nullptr, this, nullptr);
    bridge_.setMainWindow(nullptr);
}

void TForm1::buildClientArea() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    client_->installEventFilter(this);

    ControlBar1_ = new QWidget(client_);
    ControlBar1_->setObjectName(QStringLiteral("ControlBar1"));
    ControlBar1_->setAutoFillBackground(true);
    QPalette bar = ControlBar1_->palette();
    bar.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));  // the active-border colour
    ControlBar1_->setPalette(bar);
    ToolBar1_ = new QToolBar(ControlBar1_);
    ToolBar1_->setObjectName(QStringLiteral("ToolBar1"));

    VrClock1_ = new LedClock(ctx_.clock, client_);
    Image2_ = new PaintedPicture(paintSchoolScene, client_);
    ListBox1_ = new QListWidget(client_);
    ListBox1_->setToolTip(QStringLiteral("双击将播放下一曲目"));
    ListBox1_->hide();
    connect(ListBox1_, &QListWidget::itemDoubleClicked, this,
            [this] { forward([this] { playback::ListBox1DblClick(ctx_); }); });
    grid_ = new TimetableGrid(ctx_, client_);
    connect(grid_, &TimetableGrid::tableChanged, this, &TForm1::syncFromModel);
    Shape1_ = new PaintedPicture(paintMessageArea, client_);
    for (QLabel** label : {&Label1_, &Label2_}) {
        *label = new QLabel(client_);
        (*label)->setFont(songTi(13));
        (*label)->setStyleSheet(QStringLiteral("color: #008000; background: transparent;"));
    }
    yinchang_ = new QPushButton(client_);
    QUIT1_ = new QPushButton(client_);
    connect(yinchang_, &QPushButton::clicked, this, [this] { forward([this] { shell::E1Click(ctx_); }); });
    connect(QUIT1_, &QPushButton::clicked, this, [this] { forward([this] { shell::Q1Click(ctx_); }); });

    parts_ = {{"ControlBar1", ControlBar1_}, {"ToolBar1", ToolBar1_}, {"VrClock1", VrClock1_},
              {"Image2", Image2_},           {"ListBox1", ListBox1_}, {"DBGrid1", grid_},
              {"Shape1", Shape1_},           {"Label1", Label1_},     {"Label2", Label2_},
              {"yinchang", yinchang_},       {"QUIT1", QUIT1_}};
    for (auto& [name, widget] : parts_) widget->setObjectName(QString::fromLatin1(name.c_str()));
}

QAction* TForm1::commandAction(const shell::Entry& entry, std::vector<shell::Control shell::MainControls::*> parents) {
    auto* a = new QAction(this);
    actions_[entry.name] = a;
    bindings_.bind(entry.control, a, conditionFor(entry.name));
    auto handler = handlerFor(entry.name);
    connect(a, &QAction::triggered, this, [this, handler, parents] {
        // The shortcut of an item in a greyed or hidden menu does nothing.
        for (auto parent : parents)
            if (!(ctx_.controls.*parent).enabled || !(ctx_.controls.*parent).visible) return;
        if (handler) forward(handler);
    });
    return a;
}

void TForm1::buildMenus() {
    for (const shell::Menu& m : shell::mainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString());
        actions_[m.name] = menu->menuAction();
        bindings_.bind(m.control, menu->menuAction());
        for (const shell::Entry& e : m.entries) {
            if (e.separator) {
                QAction* s = menu->addSeparator();
                actions_[e.name] = s;
                bindings_.bind(e.control, s);
            } else if (std::string(e.name) == "Z1") {
                QMenu* seasons = menu->addMenu(QString());
                actions_[e.name] = seasons->menuAction();
                bindings_.bind(e.control, seasons->menuAction());
                auto* group = new QActionGroup(seasons);
                for (const shell::Entry& season : shell::seasonItems()) {
                    QAction* a = commandAction(season, {m.control, e.control});
                    a->setCheckable(true);
                    group->addAction(a);
                    seasons->addAction(a);
                }
            } else {
                menu->addAction(commandAction(e, {m.control}));
            }
        }
    }
}

void TForm1::buildToolBar() {
    ToolBar1_->setMovable(false);
    ToolBar1_->setFloatable(false);
    ToolBar1_->setIconSize(QSize(32, 32));
    for (const shell::Entry& e : shell::toolBar()) {
        if (e.separator) {
            ToolBar1_->addWidget(toolSeparator(e.separatorWidth));
            continue;
        }
        auto* button = new QToolButton;
        QAction* a = commandAction(e, {});
        a->setIcon(toolIcon(e.name));
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(45, 59);
        button->setFont(songTi(12));
        button->setObjectName(QString::fromLatin1(e.name));
        ToolBar1_->addWidget(button);
        toolButtons_[e.name] = button;
    }
}

void TForm1::buildTray() {
    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    for (const shell::Entry& e : shell::trayMenu()) {
        if (e.separator) {
            QAction* s = PopupMenu1_->addSeparator();
            actions_[e.name] = s;
            bindings_.bind(e.control, s);
        } else {
            PopupMenu1_->addAction(commandAction(e, {}));
        }
    }
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) forward([this] { shell::TrayIconNotify(ctx_, shell::kLeftButtonUp); });
        if (reason == QSystemTrayIcon::Context) forward([this] { shell::TrayIconNotify(ctx_, shell::kRightButtonUp); });
    });
}

void TForm1::armTimer1() {
    // Every second of the day gets one tick however late the last one ran.
    armForNextSecond(Timer1_);
}

void TForm1::Timer1Timer() {
    // Re-armed first: a message box shown inside the tick lets later ticks run.
    armTimer1();
    scheduler::Timer1Timer(ctx_);
    syncFromModel();
    bridge_.followVolume();
}

void TForm1::forward(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // What a handler does not catch is reported with its own text.
        ctx_.messages.information(gbkReport(e.what()));
    }
    syncFromModel();
}

void TForm1::syncFromModel() {
    const shell::MainControls& c = ctx_.controls;
    setWindowTitle(qs(c.Caption));
    bindings_.sync(c);
    applyControl(*yinchang_, c.yinchang);
    applyControl(*QUIT1_, c.QUIT1);

    const QString label1 = qs(c.Label1), label2 = qs(c.Label2);
    if (Label1_->text() != label1) Label1_->setText(label1);
    if (Label2_->text() != label2) Label2_->setText(label2);
    statusEcho_.show(label1, label2);

    QStringList items;
    for (const std::string& item : c.ListBox1.items) items << qs(item);
    QStringList shownItems;
    for (int i = 0; i < ListBox1_->count(); ++i) shownItems << ListBox1_->item(i)->text();
    if (items != shownItems) {
        ListBox1_->clear();
        ListBox1_->addItems(items);
    }
    if (ListBox1_->currentRow() != c.ListBox1.itemIndex) ListBox1_->setCurrentRow(c.ListBox1.itemIndex);
    ListBox1_->setVisible(c.ListBox1.visible);

    grid_->syncFromModel();

    if (c.Timer1Interval <= 0)
        Timer1_.stop();
    else if (!Timer1_.isActive())
        armTimer1();
    if (videoWindow_) videoWindow_->syncFromModel();

    if (!ctx_.state.TrayIconData.tip.empty()) tray_.setToolTip(qs(ctx_.state.TrayIconData.tip));
}

void TForm1::applyLayout() {
    shell::FormResize(ctx_.layout, client_->width() + kFrameWidth, client_->height() + kFrameHeight);
    const shell::MainLayout& l = ctx_.layout;
    place(ControlBar1_, l.ControlBar1);
    place(ToolBar1_, l.ToolBar1);
    place(VrClock1_, l.VrClock1);
    place(Image2_, l.Image2);
    place(ListBox1_, l.ListBox1);
    place(grid_, l.DBGrid1);
    place(Shape1_, l.Shape1);
    place(Label1_, l.Label1);
    place(Label2_, l.Label2);
    place(yinchang_, l.yinchang);
    place(QUIT1_, l.QUIT1);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (ctx_.terminating) {  // the program is ending
        event->accept();
        return;
    }
    event->ignore();
    forward([this] { shell::FormClose(ctx_); });
}

void TForm1::hideToTray() {
    // Without a notification area a hidden window could never be brought
    // back, so then it only goes down to the taskbar.
    if (QSystemTrayIcon::isSystemTrayAvailable() && tray_.isVisible())
        hide();
    else
        showMinimized();
}

void TForm1::showFromTray() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm1::popupTrayMenu() { PopupMenu1_->popup(QCursor::pos()); }

void TForm1::setTrayIconShown(bool shown) { tray_.setVisible(shown); }

QAction* TForm1::action(const std::string& controlName) const {
    const auto found = actions_.find(controlName);
    return found == actions_.end() ? nullptr : found->second;
}

QToolButton* TForm1::toolButton(const std::string& controlName) const {
    const auto found = toolButtons_.find(controlName);
    return found == toolButtons_.end() ? nullptr : found->second;
}

QWidget* TForm1::part(const std::string& controlName) const {
    const auto found = parts_.find(controlName);
    return found == parts_.end() ? nullptr : found->second;
}

}  // namespace view
