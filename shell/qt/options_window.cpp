#include "shell/qt/options_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>

#include "operator/options.h"
#include "shell/qt/fonts.h"
#include "shell/qt/radio_group.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/window_bridge.h"

namespace view {
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// The box's text as the core reads it: colons kept, unfilled places blank.
std::string boxText(const QLineEdit& box) {
    QString shown = box.displayText();
    shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    return gbkOf(shown);
}

bool holdsDigits(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void setBox(QLineEdit& box, const std::string& gbkText) {
    const std::string shown = boxText(box);
    if (shown == gbkText || (!holdsDigits(shown) && !holdsDigits(gbkText))) return;
    box.setText(holdsDigits(gbkText) ? qs(gbkText) : QString());
}

QLabel* label(QWidget* parent, const char* name, const char* caption, QPoint at) {
    auto* l = new QLabel(u(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    l->adjustSize();
    return l;
}

// Folder paths as the core keeps them: without a trailing separator
// except for the root itself.
QString folderOf(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
    return p;
}

}  // namespace

TForm4::TForm4(shell::MainContext& ctx, WindowBridge& bridge)
    : ctx_(ctx),
      bridge_(bridge),
      chooseFile_([](QWidget* parent) {
          QString chosen = QStringLiteral("*.wav;*.mid;*.mp3;*.mpg;*.avi;*.dat");
          return QFileDialog::getOpenFileName(parent, QString(), QString(), fileFilters(), &chosen,
                                              QFileDialog::HideNameFilterDetails | QFileDialog::ReadOnly);
      }) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(u("选项"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(420, 299);

    dirs_ = new QTabWidget(this);
    dirs_->setObjectName(QStringLiteral("dirs"));
    dirs_->setFont(songTi(12));
    dirs_->setGeometry(18, 16, 377, 233);
    dirs_->addTab(buildShutdownPage(), u("定时关机"));
    dirs_->addTab(buildVolumePage(), u("初始音量"));
    dirs_->addTab(buildFolderPage(), u("目录或文件"));
    dirs_->addTab(buildEndPage(), u("结束方式"));
    dirs_->addTab(buildPermissionPage(), u("权限论证"));
    // The page the operator leaves open is kept in the data for the next opening.
    connect(dirs_, &QTabWidget::currentChanged, this, [this](int page) {
        if (!syncing_) ctx_.Form4.pageIndex = page;
    });

    bridge_.setOptionsDialog(this);
    forward([this] { operation::options::Form4Create(ctx_); });
}

TForm4::~TForm4() { bridge_.setOptionsDialog(nullptr); }

QString TForm4::fileFilters() {
    const char* patterns[] = {"*.wav;*.mid;*.mp3;*.mpg;*.avi;*.dat", "*.wav;*.mid;*.mp3", "*.mpg;*.avi;*.dat",
                              "*.wav", "*.mid", "*.mp3", "*.mpg", "*.avi", "*.dat", "*.*"};
    QStringList filters;
    for (const char* p : patterns) {
        QString globs = QString::fromLatin1(p);
        globs.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (globs == QLatin1String("*.*")) globs = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(QString::fromLatin1(p), globs);
    }
    return filters.join(QStringLiteral(";;"));
}

QPushButton* TForm4::addButton(QWidget* page, const char* name, const char* caption, QRect geometry) {
    auto* b = new QPushButton(u(caption), page);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

QWidget* TForm4::buildShutdownPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* group = new QGroupBox(u("  每天  "), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setToolTip(u("系统设置中可设当天所有项目播完后5分钟为默认自动关机时间"));
    group->setGeometry(24, 16, 321, 105);
    QLineEdit** boxes[2] = {&MaskEdit1_, &MaskEdit2_};
    const char* captions[2] = {"自定义关机时间一", "自定义关机时间二"};
    const char* labelNames[2] = {"Label2", "Label1"};
    std::string operation::OptionsForm::*fields[2] = {&operation::OptionsForm::MaskEdit1,
                                                      &operation::OptionsForm::MaskEdit2};
    for (int i = 0; i < 2; ++i) {
        label(group, labelNames[i], captions[i], QPoint(24, 32 + i * 36));
        auto* box = new QLineEdit(group);
        box->setObjectName(QStringLiteral("MaskEdit%1").arg(i + 1));
        // hh:mm:ss with an optional first hour digit; the colons stay in the text.
        box->setInputMask(QStringLiteral("09:99:99;_"));
        box->setGeometry(176, 28 + i * 36, 97, 21);
        auto field = fields[i];
        connect(box, &QLineEdit::textEdited, this, [this, box, field] { ctx_.Form4.*field = boxText(*box); });
        *boxes[i] = box;
    }
    auto* reset = addButton(page, "BitBtn1", "重设(&B)", QRect(24, 140, 75, 25));
    auto* save = addButton(page, "BitBtn2", "保存(&V)", QRect(112, 140, 75, 25));
    connect(reset, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn1Click(ctx_); }); });
    connect(save, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn2Click(ctx_); }); });
    auto* close = addButton(page, "BitBtn7", "关闭(&E)", QRect(272, 172, 75, 25));
    connect(close, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn7Click(ctx_); }); });
    return page;
}

