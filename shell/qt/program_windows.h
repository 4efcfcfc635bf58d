#pragma once
// The program's windows around one MainContext, created once each in the
// order of the start: TForm1 (whose creation runs the start-up sequence),
// TAboutBox, TForm2. The options dialog TForm4, the video window TForm6
// and the recorder Tdstx join after TForm2 when they are built.

#include <memory>
#include <string>

#include "shell/main_context.h"
#include "shell/qt/about_box.h"
#include "shell/qt/main_window.h"
#include "shell/qt/password_window.h"
#include "shell/qt/window_bridge.h"

namespace view {

struct ProgramWindows {
    ProgramWindows(playback::MediaPlayer& player, shell::MessagePort& messages, const scheduler::Clock& clock,
                   const std::string& appDir);

    WindowBridge bridge;
    shell::MainContext ctx;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TForm2> Form2;
};

}  // namespace view
