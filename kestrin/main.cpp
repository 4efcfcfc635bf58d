// Kestrin, the shutdown helper: toramel starts it when the day ends with
// switching the computer off. It asks the system to power off as its window
// is created, then shows the window until the shutdown ends the program.
#include <QApplication>

#include "exit6.h"

int main(int, char**) {
    // No argument is read, not even Qt's own options: Qt sees the name only.
    static char programName[] = "kestrin";
    static char* qtArgv[] = {programName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);

    Texit7 exit7;  // its creation requests the shutdown
    exit7.show();
    return QApplication::exec();
}
