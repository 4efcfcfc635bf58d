#pragma once
// The ten skins: one style sheet (a resource) coloured by each skin's
// palette, applied to the whole application.

#include <QString>

namespace view {

inline constexpr int kSkins = 10;

// The style sheet of skin `index`, 0 to 9; empty for any other number.
QString skinStyleSheet(int index);
// The skin's name, for the screenshots and the help.
QString skinName(int index);

// Applies skin `index` to the application; a number outside 0 to 9 loads
// none and leaves the look as it is.
void applySkin(int index);

}  // namespace view
