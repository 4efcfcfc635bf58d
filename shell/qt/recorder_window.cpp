#include "shell/qt/recorder_window.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "shell/qt/fonts.h"
#include "shell/qt/radio_group.h"
#include "shell/qt/text_bridge.h"
#include "shell/qt/window_bridge.h"

namespace view {
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Shape3: the blinking circle, red while recording, lime while previewing.
class Lamp : public QWidget {
public:
    using QWidget::QWidget;
    void setRed(bool red) {
        if (red == red_) return;
        red_ = red;
        update();
    }
    bool red() const { return red_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(red_ ? QColor(Qt::red) : QColor(0, 255, 0));
        p.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }

private:
    bool red_ = true;
};

}  // namespace

Tdstx::Tdstx(shell::MainContext& ctx, recorder::RecorderDevice& device, WindowBridge& bridge)
    : recorder_(ctx, device),
      bridge_(bridge),
      chooseFile_([](QWidget* parent, const QString& folder) {
          return QFileDialog::getOpenFileName(parent, QString(), folder, QStringLiteral("*.WAV (*.wav *.WAV)"), nullptr,
                                              QFileDialog::HideNameFilterDetails);
      }) {
    setObjectName(QStringLiteral("Tdstx"));
    setWindowTitle(u("录音"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(421, 305);
    setFont(songTi(12));

    auto* group = new QGroupBox(u("  保存为  "), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(32, 18, 345, 71);
    Edit1_ = new QLineEdit(group);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setGeometry(12, 26, 293, 21);
    connect(Edit1_, &QLineEdit::textEdited, this, [this](const QString& typed) { recorder_.form.Edit1 = gbkOf(typed); });
    auto* fileButton = new QPushButton(QStringLiteral("..."), group);
    fileButton->setObjectName(QStringLiteral("BitBtn1"));
    fileButton->setGeometry(310, 26, 23, 21);
    fileButton->setAutoDefault(false);
    connect(fileButton, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFile_(this, qs(recorder_.main.state.AppDir + "audio"));
        forward([this, chosen] { recorder::chooseFile(recorder_, gbkOf(chosen)); });
    });

    struct GroupDesign {
        const char* caption;
        std::vector<QString> items;
        int left;
        int recorder::RecorderForm::*index;
    };
    const GroupDesign designs[3] = {
        {" 声道 ", {u("单声道"), u("立体声")}, 34, &recorder::RecorderForm::RadioGroup1Index},
        {"  声音  ", {u("   8 位    "), u("  16 位  ")}, 152, &recorder::RecorderForm::RadioGroup2Index},
        {"  频率  ", {u(" 11025"), u(" 22050"), u(" 44100")}, 270, &recorder::RecorderForm::RadioGroup3Index},
    };
    for (int i = 0; i < 3; ++i) {
        groups_[i] = new RadioGroup(u(designs[i].caption), designs[i].items, this);
        groups_[i]->setObjectName(QStringLiteral("RadioGroup%1").arg(i + 1));
        groups_[i]->setGeometry(designs[i].left, 112, 107, 81);
        auto field = designs[i].index;
        groups_[i]->onClicked([this, field](int index) { forward([this, field, index] { recorder_.form.*field = index; }); });
    }

    Shape2_ = new QWidget(this);
    Shape2_->setObjectName(QStringLiteral("Shape2"));
    Shape2_->setGeometry(44, 228, 21, 21);
    Shape2_->setStyleSheet(QStringLiteral("background: black"));
    Shape3_ = new Lamp(this);
    Shape3_->setObjectName(QStringLiteral("Shape3"));
    Shape3_->setGeometry(48, 230, 13, 17);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("label1"));
    label1_->setGeometry(76, 234, 97, 13);

    struct ButtonDesign {
        const char* name;
        const char* caption;
        int left, width;
        void (*handler)(recorder::Recorder&);
    };
    const ButtonDesign buttons[4] = {
        {"btstart", "录音(&R)", 176, 51, recorder::btstartClick},
        {"btstop", "停止(&S)", 226, 51, recorder::btstopClick},
        {"Button1", "试听(&P)", 276, 55, recorder::Button1Click},
        {"Button2", "关闭(&E)", 332, 55, recorder::Button2Click},
    };
    for (const ButtonDesign& d : buttons) {
        auto* b = new QPushButton(u(d.caption), this);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setGeometry(d.left, 226, d.width, 25);
        b->setAutoDefault(false);
        auto handler = d.handler;
        connect(b, &QPushButton::clicked, this, [this, handler] { forward([this, handler] { handler(recorder_); }); });
    }
    // 关闭 offers the file to the grid, then the window goes.
    connect(button("Button2"), &QPushButton::clicked, this, [this] {
        if (!recorder_.form.visible) accept();
    });

    connect(&Timer1_, &QTimer::timeout, this, &Tdstx::Timer1Timer);

    bridge_.setRecorderWindow(this);
    forward([this] { recorder::FormCreate(recorder_); });
}

Tdstx::~Tdstx() { bridge_.setRecorderWindow(nullptr); }

void Tdstx::forward(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        recorder_.main.messages.information(gbkReport(e.what()));
    }
    syncFromModel();
}

void Tdstx::Timer1Timer() {
    forward([this] { recorder::Timer1Timer(recorder_); });
}

void Tdstx::showModal() {
    forward([this] { recorder::rec3Click(recorder_); });
    exec();
    // The close box leaves the recorder as it is; only the data's flag follows the window.
    recorder_.form.visible = false;
}

void Tdstx::syncFromModel() {
    const recorder::RecorderForm& f = recorder_.form;
    if (const QString t = qs(f.Edit1); Edit1_->text() != t) Edit1_->setText(t);
    const int indexes[3] = {f.RadioGroup1Index, f.RadioGroup2Index, f.RadioGroup3Index};
    for (int i = 0; i < 3; ++i) groups_[i]->setIndex(indexes[i]);
    label1_->setText(qs(f.label1));
    button("btstart")->setEnabled(f.btstartEnabled);
    button("btstop")->setEnabled(f.btstopEnabled);
    button("Button1")->setEnabled(f.Button1Enabled);
    Shape2_->setVisible(f.indicatorVisible);
    Shape3_->setVisible(f.indicatorVisible && f.Shape3Shown);
    static_cast<Lamp*>(Shape3_)->setRed(f.Shape3Red);
    if (f.Timer1Interval <= 0) {
        Timer1_.stop();
    } else if (!Timer1_.isActive() || Timer1_.interval() != f.Timer1Interval) {
        Timer1_.start(f.Timer1Interval);
    }
}

QPushButton* Tdstx::button(const char* controlName) const {
    return findChild<QPushButton*>(QString::fromLatin1(controlName));
}

RadioGroup& Tdstx::radioGroup(int n) const { return *groups_[n - 1]; }

}  // namespace view
