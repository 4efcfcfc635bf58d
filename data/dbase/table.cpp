#include "data/dbase/table.h"

#include <algorithm>

#include "data/dbase/atomic_pair.h"
#include "data/dbase/errors.h"
#include "data/dbase/field_value.h"
#include "data/dbase/file_io.h"
#include "data/dbase/mdx_read.h"
#include "data/dbase/table_store.h"
#include "data/dbase/text_util.h"

namespace dbase {

struct Table::Impl {
    std::filesystem::path path;
    std::string tag;
    StoredTable stored;
    std::vector<int> order;  // live records (0-based) in the table's order
    std::vector<std::optional<IntegerRange>> ranges;
    TableState state = TableState::Inactive;
    int cursor = 0;
    bool eof = true, bof = true;
    // The row being edited or inserted, as record bytes.
    std::string buffer;
    bool modified = false;
    int editRecord = -1;
    int insertAt = 0;
    int cursorBeforeInsert = 0;

    std::string name() const { return path.empty() ? std::string("table") : path.string(); }
    bool editing() const { return state == TableState::Edit || state == TableState::Insert; }
    bool empty() const { return order.empty(); }
    const DbfImage& dbf() const { return stored.dbf; }

    void requireActive() const {
        if (state == TableState::Inactive) fail(name(), "the table is not open");
    }
    void requireField(int field) const {
        requireActive();
        if (field < 0 || field >= static_cast<int>(dbf().fields.size())) fail(name(), "no field number " + std::to_string(field));
    }
    std::string_view currentField(int field) const {
        if (editing()) return std::string_view(buffer).substr(dbf().offsets[field], dbf().fields[field].width);
        return dbf().field(order[cursor], field);
    }

    // Positions on `row` of the current order, clamped.
    void moveCursor(int row) {
        cursor = std::clamp(row, 0, std::max(0, static_cast<int>(order.size()) - 1));
        eof = bof = empty();
    }
    void adopt(StoredTable fresh, int keepRecord, int keepRow) {
        stored = std::move(fresh);
        order = liveOrder(stored, name());
        const auto found = std::find(order.begin(), order.end(), keepRecord);
        moveCursor(found != order.end() ? static_cast<int>(found - order.begin()) : keepRow);
    }
    void leaveEditing() {
        state = TableState::Browse;
        modified = false;
        buffer.clear();
    }
    // Navigation finishes the row being edited: posted if changed, else dropped.
    void settleEdits() {
        if (!editing()) return;
        if (modified)
            post();
        else
            cancel();
    }
    void beginInsert(bool atEnd) {
        requireActive();
        settleEdits();
        buffer = dbf().blankRecord();
        cursorBeforeInsert = cursor;
        insertAt = atEnd || empty() ? static_cast<int>(order.size()) : cursor;
        state = TableState::Insert;
        modified = false;
        eof = bof = false;
    }

    void post() {
        requireActive();
        if (!editing()) fail(name(), "no row is being edited or inserted");
        DbfImage next = dbf();
        int record = editRecord;
        if (state == TableState::Insert) {
            record = next.recordCount();
            next.records += buffer;
        } else {
            next.records.replace(static_cast<std::size_t>(record) * next.recordLength, next.recordLength, buffer);
        }
        saveTable(path, stored, next);
        leaveEditing();
        StoredTable fresh = std::move(stored);
        fresh.dbf = std::move(next);
        adopt(std::move(fresh), record, cursor);
    }

    void cancel() {
        if (state == TableState::Insert) cursor = cursorBeforeInsert;
        if (editing()) leaveEditing();
        moveCursor(cursor);
    }

    void deleteRow() {
        requireActive();
        if (state == TableState::Insert) return cancel();
        if (empty()) fail(name(), "there is no row to delete");
        const int record = state == TableState::Edit ? editRecord : order[cursor];
        DbfImage next = dbf();
        next.records[static_cast<std::size_t>(record) * next.recordLength] = '*';
        saveTable(path, stored, next);
        leaveEditing();
        StoredTable fresh = std::move(stored);
        fresh.dbf = std::move(next);
        adopt(std::move(fresh), -1, cursor);
    }
};

Table::Table() : impl_(std::make_unique<Impl>()) {}
Table::~Table() = default;
Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&&) noexcept = default;

void Table::open(const std::filesystem::path& dbf, std::string_view tag) {
    close();
    StoredTable loaded = loadTable(dbf, tag);
    Impl& d = *impl_;
    d.path = dbf;
    d.tag = std::string(tag);
    d.ranges.assign(loaded.dbf.fields.size(), std::nullopt);
    d.state = TableState::Browse;
    d.adopt(std::move(loaded), -1, 0);
    d.bof = true;
}

void Table::close() {
    Impl& d = *impl_;
    d.state = TableState::Inactive;
    d.stored = StoredTable{};
    d.order.clear();
    d.ranges.clear();
    d.buffer.clear();
    d.modified = false;
    d.cursor = 0;
    d.eof = d.bof = true;
}

bool Table::active() const { return impl_->state != TableState::Inactive; }
const std::filesystem::path& Table::path() const { return impl_->path; }
const std::vector<FieldDef>& Table::fields() const { return impl_->dbf().fields; }
int Table::fieldCount() const { return static_cast<int>(fields().size()); }

int Table::findField(std::string_view name) const {
    const auto& f = fields();
    for (std::size_t i = 0; i < f.size(); ++i)
        if (equalsIgnoreCase(f[i].name, name)) return static_cast<int>(i);
    return -1;
}

