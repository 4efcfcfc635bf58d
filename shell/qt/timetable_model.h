#pragma once
// The open season timetable (Table1) as a Qt table model for DBGrid1.
//
// The engine has one cursor, and the schedule walks the same cursor, so the
// model reads the rows into a snapshot (putting the cursor back exactly,
// end and beginning flags included) and the grid works from that. While a
// row is being edited or inserted the cursor cannot move, so the other rows
// are then taken from the last snapshot and only the edited row is read.

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

#include "shell/main_context.h"

namespace view {

class TimetableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 7;
    static constexpr int kFileNameColumn = 3;

    TimetableModel(shell::MainContext& ctx, QObject* parent);

    // Reads the table again and reports only what changed.
    void reload();
    void setReadOnly(bool readOnly);
    bool readOnly() const { return readOnly_; }
    QStringList fileNamePickList() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Starts editing the row (moving the cursor to it first) and sets the
    // field. A value the engine refuses changes nothing and is reported.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The engine refused a value or a write; the GBK text says why. Shown
    // by the window once the editor has closed, never inside the commit.
    void refused(const std::string& gbkMessage);
    // The table's state changed through the grid (a row became edited).
    void tableChanged();

private:
    using Row = std::array<QString, kColumns>;
    dbase::Table& table() const { return ctx_.Table1.table; }
    std::vector<Row> readRows();

    shell::MainContext& ctx_;
    std::vector<Row> rows_;        // as shown
    std::vector<Row> browseRows_;  // the last snapshot taken while browsing
    bool readOnly_ = true;
};

}  // namespace view
