#pragma once
// Qt actions mirroring the controls of the presentation model: enabled,
// visible, checked, caption, hint and shortcut.

#include <QAction>
#include <functional>
#include <vector>

#include "shell/presentation_model.h"

class QAbstractButton;

namespace view {

class ControlBindings {
public:
    // An extra condition for being enabled, besides the control's flag.
    using Condition = std::function<bool()>;

    void bind(shell::Control shell::MainControls::*control, QAction* action, Condition also = {});
    void sync(const shell::MainControls& controls) const;

private:
    struct Binding {
        shell::Control shell::MainControls::*control;
        QAction* action;
        Condition also;
    };
    std::vector<Binding> bindings_;
};

// The same for a push button of the window.
void applyControl(QAbstractButton& button, const shell::Control& control);

}  // namespace view
