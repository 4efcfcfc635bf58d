#include "platform/system/system_services.h"

namespace platform {

void setScreenSaverRunning(int) {}

void writeMciDatExtension() {}

std::string osFamily() { return {}; }

}  // namespace platform
