#pragma once
// A small dBASE III+/IV table engine: .dbf records plus the production .mdx
// index, the operations the broadcast program needs and nothing fancier.
//
// Texts are raw bytes (GBK in our tables); the engine never converts them.
// Tables are small, so a table is read whole at open and every post rewrites
// the table and its index atomically (see atomic_pair.h).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

// Every failure: a damaged file, a value that does not fit, an I/O error.
// what() is UTF-8 and names the file it concerns.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FieldType : char {
    Character = 'C',
    Numeric = 'N',
    Float = 'F',
    Date = 'D',
    Logical = 'L',
    Memo = 'M',
};

struct FieldDef {
    std::string name;  // ASCII, 1..10 characters
    FieldType type = FieldType::Character;
    int width = 1;     // bytes in the record
    int decimals = 0;
};

// One ascending tag on a numeric field, kept in the production index.
struct TagDef {
    std::string name;   // for example "CHUNQIU_ON"
    std::string field;  // for example "ON"
};

struct TableDef {
    std::vector<FieldDef> fields;
    std::optional<TagDef> tag;        // with a tag: NAME.mdx is written too
    std::uint8_t languageDriver = 0x4D;  // code page 936
};

// Creates an empty table (and its index) at `dbf`, replacing any old one.
void createTable(const std::filesystem::path& dbf, const TableDef& def);

// The tag names of the production index beside `dbf` (NAME.mdx).
std::vector<std::string> readTagNames(const std::filesystem::path& dbf);

enum class TableState { Inactive, Browse, Edit, Insert };

// A moved-from Table may only be destroyed or assigned to.
class Table {
public:
    Table();
    ~Table();
    Table(Table&&) noexcept;
    Table& operator=(Table&&) noexcept;

    // Opens `dbf`. With a tag, the rows are kept in that tag's order
    // (ascending key, ties by record number); the production index must be
    // there, sound, and hold the tag (name compared case-insensitively).
    // Without a tag the rows are in record order and no index is read, but
    // an index the table has is still rewritten on every post.
    // On success the cursor is on the first row. Throws Error.
    void open(const std::filesystem::path& dbf, std::string_view tag = {});
    // Closes; a row being edited or inserted is dropped, not written.
    void close();
    bool active() const;
    const std::filesystem::path& path() const;

    const std::vector<FieldDef>& fields() const;
    int fieldCount() const;
    // Field position by name, case-insensitive; -1 when there is none.
    int findField(std::string_view name) const;
    // Restricts an integer field to [min, max]: values outside are refused
    // on write and reported as an Error by fieldInt (for 16-bit columns).
    // Lasts until the table is opened again.
    void setIntegerRange(int field, long long min, long long max);

    // The cursor walks the live (not deleted) rows in order. Moving it
    // while a row is being edited or inserted first posts that row if it
    // changed, or drops it if not.
    void first();
    void next();   // past the last row: eof() true, the cursor stays on the last row
    void prior();  // before the first row: bof() true, the cursor stays on the first row
    void last();
    bool eof() const;
    bool bof() const;
    int rowCount() const;            // live rows, plus the row being inserted
    int rowIndex() const;            // 0-based place of the current row, -1 when empty
    void moveTo(int row);            // clamps into range; clears eof and bof (both stay set when empty)
    int recordNumber() const;        // 1-based record number, 0 for a row not yet posted

    // The current row's field as text: a character field without its
    // trailing blanks, any other field without blanks on either side. An
    // empty table gives empty texts.
    std::string fieldText(int field) const;
    // A numeric (or character) field holding a decimal integer; a blank
    // field reads as 0. Throws Error for anything else.
    long long fieldInt(int field) const;

    void edit();    // the current row becomes editable (an empty table: Error)
    void insert();  // a new empty row at the cursor, being inserted
    void append();  // a new empty row after the last row, being inserted
    // Sets a field of the row being edited or inserted. A value that does not
    // fit (too long for the width, not a number in a numeric field, outside
    // the integer range) is refused with an Error and the row is unchanged.
    // Outside Edit or Insert state: Error.
    void setFieldText(int field, std::string_view text);
    // Writes the row being edited or inserted; the row moves to its place in
    // the tag's order and stays the current row. A failed write leaves the
    // files as they were, the row still being edited, and throws.
    void post();
    void cancel();     // drops the changes of the row being edited or inserted
    // Marks the current row deleted and writes at once (the row being
    // edited is deleted with its changes dropped; a row being inserted is
    // just dropped). Deleted records stay in the file and in the index.
    void deleteRow();
    // Posts a changed row (drops an unchanged one), then reads the table
    // again from its file, keeping the cursor near the same row.
    void refresh();
    TableState state() const;
    bool modified() const;  // the row being edited or inserted has changes

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dbase
