#include "platform/media/video_widget.h"

#include <QPainter>

namespace media {

VideoWidget::VideoWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoWidget::showFrame(const playback::VideoFrame& frame) {
    // BGRx in memory is Qt's RGB32 on a little-endian machine. The pixels
    // are the player's only for this call, hence the copy.
    picture_ = QImage(frame.pixels, frame.width, frame.height, frame.stride, QImage::Format_RGB32).copy();
    ++framesShown_;
    update();
}

void VideoWidget::setTarget(const playback::DisplayRect& rect) {
    target_ = rect;
    update();
}

void VideoWidget::clearPicture() {
    picture_ = QImage();
    update();
}

QRect VideoWidget::targetRect() const {
    if (target_.wholeSurface()) return rect();
    return {target_.left, target_.top, target_.width, target_.height};
}

void VideoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!picture_.isNull()) painter.drawImage(targetRect(), picture_);
}

}  // namespace media
