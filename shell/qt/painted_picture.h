#pragma once
// A picture drawn in code and stretched to the widget's bounds, which
// reports clicks (the about box's picture is a link).

#include <QWidget>
#include <functional>

namespace view {

class PaintedPicture : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QSize&)>;
    PaintedPicture(Painter painter, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Painter painter_;
};

}  // namespace view
