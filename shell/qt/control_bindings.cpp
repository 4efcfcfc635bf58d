#include "shell/qt/control_bindings.h"

#include <QAbstractButton>

#include "shell/qt/text_bridge.h"

namespace view {

void ControlBindings::bind(shell::Control shell::MainControls::*control, QAction* action, Condition also) {
    bindings_.push_back({control, action, std::move(also)});
}

void ControlBindings::sync(const shell::MainControls& controls) const {
    for (const Binding& b : bindings_) {
        const shell::Control& c = controls.*b.control;
        QAction& a = *b.action;
        a.setEnabled(c.enabled && (!b.also || b.also()));
        a.setVisible(c.visible);
        if (a.isCheckable()) a.setChecked(c.checked);
        if (a.isSeparator()) continue;
        const QString caption = qs(c.caption);
        if (a.text() != caption) a.setText(caption);
        if (!c.hint.empty()) a.setToolTip(qs(c.hint));
        const QKeySequence shortcut(QString::fromStdString(c.shortcut));
        if (a.shortcut() != shortcut) a.setShortcut(shortcut);
    }
}

void applyControl(QAbstractButton& button, const shell::Control& control) {
    button.setEnabled(control.enabled);
    button.setVisible(control.visible);
    const QString caption = qs(control.caption);
    if (button.text() != caption) button.setText(caption);
    if (!control.hint.empty()) button.setToolTip(qs(control.hint));
}

}  // namespace view
