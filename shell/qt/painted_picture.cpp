#include "shell/qt/painted_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace view {

PaintedPicture::PaintedPicture(Painter painter, QWidget* parent) : QWidget(parent), painter_(std::move(painter)) {}

void PaintedPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_(p, size());
}

void PaintedPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace view
