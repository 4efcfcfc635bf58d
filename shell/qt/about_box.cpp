#include "shell/qt/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "shell/appearance.h"
#include "shell/qt/artwork.h"
#include "shell/qt/fonts.h"
#include "shell/qt/painted_picture.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/window_bridge.h"

namespace view {
namespace {

// A label that reports a left click: the web link.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) onClick_();
    }

private:
    std::function<void()> onClick_;
};

QLabel* line(const QString& text, QWidget* parent, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setFont(songTi(12));
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(shell::MainContext& ctx, WindowBridge& bridge) : ctx_(ctx), bridge_(bridge) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("关于Belvane系统"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(375, 231);

    Image1_ = new PaintedPicture(paintAboutBanner, this);
    Image1_->setGeometry(16, 16, 193, 89);
    Image1_->setCursor(Qt::PointingHandCursor);
    connect(Image1_, &PaintedPicture::clicked, this, &TAboutBox::Label5Click);

    Label2_ = new QLabel(qs(shell::aboutVersionLine(ctx_)), this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(songTi(13, true, true));
    Label2_->setStyleSheet(QStringLiteral("color: #FF8040;"));
    Label2_->move(232, 16);
    Label2_->adjustSize();

    line(QStringLiteral("校园作息时间播放系统"), this, 232, 44);
    line(QStringLiteral("定时播放铃声与广播"), this, 232, 64);

    Label5_ = new LinkLabel(QStringLiteral("访问 Belvane网站"), this, [this] { Label5Click(); });
    Label5_->setObjectName(QStringLiteral("Label5"));
    QFont linkFont = songTi(12);
    linkFont.setUnderline(true);
    Label5_->setFont(linkFont);
    Label5_->setStyleSheet(QStringLiteral("color: #0000FF;"));
    Label5_->setCursor(Qt::PointingHandCursor);
    Label5_->move(232, 104);
    Label5_->adjustSize();

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(8, 143, 359, 3);

    line(QStringLiteral("制作：Toramel 开发组"), this, 16, 156);
    line(QStringLiteral("联系：请向学校电教室或网络管理员咨询"), this, 16, 176);

    OKButton_ = new QPushButton(QStringLiteral("确定(&O)"), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setFont(songTi(12));
    OKButton_->setGeometry(292, 192, 75, 25);
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    bridge_.setAboutBox(this);
}

TAboutBox::~TAboutBox() { bridge_.setAboutBox(nullptr); }

void TAboutBox::Label5Click() { ctx_.window.openUrl(shell::kWebPage); }

}  // namespace view
