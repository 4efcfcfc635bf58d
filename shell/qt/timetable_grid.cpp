#include "shell/qt/timetable_grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

#include "platform/text/gbk.h"
#include "shell/qt/fonts.h"
#include "shell/qt/text_bridge.h"

namespace view {
namespace {

constexpr int kColumnWidths[TimetableModel::kColumns] = {32, 60, 50, 122, 60, 70, 35};

// Cream cells, fixed cells in the inactive-border grey, cell text in the
// inactive-caption blue, titles green. The grid keeps these under every skin.
const char* const kGridStyle =
    "QTableView { background-color: #FFFBF0; color: #7A96DF; gridline-color: #C8C4BC;"
    " selection-background-color: #0A246A; selection-color: #FFFFFF; }"
    "QHeaderView::section { background-color: #D4D0C8; color: #008000; border: 0px;"
    " border-right: 1px solid #A0A0A0; border-bottom: 1px solid #A0A0A0; padding: 0px 2px; }"
    "QTableCornerButton::section { background-color: #D4D0C8; border: 0px; }";

}  // namespace

FileNameDelegate::FileNameDelegate(const TimetableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* FileNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = nullptr;
    if (index.column() == TimetableModel::kFileNameColumn) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(model_.fileNamePickList());
        // Picking an entry writes it at once, like a drop-down of the grid.
        connect(combo, &QComboBox::activated, this, [this, combo] { emit const_cast<FileNameDelegate*>(this)->commitData(combo); });
        editor = combo;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
    openEditor_ = editor;
    return editor;
}

void FileNameDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setEditText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void FileNameDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

TimetableGrid::TimetableGrid(shell::MainContext& ctx, QWidget* parent)
    : QTableView(parent), ctx_(ctx), model_(ctx, this), delegate_(new FileNameDelegate(model_, this)) {
    setModel(&model_);
    setItemDelegate(delegate_);
    setStyleSheet(QString::fromLatin1(kGridStyle));
    setFont(songTi(13));
    horizontalHeader()->setFont(songTi(13));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(12);
    verticalHeader()->setFixedWidth(14);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setFixedHeight(19);
    for (int c = 0; c < TimetableModel::kColumns; ++c) setColumnWidth(c, kColumnWidths[c]);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setToolTip(QStringLiteral("修改之前请选手动操作"));
    setWordWrap(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TimetableGrid::rowChosen);
    connect(&model_, &TimetableModel::tableChanged, this, &TimetableGrid::tableChanged);
    // The message waits until the editor's commit is over: a modal box in the
    // middle of it would take the focus and commit the editor once more.
    connect(&model_, &TimetableModel::refused, this, [this](const std::string& message) {
        QMetaObject::invokeMethod(this, [this, message] { ctx_.messages.information(message); }, Qt::QueuedConnection);
    });
    connect(&model_, &QAbstractItemModel::modelReset, this, &TimetableGrid::showCurrentRow);
}

void TimetableGrid::syncFromModel() {
    model_.reload();
    model_.setReadOnly(ctx_.controls.DBGrid1ReadOnly);
    setEditTriggers(ctx_.controls.DBGrid1ReadOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    showCurrentRow();
}

void TimetableGrid::showCurrentRow() {
    const dbase::Table& t = ctx_.Table1.table;
    const int row = t.active() ? t.rowIndex() : -1;
    if (row < 0 || row >= model_.rowCount() || currentIndex().row() == row) return;
    following_ = true;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model_.index(row, column));
    following_ = false;
}

void TimetableGrid::rowChosen(const QModelIndex& current, const QModelIndex& previous) {
    if (following_ || !current.isValid() || current.row() == previous.row()) return;
    dbase::Table& t = ctx_.Table1.table;
    if (!t.active() || current.row() == t.rowIndex()) return;
    try {
        t.moveTo(current.row());  // writes the row being left
    } catch (const std::exception& e) {
        ctx_.messages.information(text::gbk("数据保存失败：") + "\r\r" + gbkReport(e.what()));
    }
    model_.reload();
    // A row that could not be written stays the current one.
    QMetaObject::invokeMethod(this, &TimetableGrid::showCurrentRow, Qt::QueuedConnection);
    emit tableChanged();
}

void TimetableGrid::commitOpenEditor() {
    QWidget* editor = delegate_->openEditor();
    if (!editor || state() != QAbstractItemView::EditingState) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

}  // namespace view
