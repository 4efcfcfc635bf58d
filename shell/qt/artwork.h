#pragma once
// The program's own pictures, drawn in code: tool-bar glyphs, the window
// and tray icon, the decorative picture beside the grid and the about
// box's banner.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <string>

class QPainter;

namespace view {

// The glyph of a tool button, by the button's control name; a blank icon
// for a name without one.
QIcon toolIcon(const std::string& controlName);

QIcon programIcon();

// A school with a loudspeaker on its roof under the sky: Image2.
void paintSchoolScene(QPainter& p, const QSize& size);
// A banner with a loudspeaker and the product name: the about box's picture.
void paintAboutBanner(QPainter& p, const QSize& size);

}  // namespace view
