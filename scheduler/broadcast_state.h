#pragma once
// The one record of variables that the scheduler, the player and the main
// window share. Fields are plain and public: the handlers assign them in the
// order their steps give. Texts are GBK byte strings. The start values here
// are the record's values at creation; the start-up sequence then sets them
// again in its own order.

#include <array>
#include <cstdint>
#include <string>

namespace scheduler {

struct TrayIconRecord {
    int id = 100;                // identifier of the notification-area icon
    int callbackMessage = 1025;  // message the icon sends to the main window
    std::string tip;             // "Belvane系统"
};

// The eight tips of the idle status line in slots 0-7; slots 8-15 empty.
std::array<std::string, 16> startTips();

struct BroadcastState {
    // Program facts
    std::string VersionText = "3.61";
    std::string OsFamily;            // stays empty on Linux
    std::string AppDir;              // program folder, ending in '/'
    std::uint16_t TodayNumber = 0;   // 1 = Monday ... 7 = Sunday, taken once at start
    std::string TodayText;           // TodayNumber as one digit
    int SearchAttr = 0x64;           // attribute mask for folder listings

    // Current row, derived again by every tick and every move of the advance
    std::string StartTimeText;
    std::string NowText;
    std::string StopTimeText;
    std::string RowFileName;
    bool RowIsDirectory = false;

    // Playback resolution
    std::string MediaPath;
    std::string ListedDir;
    int PlaylistCursor = 0;
    bool MediaFound = false;
    bool PlaysToday = false;
    bool QuietFind = false;

    // Scheduler flags
    bool Playing = false;
    bool AdvanceRequested = false;
    bool AdvanceArmed = false;
    bool ChainBroken = false;
    bool RowPlayed = false;

    // End of day
    std::string AutoShutdownTime = "22:30:00";
    bool ShutdownArmable = true;
    int IdleCountdown = 60;

    // Status line
    std::string NowPlayingTitle;
    std::string TagLine;
    int SampleCount = 0;
    int FirstSamplePosition = 0;
    int EstimatedLengthSeconds = 0;
    std::string EstimatedLengthText;
    int PercentDone = 0;
    std::string PercentText;
    int TipTick = 0;
    int TipIndex = 0;
    int TipTickLimit = 80;
    std::array<std::string, 16> Tips = startTips();

    // Operator and settings
    bool Unlocked = false;
    int SkinIndex = 0;
    std::string SettingField = "id8";
    std::string SettingValue;

    // Tray
    TrayIconRecord TrayIconData;
    int TrayIcon = 37;  // image of the main window's image list shown as the icon

    // The three texts the main window keeps in hidden controls. Equal
    // position and length texts mean the playing file has reached its end,
    // so they must differ until a file has played.
    std::string ClockText;               // Panel1
    std::string PositionText = "Edit1";  // Edit1
    std::string LengthText = "Edit2";    // Edit2
};

}  // namespace scheduler
