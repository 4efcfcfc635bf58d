#pragma once
// A radio group as the designs have it: a framed caption over a column of
// exclusive buttons, read and set by index. It reports only the operator's
// clicks, so setting the index from the data never echoes back.

#include <QGroupBox>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace view {

class RadioGroup : public QGroupBox {
public:
    RadioGroup(const QString& caption, const std::vector<QString>& items, QWidget* parent);

    int index() const;
    void setIndex(int index);  // -1 clears the selection
    void onClicked(std::function<void(int)> handler);
    QRadioButton& item(int index) const { return *items_[static_cast<size_t>(index)]; }
    int count() const { return static_cast<int>(items_.size()); }

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> items_;
};

}  // namespace view
