#pragma once
// The options dialog's handlers that other parts drive.

#include "shell/main_context.h"

namespace operation {

// Moves the volume slider; like the platform's slider it clamps to 0-255
// and calls its change handler only when the position actually changes.
void setTrackbar1Position(shell::MainContext& ctx, int position);

// Sets the output volume from the slider: position * 256 on both channels.
void trackbar1Change(shell::MainContext& ctx);

}  // namespace operation
