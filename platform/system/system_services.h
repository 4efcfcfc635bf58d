#pragma once
// Platform services of the start-up and lock sequences that have no
// meaning on Linux. They stay named calls so the sequences read in full.

#include <string>

namespace platform {

// Tells the platform a screen saver runs (1) or not (0), which on old
// systems blocks the task-switching keys. Nothing to do here.
void setScreenSaverRunning(int running);

// Registers the .dat extension (video CD) with the MPEG video device. Our
// player opens .dat files as MPEG program streams by itself.
void writeMciDatExtension();

// The operating-system family that decides how the computer is switched
// off: "Windows 9x", "Windows NT", or empty, as here.
std::string osFamily();

}  // namespace platform
