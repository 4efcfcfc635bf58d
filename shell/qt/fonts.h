#pragma once
// The windows ask for 宋体 (SimSun), as designed. Linux has no such font,
// so the families after it let Qt fall back to an installed CJK font.

#include <QFont>

namespace view {

QFont songTi(int pixelSize, bool bold = false, bool italic = false);

}  // namespace view