void Table::setIntegerRange(int field, long long min, long long max) {
    impl_->requireField(field);
    if (min > max) fail(impl_->name(), "integer range " + std::to_string(min) + ".." + std::to_string(max) + " is empty");
    impl_->ranges[field] = IntegerRange{min, max};
}

void Table::first() {
    impl_->requireActive();
    impl_->settleEdits();
    impl_->moveCursor(0);
    impl_->bof = true;
}

void Table::next() {
    Impl& d = *impl_;
    d.requireActive();
    d.settleEdits();
    if (d.eof) return;
    d.bof = false;
    if (d.cursor + 1 < static_cast<int>(d.order.size()))
        ++d.cursor;
    else
        d.eof = true;
}

void Table::prior() {
    Impl& d = *impl_;
    d.requireActive();
    d.settleEdits();
    if (d.bof) return;
    d.eof = false;
    if (d.cursor > 0)
        --d.cursor;
    else
        d.bof = true;
}

void Table::last() {
    impl_->requireActive();
    impl_->settleEdits();
    impl_->moveCursor(static_cast<int>(impl_->order.size()) - 1);
    impl_->eof = true;
}

bool Table::eof() const { return impl_->eof; }
bool Table::bof() const { return impl_->bof; }

int Table::rowCount() const {
    return static_cast<int>(impl_->order.size()) + (impl_->state == TableState::Insert ? 1 : 0);
}

int Table::rowIndex() const {
    const Impl& d = *impl_;
    if (d.state == TableState::Insert) return d.insertAt;
    return d.state == TableState::Inactive || d.empty() ? -1 : d.cursor;
}

void Table::moveTo(int row) {
    impl_->requireActive();
    impl_->settleEdits();
    impl_->moveCursor(row);
}

int Table::recordNumber() const {
    const Impl& d = *impl_;
    if (d.state == TableState::Insert) return 0;
    if (d.state == TableState::Edit) return d.editRecord + 1;
    return d.state == TableState::Inactive || d.empty() ? 0 : d.order[d.cursor] + 1;
}

std::string Table::fieldText(int field) const {
    const Impl& d = *impl_;
    d.requireField(field);
    if (!d.editing() && d.empty()) return {};
    return displayText(d.dbf().fields[field], d.currentField(field));
}

long long Table::fieldInt(int field) const {
    const Impl& d = *impl_;
    d.requireField(field);
    if (!d.editing() && d.empty()) return 0;
    return integerValue(d.dbf().fields[field], d.currentField(field), d.ranges[field], d.name());
}

void Table::edit() {
    Impl& d = *impl_;
    d.requireActive();
    if (d.editing()) return;
    if (d.empty()) fail(d.name(), "the table is empty: there is no row to edit");
    d.editRecord = d.order[d.cursor];
    d.buffer = std::string(d.dbf().record(d.editRecord));
    d.state = TableState::Edit;
    d.modified = false;
}

void Table::insert() { impl_->beginInsert(false); }
void Table::append() { impl_->beginInsert(true); }

void Table::setFieldText(int field, std::string_view text) {
    Impl& d = *impl_;
    d.requireField(field);
    if (!d.editing()) fail(d.name(), "no row is being edited or inserted");
    const FieldDef& f = d.dbf().fields[field];
    const std::string bytes = encodeText(f, text, d.ranges[field], d.name());
    d.buffer.replace(d.dbf().offsets[field], f.width, bytes);
    d.modified = true;
}

void Table::post() { impl_->post(); }
void Table::cancel() { impl_->cancel(); }
void Table::deleteRow() { impl_->deleteRow(); }

void Table::refresh() {
    Impl& d = *impl_;
    d.requireActive();
    d.settleEdits();
    const int record = d.empty() ? -1 : d.order[d.cursor];
    StoredTable fresh = loadTable(d.path, d.tag);
    if (fresh.dbf.fields.size() != d.dbf().fields.size()) d.ranges.assign(fresh.dbf.fields.size(), std::nullopt);
    d.adopt(std::move(fresh), record, d.cursor);
}

TableState Table::state() const { return impl_->state; }
bool Table::modified() const { return impl_->modified; }

void createTable(const std::filesystem::path& dbf, const TableDef& def) {
    const std::string name = dbf.string();
    StoredTable table;
    table.dbf = newDbf(def, name);
    if (def.tag) {
        const std::string tagName = toUpperAscii(def.tag->name);
        if (tagName.empty() || tagName.size() > 10 || tagName.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != std::string::npos)
            fail(name, "a tag name is 1 to 10 letters, digits or _ (got \"" + def.tag->name + "\")");
        const auto& fields = table.dbf.fields;
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const FieldDef& f) { return equalsIgnoreCase(f.name, def.tag->field); });
        if (field == fields.end() || field->type != FieldType::Numeric) fail(name, "tag " + tagName + " needs a numeric field, \"" + def.tag->field + "\" is none");
        table.indexTags.push_back({tagName, field->name});
    }
    saveTable(dbf, table, table.dbf);
}

std::vector<std::string> readTagNames(const std::filesystem::path& dbf) {
    const std::filesystem::path mdx = indexPathFor(dbf);
    if (!fileExists(mdx)) fail(mdx.string(), "production index missing");
    std::vector<std::string> names;
    for (const MdxTag& t : parseMdxHeader(readWholeFile(mdx), mdx.string()).tags) names.push_back(t.name);
    return names;
}

}  // namespace dbase
