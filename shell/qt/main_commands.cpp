// Which core handler each menu item, tool button and tray item of TForm1
// runs, and the table conditions of the editing commands.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <map>
#include <optional>

#include "data/timetable_edit.h"
#include "data/timetable_load.h"
#include "operator/lock.h"
#include "operator/modes.h"
#include "operator/options.h"
#include "playback/play_stop.h"
#include "playback/resolution.h"
#include "shell/appearance.h"
#include "shell/qt/main_window.h"
#include "shell/qt/timetable_grid.h"
#include "shell/qt/window_bridge.h"
#include "shell/tray.h"

namespace view {
namespace {

std::optional<data::EditCommand> editCommandOf(const std::string& name) {
    using C = data::EditCommand;
    static const std::map<std::string, C> commands = {
        {"First1", C::First},       {"Last1", C::Last},          {"Insert1", C::Insert}, {"ToolButton9", C::Insert},
        {"Delete1", C::Delete},     {"ToolButton10", C::Delete}, {"A1", C::Append},      {"ToolButton15", C::Append},
        {"Edit3", C::Edit},         {"Post1", C::Post},          {"Cancel1", C::Cancel}, {"Refresh1", C::Refresh},
    };
    const auto found = commands.find(name);
    if (found == commands.end()) return std::nullopt;
    return found->second;
}

// Cut, copy and paste act on the edit that has the focus.
void editFocused(const char* slot) {
    QWidget* w = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(w)) w = combo->lineEdit();
    if (w) QMetaObject::invokeMethod(w, slot);
}

}  // namespace

ControlBindings::Condition TForm1::conditionFor(const std::string& controlName) {
    const auto command = editCommandOf(controlName);
    if (!command) return {};
    const data::EditCommand cmd = *command;
    return [this, cmd] { return data::editCommandEnabled(ctx_.Table1.table, cmd); };
}

std::function<void()> TForm1::handlerFor(const std::string& controlName) {
    if (const auto command = editCommandOf(controlName)) {
        const data::EditCommand cmd = *command;
        return [this, cmd] {
            grid_->commitOpenEditor();  // what is typed in a cell belongs to the row
            data::runEditCommand(ctx_.Table1.table, cmd);
        };
    }
    // The options dialog and the recorder are windows of their own.
    if (controlName == "xuanxiang") {
        return [this] {
            operation::options::xuanxiangClick(ctx_);
            bridge_.showOptionsDialog();
        };
    }
    if (controlName == "Rec2" || controlName == "rec3") return [this] { bridge_.showRecorder(); };
    using Handler = void (*)(shell::MainContext&);
    static const std::map<std::string, Handler> handlers = {
        {"Jrxt", operation::JrxtClick},
        {"pbxt", operation::pbxtClick},
        {"H3", shell::E1Click},
        {"GGMM", operation::GGMMClick},
        {"TCXT", shell::TCXTClick},
        {"ztbc", operation::ZTBCClick},
        {"jxbc", operation::JXBCClick},
        {"C1", data::C1Click},
        {"X1", data::X1Click},
        {"D1", data::D1Click},
        {"T2", data::T2Click},
        {"GUANYU", shell::GUANYUClick},
        {"H5", shell::ToolButton22Click},
        {"W1", shell::ToolButton20Click},
        {"E1", shell::E1Click},
        {"H2", shell::ToolButton22Click},
        {"Q1", shell::Q1Click},
        {"SpeedButton9", shell::SpeedButton9Click},
        {"SpeedButton1", shell::ToolButton22Click},
        {"toolbutton20", shell::ToolButton22Click},  // the "主页" button opens the help file, as designed
        {"find1", playback::ToolButton24Click},
        {"ToolButton24", playback::ToolButton24Click},
        {"P1", playback::ToolButton17Click},
        {"ToolButton17", playback::ToolButton17Click},
        {"S2", playback::ToolButton18Click},
        {"ToolButton18", playback::ToolButton18Click},
    };
    if (const auto found = handlers.find(controlName); found != handlers.end()) {
        const Handler h = found->second;
        return [this, h] { h(ctx_); };
    }
    static const std::map<std::string, const char*> editSlots = {{"C2", "cut"}, {"C3", "copy"}, {"V1", "paste"}};
    if (const auto found = editSlots.find(controlName); found != editSlots.end()) {
        const char* slot = found->second;
        return [slot] { editFocused(slot); };
    }
    return {};
}

}  // namespace view