QWidget* TForm4::buildVolumePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* frame = new QFrame(page);  // the four bevels around the track bar
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(16, 16, 337, 65);
    label(page, "Label3", " 音量 ", QPoint(32, 9))->setAutoFillBackground(true);
    trackbar1_ = new QSlider(Qt::Horizontal, page);
    trackbar1_->setObjectName(QStringLiteral("trackbar1"));
    trackbar1_->setRange(0, 255);
    trackbar1_->setSingleStep(0);  // the arrow keys do not move it
    trackbar1_->setPageStep(1);
    trackbar1_->setTickPosition(QSlider::TicksBelow);
    trackbar1_->setTickInterval(255);  // ticks at the ends only
    trackbar1_->setGeometry(48, 32, 265, 33);
    connect(trackbar1_, &QSlider::valueChanged, this, [this](int position) {
        if (!syncing_) forward([this, position] { operation::options::setTrackbar1Position(ctx_, position); });
    });
    label(page, "Label4", "0", QPoint(32, 40));
    label(page, "Label6", "255", QPoint(318, 40));
    auto* hint = new QLabel(u("    移动滑块找到合适的音量，然后单击保存，所设音量值将自动存入作息时间表。"
                              "你也可直接在作息时间表中输入合适的数值来设定所需的音量。"),
                            page);
    hint->setObjectName(QStringLiteral("Label7"));
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: maroon"));
    hint->setGeometry(16, 92, 337, 73);
    auto* save = addButton(page, "volbutt", "保存(&V)", QRect(184, 172, 75, 25));
    connect(save, &QPushButton::clicked, this, [this] { forward([this] { operation::options::volbuttClick(ctx_); }); });
    auto* close = addButton(page, "BitBtn4", "关闭(&E)", QRect(272, 172, 75, 25));
    connect(close, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn7Click(ctx_); }); });
    return page;
}

QWidget* TForm4::buildFolderPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* group = new QGroupBox(u(" 选择磁盘目录或文件 "), page);
    group->setObjectName(QStringLiteral("GroupBox3"));
    group->setGeometry(8, 4, 225, 197);

    Edit71_ = new QLineEdit(group);
    Edit71_->setObjectName(QStringLiteral("Edit71"));
    Edit71_->setGeometry(8, 20, 185, 21);
    connect(Edit71_, &QLineEdit::textEdited, this, [this](const QString& typed) { ctx_.Form4.Edit71 = gbkOf(typed); });
    auto* fileButton = addButton(group, "BitBtn3", "...", QRect(196, 20, 21, 21));
    fileButton->setToolTip(u("指定磁盘文件"));
    connect(fileButton, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFile_(this);
        forward([this, chosen] { operation::options::chooseFile(ctx_, gbkOf(chosen)); });
    });

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QStringLiteral("/"));
    DirectoryListBox2_ = new QTreeView(group);
    DirectoryListBox2_->setObjectName(QStringLiteral("DirectoryListBox2"));
    DirectoryListBox2_->setToolTip(u("指定磁盘目录"));
    DirectoryListBox2_->setModel(folders_);
    DirectoryListBox2_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) DirectoryListBox2_->hideColumn(column);
    DirectoryListBox2_->setGeometry(8, 46, 209, 117);
    connect(DirectoryListBox2_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid()) folderChosen(folders_->filePath(current));
            });

    DriveComboBox1_ = new QComboBox(group);
    DriveComboBox1_->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1_->setGeometry(8, 168, 209, 21);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) DriveComboBox1_->addItem(volume.rootPath());
    }
    connect(DriveComboBox1_, &QComboBox::activated, this,
            [this](int row) { folderChosen(DriveComboBox1_->itemText(row)); });

    RadioGroup9_ = new RadioGroup(u(" 目录播放方式 "), {u("顺序播放"), u("随机播放")}, page);
    RadioGroup9_->setObjectName(QStringLiteral("RadioGroup9"));
    RadioGroup9_->setGeometry(244, 4, 113, 73);
    RadioGroup9_->onClicked([this](int index) { forward([this, index] { ctx_.Form4.RadioGroup9Index = index; }); });

    auto* ok = addButton(page, "dirok", "确 定(&O)", QRect(272, 140, 75, 25));
    connect(ok, &QPushButton::clicked, this, [this] { forward([this] { operation::options::dirokClick(ctx_); }); });
    auto* close = addButton(page, "BitBtn6", "关闭(&E)", QRect(272, 172, 75, 25));
    connect(close, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn7Click(ctx_); }); });
    return page;
}

