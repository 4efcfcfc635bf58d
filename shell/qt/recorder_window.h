#pragma once
// Tdstx, the sound recorder "录音": a view of a recorder::Recorder over the
// device it is given. Shown modally; its close box only hides it, so a
// recording goes on and is found again at the next opening. Its own
// 500 ms timer follows the data's Timer1Interval.

#include <QDialog>
#include <QTimer>
#include <functional>

#include "recorder/recorder.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace view {

class RadioGroup;
class WindowBridge;

class Tdstx : public QDialog {
    Q_OBJECT
public:
    // Asks for the WAV file to record or preview, starting in `folder`; an
    // empty result means cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& folder)>;

    Tdstx(shell::MainContext& ctx, recorder::RecorderDevice& device, WindowBridge& bridge);
    ~Tdstx() override;

    void showModal();  // rec3Click, then returns once the window is closed
    void syncFromModel();
    void Timer1Timer();  // what each tick of its timer runs
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    recorder::Recorder& recorder() { return recorder_; }
    QTimer& timer1() { return Timer1_; }
    // Named parts, for the tests and the screenshots.
    QPushButton* button(const char* controlName) const;
    QLineEdit& edit1() const { return *Edit1_; }
    QLabel& label1() const { return *label1_; }
    QWidget& shape(int n) const { return n == 2 ? *Shape2_ : *Shape3_; }
    RadioGroup& radioGroup(int n) const;  // 1 channels, 2 bits, 3 rate

private:
    void forward(const std::function<void()>& handler);

    recorder::Recorder recorder_;
    WindowBridge& bridge_;
    FileChooser chooseFile_;
    QTimer Timer1_;
    QLineEdit* Edit1_ = nullptr;
    RadioGroup* groups_[3] = {};
    QWidget* Shape2_ = nullptr;
    QWidget* Shape3_ = nullptr;
    QLabel* label1_ = nullptr;
};

}  // namespace view
