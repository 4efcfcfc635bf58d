// Toramel: the school broadcast-timetable player. One copy per user
// session; the windows are created once each, the main window's creation
// runs the start-up sequence, and the event loop runs until the quit command.

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "platform/files/fs_path.h"
#include "platform/files/program_folder.h"
#include "platform/media/gst_player.h"
#include "platform/media/gst_recorder.h"
#include "scheduler/clock.h"
#include "shell/qt/message_boxes.h"
#include "shell/qt/program_windows.h"
#include "shell/qt/screenshots.h"
#include "shell/qt/single_instance.h"

namespace {

int run(QApplication& app) {
    // The name of the program on the desktop. (Not the display name: Qt would
    // append that to every window caption.)
    QApplication::setApplicationName(QStringLiteral("Belvane系统"));

    view::SingleInstance instance;
    if (!instance.acquired()) {
        view::showAlreadyRunning();
        return 0;
    }

    const std::string appDir = files::programFolder();
    // Every data file is found in the program folder, also those the tables
    // name relative to the current folder.
    if (chdir(files::toFsPath(appDir).c_str()) != 0) std::perror("toramel: chdir");

    view::QtMessages messages;
    media::GstPlayer player;  // after the QApplication: it reads its bus from the event loop
    scheduler::SystemClock clock;
    media::GstRecorder recorderDevice;  // the recorder window's own device, beside the player
    view::ProgramWindows windows(player, messages, clock, appDir, recorderDevice);
    if (windows.ctx.terminating) return 0;  // the start-up sequence has quit

    windows.Form1->show();
    if (const char* folder = std::getenv("TORAMEL_SCREENSHOTS"); folder && *folder)
        view::takeScreenshotsLater(windows, QString::fromLocal8Bit(folder));
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        return run(app);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "toramel: %s\n", e.what());
        return 1;
    }
}
