#include "shell/qt/led_clock.h"

#include <QPainter>
#include <array>

#include "shell/qt/second_timer.h"

namespace view {
namespace {

const QColor kLit(0, 255, 0);
const QColor kUnlit(0, 45, 0);
constexpr int kColonWidth = 6;
constexpr int kGap = 2;
constexpr int kMarkWidth = 16;

// Segments a-g of the digits 0-9, bit 0 = a (top) ... bit 6 = g (middle).
constexpr std::array<int, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void drawDigit(QPainter& p, QPointF at, int digit) {
    const double w = LedClock::kDigitWidth, h = LedClock::kDigitHeight, t = 2.0, half = h / 2;
    // Each segment as a rectangle inside the 12 by 17 cell.
    const std::array<QRectF, 7> segment = {
        QRectF(t, 0, w - 2 * t, t),               // a
        QRectF(w - t, t, t, half - 1.5 * t),      // b
        QRectF(w - t, half + t / 2, t, half - 1.5 * t),  // c
        QRectF(t, h - t, w - 2 * t, t),           // d
        QRectF(0, half + t / 2, t, half - 1.5 * t),      // e
        QRectF(0, t, t, half - 1.5 * t),          // f
        QRectF(t, half - t / 2, w - 2 * t, t),    // g
    };
    for (int s = 0; s < 7; ++s) p.fillRect(segment[s].translated(at), (kSegments[digit] >> s) & 1 ? kLit : kUnlit);
}

void drawColon(QPainter& p, QPointF at) {
    p.fillRect(QRectF(at.x() + 2, at.y() + 4, 2, 2), kLit);
    p.fillRect(QRectF(at.x() + 2, at.y() + 11, 2, 2), kLit);
}

int contentWidth() { return 6 * LedClock::kDigitWidth + 2 * kColonWidth + 7 * kGap + kMarkWidth; }

}  // namespace

LedClock::LedClock(const scheduler::Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &LedClock::tick);
    tick();
}

void LedClock::tick() {
    shown_ = clock_.now();
    setAccessibleName(shownText());
    update();
    armForNextSecond(timer_);
}

QString LedClock::shownText() const {
    return QString::asprintf("%02d:%02d:%02d %s", shown_.hour, shown_.minute, shown_.second,
                             shown_.hour < 12 ? "AM" : "PM");
}

void LedClock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    double x = (width() - contentWidth()) / 2.0;
    const double y = (height() - kDigitHeight) / 2.0;
    const int parts[] = {shown_.hour, shown_.minute, shown_.second};
    for (int i = 0; i < 3; ++i) {
        drawDigit(p, QPointF(x, y), parts[i] / 10);
        x += kDigitWidth + kGap;
        drawDigit(p, QPointF(x, y), parts[i] % 10);
        x += kDigitWidth + kGap;
        if (i < 2) {
            drawColon(p, QPointF(x, y));
            x += kColonWidth + kGap;
        }
    }
    QFont mark;
    mark.setPixelSize(8);
    mark.setBold(true);
    p.setFont(mark);
    const bool morning = shown_.hour < 12;
    p.setPen(morning ? kLit : kUnlit);
    p.drawText(QRectF(x, y, kMarkWidth, 8), Qt::AlignCenter, QStringLiteral("AM"));
    p.setPen(morning ? kUnlit : kLit);
    p.drawText(QRectF(x, y + 9, kMarkWidth, 8), Qt::AlignCenter, QStringLiteral("PM"));
}

}  // namespace view
