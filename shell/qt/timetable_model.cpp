#include "shell/qt/timetable_model.h"

#include <QBrush>
#include <QColor>

#include "data/table_layouts.h"
#include "platform/text/gbk.h"
#include "shell/qt/text_bridge.h"

namespace view {
namespace {

struct Column {
    int field;
    const char* title;
    bool centred;
};

const std::array<Column, TimetableModel::kColumns> kColumnsShown = {{
    {data::kOn, "序号", false},
    {data::kTime, "开播时间", true},
    {data::kXiangmu, "项  目", true},
    {data::kFilename, "播放文件名", true},
    {data::kShichang, "停止时间", true},
    {data::kXqjtb, "星期几停播", false},
    {data::kVol, "音量", false},
}};

bool editing(const dbase::Table& t) {
    return t.state() == dbase::TableState::Edit || t.state() == dbase::TableState::Insert;
}

}  // namespace

TimetableModel::TimetableModel(shell::MainContext& ctx, QObject* parent) : QAbstractTableModel(parent), ctx_(ctx) {}

std::vector<TimetableModel::Row> TimetableModel::readRows() {
    dbase::Table& t = table();
    auto current = [&] {
        Row row;
        for (int c = 0; c < kColumns; ++c) row[c] = qs(t.fieldText(kColumnsShown[c].field));
        return row;
    };
    if (!t.active()) return {};
    if (editing(t)) {
        std::vector<Row> rows = browseRows_;
        const int at = t.rowIndex();
        if (t.state() == dbase::TableState::Insert && at >= 0 && at <= static_cast<int>(rows.size()))
            rows.insert(rows.begin() + at, current());
        else if (at >= 0 && at < static_cast<int>(rows.size()))
            rows[at] = current();
        return rows;
    }
    const int saved = t.rowIndex();
    const bool wasEof = t.eof(), wasBof = t.bof();
    std::vector<Row> rows;
    for (int r = 0; r < t.rowCount(); ++r) {
        t.moveTo(r);
        rows.push_back(current());
    }
    if (saved >= 0) {
        // Back where the schedule left it: past the end stays past the end.
        t.moveTo(saved);
        if (wasEof)
            t.next();
        else if (wasBof)
            t.prior();
    }
    browseRows_ = rows;
    return rows;
}

void TimetableModel::reload() {
    std::vector<Row> fresh = readRows();
    if (fresh.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(fresh);
        endResetModel();
        return;
    }
    for (std::size_t r = 0; r < fresh.size(); ++r) {
        if (fresh[r] == rows_[r]) continue;
        rows_[r] = fresh[r];
        emit dataChanged(index(static_cast<int>(r), 0), index(static_cast<int>(r), kColumns - 1));
    }
    // The row marker follows the cursor and the edit state.
    if (!rows_.empty()) emit headerDataChanged(Qt::Vertical, 0, static_cast<int>(rows_.size()) - 1);
}

void TimetableModel::setReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

QStringList TimetableModel::fileNamePickList() const {
    QStringList names;
    for (const std::string& n : ctx_.fileNamePickList) names << qs(n);
    return names;
}

int TimetableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TimetableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant TimetableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return rows_[index.row()][index.column()];
    return {};
}

QVariant TimetableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= kColumns) return {};
        if (role == Qt::DisplayRole) return QString::fromUtf8(kColumnsShown[section].title);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignVCenter | (kColumnsShown[section].centred ? Qt::AlignHCenter : Qt::AlignLeft));
        return {};
    }
    // The indicator column: the current row, and whether it is being edited.
    if (role != Qt::DisplayRole) return {};
    const dbase::Table& t = table();
    if (!t.active() || section != t.rowIndex()) return QString();
    if (t.state() == dbase::TableState::Insert) return QStringLiteral("*");
    if (t.state() == dbase::TableState::Edit) return QStringLiteral("I");
    return QStringLiteral("▶");
}

Qt::ItemFlags TimetableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!readOnly_) f |= Qt::ItemIsEditable;
    return f;
}

bool TimetableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || readOnly_ || !index.isValid() || index.row() >= rowCount()) return false;
    const QString typed = value.toString();
    if (typed == rows_[index.row()][index.column()]) return false;  // nothing typed: no edit begins
    dbase::Table& t = table();
    const Column& column = kColumnsShown[index.column()];
    try {
        if (!editing(t) || t.rowIndex() != index.row()) {
            t.moveTo(index.row());
            t.edit();
        }
        t.setFieldText(column.field, gbkOf(typed));
    } catch (const std::exception& e) {
        reload();
        emit tableChanged();
        emit refused(text::gbk("输入的内容不符合要求：") + text::gbk(column.title) + "\r\r" + gbkReport(e.what()));
        return false;
    }
    reload();
    emit tableChanged();
    return true;
}

}  // namespace view
