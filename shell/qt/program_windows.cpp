#include "shell/qt/program_windows.h"

#include <QApplication>

#include "shell/qt/fonts.h"

namespace view {

ProgramWindows::ProgramWindows(playback::MediaPlayer& player, shell::MessagePort& messages,
                               const scheduler::Clock& clock, const std::string& appDir,
                               recorder::RecorderDevice& recorderDevice)
    : ctx(shell::Ports{player, messages, bridge, clock}) {
    QApplication::setFont(songTi(12));
    // Closing the last visible dialog while the main window sits in the tray
    // must not end the program: only the quit command does.
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 = std::make_unique<TForm1>(ctx, bridge, appDir);
    AboutBox = std::make_unique<TAboutBox>(ctx, bridge);
    Form2 = std::make_unique<TForm2>(ctx, bridge);
    // A start-up that has quit ends the program before its settings are
    // read again: the windows that read them are not made.
    if (ctx.terminating) return;
    Form4 = std::make_unique<TForm4>(ctx, bridge);
    Form6 = std::make_unique<TForm6>(ctx);
    Form1->setVideoWindow(Form6.get());
    dstx = std::make_unique<Tdstx>(ctx, recorderDevice, bridge);
}

}  // namespace view
