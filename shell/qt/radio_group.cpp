#include "shell/qt/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace view {

RadioGroup::RadioGroup(const QString& caption, const std::vector<QString>& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 4, 4);
    column->setSpacing(0);
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        group_->addButton(button, static_cast<int>(items_.size()));
        column->addWidget(button);
        items_.push_back(button);
    }
}

int RadioGroup::index() const { return group_->checkedId(); }

void RadioGroup::setIndex(int index) {
    if (index == group_->checkedId()) return;
    if (index >= 0 && index < count()) {
        items_[static_cast<size_t>(index)]->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        // An exclusive group does not let its checked button go by itself.
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
}

void RadioGroup::onClicked(std::function<void(int)> handler) {
    connect(group_, &QButtonGroup::idClicked, this, [handler = std::move(handler)](int id) { handler(id); });
}

}  // namespace view
