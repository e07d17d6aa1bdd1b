#pragma once

#include "base/itemtable.h"
#include "records/categories.h"
#include "records/columns.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// The entries an option column offers in its menu, and their names, entry 0 first. In a
// bit column entry i is bit i of the cell; a menu of more entries (the discount options
// menu has nine) gives them their meaning in its codec and uses the shared walk.
struct OptionSet {
    quint16 offerMask; // bit i: entry i is offered
    const char* names[9];
    int entryCount = 8;

    // Names of the offered entries, entry 0 first.
    QStringList menuEntries() const;
    // One byte per offered entry, in entry order: 1 when bit i of `entriesOn` is set.
    QByteArray offeredStates(quint16 entriesOn) const;
    // offeredStates of a bit column's cell (see optionCellBits).
    QByteArray states(const QString& cell) const;
    // Entry (in a bit column: bit) of the `entry`-th offered entry (from 1), or -1 when
    // there is no such entry.
    int bitOfEntry(int entry) const;
    // The cell with the bit of `entry` set or cleared; an empty cell starts as "00000000".
    QString apply(const QString& cell, int entry, bool checked) const;
    // Names of the bits set in the record byte that `bits` gives, bit 0 first; a bit
    // without a name is called "BIT n".
    QStringList namesOf(quint8 bits) const;
    // namesOf the byte that a bit column's cell puts into the record.
    QStringList setBitNames(const QString& cell) const;
};

// The eight-character form of an option cell: empty becomes "00000000" and a shorter
// text is padded with '0' on the left.
QString normalisedOptionText(const QString& cell);
// The decimal digits of an option cell from the lowest: digit j is the state of bit j.
int optionDigit(const QString& cell, int bit);
// The bits whose digit is 1 in an option cell read as a decimal number.
quint8 optionCellBits(const QString& cell);

// What a column's record field takes. Whether a cell reaches the register unchanged is
// decided by encoding its row and decoding the record; these facts say how the cell and
// what came back are compared, and why a cell does not fit.
struct FieldFit {
    enum Kind : quint8 {
        ByKind, // from the column kind: text, whole number, amount with two decimals, option bits
        Unheld, // not in the record (an index that the register gives itself)
        Text, // text of at most `size` bytes in the register language's code page
        Amount, // packed decimal of `size` digits, the last `decimals` of them after the point
        Whole, // whole number from `low` to `high`
        Bits, // option bit string, eight characters '0' or '1'
        DigitSet, // a set of the digits from `low` to `high`, in any order
        Address, // IPv4 address: four numbers from 0 to 255 joined by dots
        Key, // 64 upper-case hexadecimal digits, or empty
    };
    Kind kind = ByKind;
    int size = 0;
    int decimals = 0;
    int low = 0;
    int high = 0;

    static constexpr FieldFit unheld() { return { Unheld }; }
    static constexpr FieldFit text(int bytes) { return { Text, bytes }; }
    static constexpr FieldFit amount(int digits, int decimals) { return { Amount, digits, decimals }; }
    static constexpr FieldFit whole(int low, int high) { return { Whole, 0, 0, low, high }; }
    static constexpr FieldFit bits() { return { Bits }; }
    static constexpr FieldFit digitSet(int low, int high) { return { DigitSet, 0, 0, low, high }; }
    static constexpr FieldFit address() { return { Address }; }
    static constexpr FieldFit key() { return { Key }; }
};

// A cell that the register would not hold as shown.
struct CellFit {
    int row; // from 0
    int column;
    QString reason; // why, ending in what the register keeps: "27 bytes in windows-1253; the register keeps 25"
    QString held; // the cell as the register would hold it

    // The reason and what the register holds: "...; the register keeps 25: ΚΑΦΕΣ ..."
    QString message() const;
};

// What every item category's codec offers. Codecs are stateless: encodeRow and
// decodeRecord may run on several link threads at once; initColumns, saveTable, loadTable
// and the option menu operations run on the GUI thread.
class RecordCodec {
public:
    struct Column {
        const char* header;
        quint8 kind;
        FieldFit fit = {};
        // A password or key: the journal, which any user may read and none may clean, says
        // that it changed, never its values.
        bool secret = false;
    };
    static constexpr bool kSecret = true;

