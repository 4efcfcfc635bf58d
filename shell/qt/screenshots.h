#pragma once
// The screenshot run: with TORAMEL_SCREENSHOTS=<folder> the program saves
// PNG pictures of its windows into that folder once the event loop runs,
// then ends. For a person to look at the windows without a desktop.

#include <QString>

namespace view {

struct ProgramWindows;

// Schedules the pictures and the end of the program.
void takeScreenshotsLater(ProgramWindows& windows, const QString& folder);

}  // namespace view
