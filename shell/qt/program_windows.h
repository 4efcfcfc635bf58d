#pragma once
// The program's windows around one MainContext, created once each in the
// order of the start: TForm1 (whose creation runs the start-up sequence),
// TAboutBox, TForm2, the options dialog TForm4, the video window TForm6
// and the recorder Tdstx over the recorder's own device. When the start-up
// sequence quits, only the first three exist.

#include <memory>
#include <string>

#include "shell/main_context.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_window.h"
#include "shell/qt/options_window.h"
#include "shell/qt/password_window.h"
#include "shell/qt/recorder_window.h"
#include "shell/qt/video_window.h"
#include "shell/qt/window_bridge.h"

namespace view {

struct ProgramWindows {
    ProgramWindows(playback::MediaPlayer& player, shell::MessagePort& messages, const scheduler::Clock& clock,
                   const std::string& appDir, recorder::RecorderDevice& recorderDevice);

    WindowBridge bridge;
    shell::MainContext ctx;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<Tdstx> dstx;
};

}  // namespace view