QWidget* TForm4::buildEndPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    RadioGroup1_ = new RadioGroup(u(" 所有项目播完后 "),
                                  {u("5分钟自动关机"), u("关闭本系统 返回WINDOWS"), u("回到第一项重播[播出时间必须为空格]"), u("等待")},
                                  page);
    RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1_->setGeometry(16, 8, 337, 121);
    RadioGroup1_->onClicked([this](int index) { forward([this, index] { ctx_.Form4.RadioGroup1Index = index; }); });
    CheckBox1_ = new QCheckBox(u("设为默认值"), page);
    CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1_->setGeometry(24, 140, 121, 21);
    connect(CheckBox1_, &QCheckBox::clicked, this, [this](bool ticked) { forward([this, ticked] { ctx_.Form4.CheckBox1 = ticked; }); });
    auto* ok = addButton(page, "Button1", "确定(&O)", QRect(184, 172, 75, 25));
    connect(ok, &QPushButton::clicked, this, [this] { forward([this] { operation::options::Button1Click(ctx_); }); });
    auto* close = addButton(page, "BitBtn5", "关闭(&E)", QRect(272, 172, 75, 25));
    connect(close, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn7Click(ctx_); }); });
    return page;
}

QWidget* TForm4::buildPermissionPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    RadioGroup2_ = new RadioGroup(u("  权限论证  "), {u("操作员要经过权限论证才能进入"), u("任何人都可以直接操作")}, page);
    RadioGroup2_->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2_->setGeometry(16, 8, 337, 97);
    RadioGroup2_->onClicked([this](int index) { forward([this, index] { ctx_.Form4.RadioGroup2Index = index; }); });
    auto* ok = addButton(page, "Button2", "确定(&O)", QRect(184, 172, 75, 25));
    connect(ok, &QPushButton::clicked, this, [this] { forward([this] { operation::options::Button2Click(ctx_); }); });
    auto* close = addButton(page, "BitBtn8", "关闭(&E)", QRect(272, 172, 75, 25));
    connect(close, &QPushButton::clicked, this, [this] { forward([this] { operation::options::BitBtn7Click(ctx_); }); });
    return page;
}

void TForm4::folderChosen(const QString& folder) {
    forward([this, folder] { operation::options::DirectoryListBox2Change(ctx_, gbkOf(folderOf(folder))); });
}

void TForm4::forward(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ctx_.messages.information(gbkReport(e.what()));
    }
    syncFromModel();
}

void TForm4::closeEvent(QCloseEvent* event) {
    event->ignore();  // the dialog is hidden, never destroyed
    forward([this] { operation::options::BitBtn7Click(ctx_); });
}

void TForm4::reject() { forward([this] { operation::options::BitBtn7Click(ctx_); }); }

void TForm4::syncFolderList() {
    const QString folder = qs(ctx_.Form4.DirectoryListBox2);
    const QString root = QStorageInfo(folder).rootPath();
    int drive = DriveComboBox1_->findText(root);
    if (drive < 0 && !root.isEmpty()) {
        DriveComboBox1_->addItem(root);
        drive = DriveComboBox1_->count() - 1;
    }
    DriveComboBox1_->setCurrentIndex(drive);
    const QModelIndex rootIndex = folders_->index(root);
    if (DirectoryListBox2_->rootIndex() != rootIndex) DirectoryListBox2_->setRootIndex(rootIndex);
    const QModelIndex current = folder == root ? QModelIndex() : folders_->index(folder);
    if (DirectoryListBox2_->currentIndex() != current) {
        DirectoryListBox2_->setCurrentIndex(current);
        if (current.isValid()) DirectoryListBox2_->scrollTo(current);
    }
}

void TForm4::syncVolume() {
    syncing_ = true;
    trackbar1_->setValue(ctx_.Form4.trackbar1Position);
    syncing_ = false;
}

void TForm4::syncFromModel() {
    const operation::OptionsForm& f = ctx_.Form4;
    syncing_ = true;
    setBox(*MaskEdit1_, f.MaskEdit1);
    setBox(*MaskEdit2_, f.MaskEdit2);
    trackbar1_->setValue(f.trackbar1Position);
    if (const QString t = qs(f.Edit71); Edit71_->text() != t) Edit71_->setText(t);
    syncFolderList();
    button("dirok")->setEnabled(f.dirokEnabled);
    RadioGroup9_->setIndex(f.RadioGroup9Index);
    RadioGroup1_->setIndex(f.RadioGroup1Index);
    CheckBox1_->setChecked(f.CheckBox1);
    RadioGroup2_->setIndex(f.RadioGroup2Index);
    dirs_->setCurrentIndex(f.pageIndex);
    syncing_ = false;
    if (f.visible && !isVisible()) {
        show();
        raise();
        activateWindow();
    } else if (!f.visible && isVisible()) {
        hide();
    }
}

RadioGroup& TForm4::radioGroup(int n) const { return n == 1 ? *RadioGroup1_ : n == 2 ? *RadioGroup2_ : *RadioGroup9_; }

QPushButton* TForm4::button(const char* controlName) const {
    return findChild<QPushButton*>(QString::fromLatin1(controlName));
}

}  // namespace view