    // Marks a record received from the register: the index shown is the record's own.
    static constexpr int kOwnIndex = -1;

    RecordCodec(const char* typeName, std::initializer_list<Column> columns);
    virtual ~RecordCodec() = default;

    const Category& category() const { return *m_category; }
    int recordSize() const { return m_category->recordSize; }
    // Bytes of the record the database keeps (some categories drop their index byte).
    int storedSize() const { return m_category->storedSize; }
    const std::vector<Column>& columns() const { return m_columns; }
    QStringList headers() const;

    // Publishes this category's headers and column kinds.
    void initColumns() const;
    // True when a row's number is its place in the table (the "Indx" a stored row shows is its
    // row number): a row put in between renumbers the rows below it.
    virtual bool numbersRowsByPlace() const { return false; }
    // The most rows the register holds of this category (its lines); 0: no fixed number.
    virtual int mostRows() const { return 0; }

    // Encodes a row into a zero-filled record of the category's size; returns the record's
    // name field (some categories return their key instead).
    virtual QByteArray encodeRow(const ItemRow& row, QByteArray* record) const = 0;
    // Decodes one record into a row of texts. A record shorter than the category's size is
    // read from a zero-filled copy of full size, never past its end. `index` is the number
    // to show for categories whose rows carry one (kOwnIndex: the record's own).
    virtual QByteArray decodeRecord(const QByteArray& record, ItemRow* row, int index = kOwnIndex) const;

    // Replaces the category's database table by the rows of `table`. `records` holds, per
    // row, the record to keep as it is (a row the operator did not change, as it was loaded
    // or received); a row without one (empty, or past the list's end) is encoded. False when
    // nothing was stored (the database keeps its previous rows).
    bool saveTable(const ItemTable& table, const QList<QByteArray>& records = {}) const;
    // Publishes the columns and reads the category's table from the database; `records`, when
    // given, receives each row's stored record.
    virtual bool loadTable(ItemTable* table, QList<QByteArray>* records = nullptr) const;
    // The rows the category's page shows for its stored table: the stored rows, or the
    // starting rows of emptyTable() while none are stored (they have no records). False when
    // it cannot be read.
    bool loadShownTable(ItemTable* table, QList<QByteArray>* records = nullptr) const;
    // The bytes the database keeps of a record received from the register.
    virtual QByteArray storedRecord(const QByteArray& received) const;

    virtual QStringList optionMenuEntries(int column) const;
    virtual QByteArray optionStates(const QString& cell, int column) const;
    // The cell of option column `column` with menu entry `entry` (from 1) set or cleared;
    // the cell unchanged for a column without a menu.
    virtual QString applyOption(const QString& cell, int column, int entry, bool checked) const;
    // What the bits of an option cell mean, for an option column: the names of the set bits
    // (or of the cell's type, where bits together choose one); false for other columns.
    virtual bool optionNames(int column, const QString& cell, QStringList* names) const;

    // Checks a table about to be sent: one text per row that the register must not get
    // (for example "row 9: line number must be 1 to 8"); empty when the table may go.
    virtual QStringList sendRefusals(const ItemTable& table) const;
    // The rows a category shows while its database table is empty; nothing is stored
    // until the operator saves. Most categories show no rows.
    virtual ItemTable emptyTable() const;
    // Longest text, in bytes of the register language's code page, that a cell of `column`
    // takes; 0 when the column has no limit of its own.
    virtual int textLimit(int column) const;
    // Why `text` cannot go into a cell of `column`; empty when it can.
    virtual QString cellProblem(int column, const QString& text) const;

    // The cells of `row` that the register would not hold as shown: the row is encoded as
    // for sending, its record decoded again, and each cell compared with what came back.
    // `rowNumber` goes into the results.
    QList<CellFit> checkRow(const ItemRow& row, int rowNumber = 0) const;
    // The same for every row of `table`, row numbers from 0. `sent`, when given, holds the
    // rows as they will be encoded where that differs from what `table` shows (a file's
    // cells and the grid's values made of them), row for row. A row with a record in `kept`
    // goes to the register as that record and is not checked.
    QList<CellFit> checkTable(
        const ItemTable& table, const ItemTable* sent = nullptr, const QList<QByteArray>* kept = nullptr) const;
    // How the cells of `column` are compared and explained (ByKind resolved).
    FieldFit fieldFit(int column) const;

