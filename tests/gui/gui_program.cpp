#include "tests/gui/gui_program.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "data/table_layouts.h"
#include "platform/text/gbk.h"

namespace gui_test {

GuiProgram::GuiProgram(Setup setup) {
    if (setup.settings) {
        folder.writeSettings("1");
        dbase::Table settings;
        settings.open(folder.dir() / "system.dbf");
        settings.edit();
        settings.setFieldText(data::kId6, setup.id6);
        settings.post();
    }
    folder.writeTimetable("chunqiu.dbf", "CHUNQIU_ON",
                          {{1, "07:50:00", "bell.wav"}, {2, "08:00:00", "chime.wav", "08:00:30"}, {3, "", "bell.wav"}});
    std::filesystem::create_directory(folder.dir() / "audio");
    for (const char* name : {"bell.wav", "chime.wav"}) std::ofstream(folder.dir() / "audio" / name) << "RIFF";
    clock.time.hour = 9;
    windows = std::make_unique<view::ProgramWindows>(player, messages, clock, folder.appDir(), recorderDevice);
    windows->bridge.setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
    windows->bridge.setTerminate([] {});
}

void GuiProgram::trigger(const std::string& controlName) {
    QAction* a = main().action(controlName);
    QVERIFY2(a, controlName.c_str());
    a->trigger();
}

void GuiProgram::withPasswordAnswer(const std::string& password, const std::function<void()>& action) {
    view::TForm2& dialog = *windows->Form2;
    QTimer::singleShot(0, &dialog, [&dialog, password] {
        QTRY_VERIFY(dialog.isVisible());
        dialog.edit(1).setText(QString::fromStdString(password));
        emit dialog.edit(1).textEdited(dialog.edit(1).text());
        dialog.button(2).click();
        if (dialog.isVisible()) dialog.reject();
    });
    action();
}

std::string storedField(const std::filesystem::path& table, int row, int field) {
    dbase::Table t;
    t.open(table, "CHUNQIU_ON");
    t.moveTo(row);
    return text::utf8FromGbk(t.fieldText(field));
}

}  // namespace gui_test
