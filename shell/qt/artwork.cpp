#include "shell/qt/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>
#include <map>

namespace view {
namespace {

constexpr int kGlyph = 32;

QPixmap drawn(int w, int h, const std::function<void(QPainter&)>& paint) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pm;
}

// A small table sheet: the timetable the row buttons act on.
void sheet(QPainter& p) {
    p.setPen(QPen(QColor(70, 90, 120), 1.5));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(3.5, 5.5, 20, 21));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (int y = 11; y <= 22; y += 5) p.drawLine(QPointF(4, y + 0.5), QPointF(23, y + 0.5));
    p.drawLine(QPointF(10.5, 6), QPointF(10.5, 26));
}

void badge(QPainter& p, QColor colour, bool plus) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(17, 17, 14, 14));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 24), QPointF(28, 24));
    if (plus) p.drawLine(QPointF(24, 20), QPointF(24, 28));
}

void insertGlyph(QPainter& p) {
    sheet(p);
    p.setPen(QPen(QColor(40, 140, 60), 2));
    p.drawLine(QPointF(1, 13.5), QPointF(7, 13.5));  // the arrow into the table
    badge(p, QColor(40, 150, 60), true);
}

void deleteGlyph(QPainter& p) {
    sheet(p);
    badge(p, QColor(200, 50, 40), false);
}

void appendGlyph(QPainter& p) {
    sheet(p);
    p.setPen(QPen(QColor(40, 110, 190), 2));
    p.drawLine(QPointF(5, 29.5), QPointF(16, 29.5));
    badge(p, QColor(40, 110, 190), true);
}

void findGlyph(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 70), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(QColor(60, 60, 70), 2.5));
    QRadialGradient glass(QPointF(11, 10), 10);
    glass.setColorAt(0, QColor(220, 240, 255));
    glass.setColorAt(1, QColor(130, 180, 230));
    p.setBrush(glass);
    p.drawEllipse(QRectF(3, 3, 18, 18));
}

void playGlyph(QPainter& p) {
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0, QColor(90, 210, 90));
    g.setColorAt(1, QColor(20, 130, 40));
    p.setPen(QPen(QColor(20, 90, 30), 1.5));
    p.setBrush(g);
    p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(28, 16), QPointF(8, 28)}));
}

void stopGlyph(QPainter& p) {
    QLinearGradient g(0, 6, 0, 26);
    g.setColorAt(0, QColor(110, 140, 220));
    g.setColorAt(1, QColor(30, 60, 150));
    p.setPen(QPen(QColor(20, 40, 110), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6, 6, 20, 20), 3, 3);
}

void recordGlyph(QPainter& p) {
    QRadialGradient g(QPointF(13, 12), 14);
    g.setColorAt(0, QColor(255, 130, 120));
    g.setColorAt(1, QColor(190, 20, 20));
    p.setPen(QPen(QColor(120, 10, 10), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(5, 5, 22, 22));
}

void skinGlyph(QPainter& p) {
    QPainterPath palette;
    palette.addEllipse(QRectF(3, 5, 26, 22));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(17, 17, 7, 6));
    p.setPen(QPen(QColor(120, 80, 40), 1.5));
    p.setBrush(QColor(235, 200, 150));
    p.drawPath(palette.subtracted(thumb));
    const QColor dabs[] = {QColor(220, 40, 40), QColor(250, 200, 30), QColor(40, 160, 60), QColor(40, 90, 210)};
    const QPointF at[] = {QPointF(9, 11), QPointF(15, 9), QPointF(21, 11), QPointF(9, 18)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dabs[i]);
        p.drawEllipse(at[i], 2.8, 2.8);
    }
}

void helpGlyph(QPainter& p) {
    QRadialGradient g(QPointF(12, 10), 16);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, QColor(20, 80, 180));
    p.setPen(QPen(QColor(10, 50, 120), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont f;
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void homeGlyph(QPainter& p) {
    p.setPen(QPen(QColor(120, 40, 30), 1.5));
    p.setBrush(QColor(210, 70, 50));
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(16, 3), QPointF(30, 16)}));
    p.setPen(QPen(QColor(110, 90, 60), 1.5));
    p.setBrush(QColor(245, 230, 190));
    p.drawRect(QRectF(7, 16, 18, 13));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(13.5, 20, 5, 9));
}

// The loudspeaker of the program's icon and pictures, in a 32 by 32 box.
void loudspeaker(QPainter& p, QColor body, QColor waves) {
    p.setPen(QPen(body.darker(160), 1.2));
    p.setBrush(body);
    p.drawPolygon(QPolygonF({QPointF(4, 12), QPointF(10, 12), QPointF(18, 5), QPointF(18, 27),
                             QPointF(10, 20), QPointF(4, 20)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(waves, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(14, 10, 8, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(14, 6, 14, 20), -60 * 16, 120 * 16);
}

void iconGlyph(QPainter& p) {
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, QColor(255, 210, 90));
    g.setColorAt(1, QColor(220, 110, 20));
    p.setPen(QPen(QColor(150, 70, 10), 1.2));
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, 30, 30));
    loudspeaker(p, QColor(250, 250, 250), QColor(255, 255, 255));
}

}  // namespace