    // Decodes a record like decodeRecord, showing `index` where a row carries one, but
    // leaves alone any record that the process keeps current.
    QByteArray readRecord(const QByteArray& record, ItemRow* row, int index = 1) const;
    // The bytes by which the register finds a record among its own (a PLU's item code): the
    // record's first recordKeySize() bytes; empty for categories whose records are kept by
    // position (a key size of 0).
    QByteArray recordKey(const QByteArray& record) const { return record.left(recordKeySize()); }
    virtual int recordKeySize() const;

protected:
    // Decodes a record of exactly the category's size.
    virtual QByteArray decodeFields(const char* record, ItemRow* row, int index) const = 0;
    // decodeFields without changing process-wide state; the default is decodeFields.
    virtual QByteArray readFields(const char* record, ItemRow* row, int index) const;
    // Key and name under which row `row` (from 0) is stored.
    virtual QByteArray storageKey(int row, const QByteArray& encodedName) const;
    virtual QByteArray storageName(int row, const QByteArray& encodedName, const QByteArray& record) const;
    // Whether each row is encoded and decoded on its own; saveTable and loadTable then share a
    // large table out over several threads. False where a record carries process-wide state
    // from one row to the next.
    virtual bool rowsStandAlone() const { return true; }

    // Cell text in the register language's code page, at most 63 bytes.
    static QByteArray cellBytes(const ItemRow& row, int column);
    // Cell text (empty past the row's end); for number and option cells, whose characters
    // are the same in every code page.
    static QString cellText(const ItemRow& row, int column);
    // Bytes of a record's field up to its first NUL, as stored (no conversion).
    static QByteArray storedField(const QByteArray& record, int offset, int size);
    // Bytes of a register text field up to its first NUL, after textFromRegister.
    static QByteArray registerBytes(const char* field, int size);
    // Copies at most `size` bytes of `text` into the field and applies textToRegister.
    static void putRegisterText(char* field, int size, const QByteArray& text);
    // The first `size` bytes of `text`, fewer where a UTF-8 letter would be cut in two.
    static QByteArray registerCut(const QByteArray& text, int size);

private:
    void checkInto(const ItemRow& shown, const ItemRow& sent, int rowNumber, QByteArray* record, ItemRow* back,
        QList<CellFit>* fits) const;

    const Category* m_category;
    std::vector<Column> m_columns;
};

// A category whose record ends with the register's index byte, which the database drops.
// Its encodeRow returns the row's "Indx" text, under which the row is stored and named by
// the record's name field. The index shown is the record's own (its last byte, signed)
// for a received record, else the number given (the 1-based row number when loaded).
// A category with one option column has its menu served here.
class IndexedRecordCodec : public RecordCodec {
public:
    bool numbersRowsByPlace() const override { return true; }
    QStringList optionMenuEntries(int column) const override;
    QByteArray optionStates(const QString& cell, int column) const override;
    QString applyOption(const QString& cell, int column, int entry, bool checked) const override;
    bool optionNames(int column, const QString& cell, QStringList* names) const override;

protected:
    struct NameField {
        int offset;
        int size;
        bool registerText; // passes through textToRegister / textFromRegister
    };
    struct OptionColumn {
        int column;
        const OptionSet* set; // null: no menu
    };

    IndexedRecordCodec(const char* typeName, std::initializer_list<Column> columns, NameField name,
        OptionColumn menu = { -1, nullptr });

    QString indexText(const char* record, int index) const;
    // The row's "Indx" cell in ASCII.
    static QByteArray indexKey(const ItemRow& row);
    // Puts the "Name" cell (column 1) into the record's name field.
    void putName(char* record, const ItemRow& row) const;
    // The record's name bytes up to the first NUL, as the register language reads them.
    QByteArray nameBytes(const char* record) const;

    QByteArray storageKey(int row, const QByteArray& key) const override;
    QByteArray storageName(int row, const QByteArray& key, const QByteArray& record) const override;

private:
    NameField m_name;
    OptionColumn m_menu;
};
