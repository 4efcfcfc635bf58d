#pragma once
// DBGrid1: the timetable grid over Table1. Selecting a row moves the
// table's cursor, typing in a cell starts editing the row, and leaving the
// row writes it. The FILENAME column offers the pick list in a drop-down.

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include "shell/main_context.h"
#include "shell/qt/timetable_model.h"

namespace view {

// The FILENAME column's editor: an editable drop-down of the pick list.
class FileNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    FileNameDelegate(const TimetableModel& model, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    QWidget* openEditor() const { return openEditor_; }

private:
    const TimetableModel& model_;
    mutable QPointer<QWidget> openEditor_;
};

class TimetableGrid : public QTableView {
    Q_OBJECT
public:
    TimetableGrid(shell::MainContext& ctx, QWidget* parent);

    TimetableModel& timetable() { return model_; }
    // Rows, read-only flag and current row from the table and the model.
    void syncFromModel();
    // Writes what is typed in an open cell editor into the row, so that a
    // command from the menu sees it.
    void commitOpenEditor();

signals:
    // The operator moved the cursor or changed the row's state.
    void tableChanged();

private:
    void rowChosen(const QModelIndex& current, const QModelIndex& previous);
    void showCurrentRow();

    shell::MainContext& ctx_;
    TimetableModel model_;
    FileNameDelegate* delegate_;
    bool following_ = false;  // the view is being moved to the table's cursor
};

}  // namespace view