QIcon toolIcon(const std::string& controlName) {
    static const std::map<std::string, void (*)(QPainter&)> glyphs = {
        {"ToolButton9", insertGlyph},  {"ToolButton10", deleteGlyph}, {"ToolButton15", appendGlyph},
        {"ToolButton24", findGlyph},   {"ToolButton17", playGlyph},   {"ToolButton18", stopGlyph},
        {"rec3", recordGlyph},         {"SpeedButton9", skinGlyph},   {"SpeedButton1", helpGlyph},
        {"toolbutton20", homeGlyph},
    };
    const auto found = glyphs.find(controlName);
    if (found == glyphs.end()) return QIcon();
    return QIcon(drawn(kGlyph, kGlyph, found->second));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) {
        icon.addPixmap(drawn(size, size, [size](QPainter& p) {
            p.scale(size / 32.0, size / 32.0);
            iconGlyph(p);
        }));
    }
    return icon;
}

void paintSchoolScene(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 160 by 256 canvas, stretched to the bounds.
    p.scale(size.width() / 160.0, size.height() / 256.0);

    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(70, 140, 220));
    sky.setColorAt(1, QColor(200, 230, 250));
    p.fillRect(QRectF(0, 0, 160, 256), sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QPointF(128, 34), 16, 16);
    p.setBrush(QColor(255, 255, 255, 220));
    for (QPointF c : {QPointF(34, 40), QPointF(48, 34), QPointF(60, 42)}) p.drawEllipse(c, 14, 10);

    QLinearGradient grass(0, 190, 0, 256);
    grass.setColorAt(0, QColor(120, 190, 90));
    grass.setColorAt(1, QColor(60, 130, 50));
    p.setBrush(grass);
    p.drawRect(QRectF(0, 190, 160, 66));

    // The school: a hall with a tower and the loudspeaker at its top.
    p.setBrush(QColor(240, 225, 200));
    p.setPen(QPen(QColor(140, 110, 80), 1));
    p.drawRect(QRectF(18, 130, 124, 64));
    p.drawRect(QRectF(62, 92, 36, 38));
    p.setBrush(QColor(190, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(12, 132), QPointF(80, 112), QPointF(148, 132)}));
    p.drawPolygon(QPolygonF({QPointF(58, 94), QPointF(80, 74), QPointF(102, 94)}));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(80, 108), 9, 9);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(80, 108), QPointF(80, 102));
    p.drawLine(QPointF(80, 108), QPointF(85, 108));

    p.setPen(QPen(QColor(140, 110, 80), 1));
    p.setBrush(QColor(120, 170, 220));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(28 + i * 28, 142, 16, 14));
        p.drawRect(QRectF(28 + i * 28, 166, 16, 14));
    }
    p.setBrush(QColor(130, 85, 50));
    p.drawRect(QRectF(72, 170, 16, 24));

    p.save();
    p.translate(66, 48);
    p.scale(0.9, 0.9);
    loudspeaker(p, QColor(90, 90, 100), QColor(255, 250, 200));
    p.restore();

    // Notes drifting out over the playground.
    p.setPen(QPen(QColor(40, 40, 120), 1.5));
    p.setBrush(QColor(40, 40, 120));
    for (QPointF n : {QPointF(26, 218), QPointF(112, 226), QPointF(136, 206)}) {
        p.drawEllipse(n, 4, 3);
        p.drawLine(n + QPointF(3.5, 0), n + QPointF(3.5, -14));
        p.drawLine(n + QPointF(3.5, -14), n + QPointF(9, -10));
    }
    p.restore();
}

void paintAboutBanner(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 192.0, size.height() / 88.0);
    QLinearGradient g(0, 0, 192, 88);
    g.setColorAt(0, QColor(30, 70, 150));
    g.setColorAt(1, QColor(90, 160, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 192, 88), 8, 8);
    p.save();
    p.translate(8, 16);
    p.scale(1.7, 1.7);
    loudspeaker(p, QColor(255, 200, 80), QColor(255, 255, 255));
    p.restore();
    QFont title;
    title.setPixelSize(24);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(66, 14, 124, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Belvane"));
    QFont sub;
    sub.setPixelSize(11);
    p.setFont(sub);
    p.setPen(QColor(220, 235, 255));
    p.drawText(QRectF(66, 48, 124, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("校园作息播放系统"));
    p.restore();
}

}  // namespace view
