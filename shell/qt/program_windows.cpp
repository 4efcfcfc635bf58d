#include "shell/qt/program_windows.h"

#include <QApplication>

#include "shell/qt/fonts.h"

namespace view {

ProgramWindows::ProgramWindows(playback::MediaPlayer& player, shell::MessagePort& messages,
                               const scheduler::Clock& clock, const std::string& appDir)
    : ctx(shell::Ports{player, messages, bridge, clock}) {
    QApplication::setFont(songTi(12));
    // Closing the last visible dialog while the main window sits in the tray
    // must not end the program: only the quit command does.
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 = std::make_unique<TForm1>(ctx, bridge, appDir);
    AboutBox = std::make_unique<TAboutBox>(ctx, bridge);
    Form2 = std::make_unique<TForm2>(ctx, bridge);
    // TForm4, TForm6 and Tdstx are created here, in this order, once they exist.
}

}  // namespace view
