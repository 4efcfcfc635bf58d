#pragma once
// Switching the computer off. On Linux the right to do so is
// systemd-logind's to grant: it answers a request that arrives over the
// system bus, so holding the shutdown right means holding a connection to
// that bus.

#include <QString>

// The request flags: shut down (1) and switch the power off (8).
inline constexpr unsigned kShutdown = 1;
inline constexpr unsigned kPowerOff = 8;
inline constexpr unsigned kShutdownAndPowerOff = kShutdown | kPowerOff;

inline const QString kShutdownPrivilege = QStringLiteral("SeShutdownPrivilege");

// Enable: connect to the system bus; false when there is none, or for any
// right but the shutdown right. Disable: drop that connection; true when it
// was held.
bool SetTokenPrivilege(const QString& name, bool enable);

// Asks logind to power off without interaction, between enabling and
// disabling the shutdown right. True when logind accepted; false when the
// right could not be had (nothing is then requested) or logind refused.
bool ShutdownSystem(unsigned flags);
