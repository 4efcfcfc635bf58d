#include "shell/qt/video_window.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include "playback/video_window.h"
#include "shell/qt/artwork.h"
#include "shell/qt/text_bridge.h"

namespace view {

TForm6::TForm6(shell::MainContext& ctx) : ctx_(ctx), surface_(this) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowIcon(programIcon());
    const playback::VideoForm& f = ctx_.Form6;
    move(f.left, f.top);
    resize(f.clientWidth, f.clientHeight);
    ctx_.MediaPlayer1.setDisplay(&surface_);
}

TForm6::~TForm6() { ctx_.MediaPlayer1.setDisplay(nullptr); }

void TForm6::syncFromModel() {
    const playback::VideoForm& f = ctx_.Form6;
    setWindowTitle(qs(f.Caption));
    if (f.visible != isVisible()) setVisible(f.visible);
}

void TForm6::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_.setGeometry(rect());
    if (syncing_) return;
    playback::VideoForm& f = ctx_.Form6;
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    f.outerWidth = width() + frameWidth;
    f.clientWidth = width();
    playback::sizClick(ctx_);  // the height follows the width
    f.clientHeight = f.outerHeight - frameHeight;
    if (f.clientHeight != height()) {
        syncing_ = true;
        resize(width(), f.clientHeight);
        syncing_ = false;
    }
}

void TForm6::closeEvent(QCloseEvent* event) {
    // Closing only hides it; the file goes on playing.
    ctx_.Form6.visible = false;
    event->accept();
}

}  // namespace view
