#pragma once

#include "records/categories.h"
#include "records/itemtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// The bits an option column offers in its menu, and their names (bit 0 first).
struct OptionSet {
    quint8 offerMask;
    const char* names[8];

    // Names of the offered bits, bit 0 first.
    QStringList menuEntries() const;
    // One byte per offered bit, in bit order: 1 when the cell has the bit set. The cell is
    // read as a decimal number whose digits, from the lowest, are bits 0, 1, 2, ...
    QByteArray states(const QString& cell) const;
    // Bit of the `entry`-th offered entry (from 1), or -1 when there is no such entry.
    int bitOfEntry(int entry) const;
    // The cell with the bit of `entry` set or cleared; an empty cell starts as "00000000".
    QString apply(const QString& cell, int entry, bool checked) const;
};

// The eight-character form of an option cell: empty becomes "00000000" and a shorter
// text is padded with '0' on the left.
QString normalisedOptionText(const QString& cell);
// The decimal digits of an option cell from the lowest: digit j is the state of bit j.
int optionDigit(const QString& cell, int bit);

// Menu modes set by the main window before it opens a department or discount menu.
extern quint8 deptMenuMode; // 1 "Options" menu, 2 "Print" menu
extern quint8 discMenuMode; // 1 "Options" menu, 2 "Tax" menu

// What every item category's codec offers. Codecs are stateless: encodeRow and
// decodeRecord may run on several link threads at once; initColumns, saveTable, loadTable
// and the option menu operations run on the GUI thread.
class RecordCodec {
public:
    struct Column {
        const char* header;
        quint8 kind;
    };

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

    // Encodes a row into a zero-filled record of the category's size; returns the record's
    // name field (some categories return their key instead).
    virtual QByteArray encodeRow(const ItemRow& row, QByteArray* record) const = 0;
    // Decodes one record into a row of texts. A record shorter than the category's size is
    // read from a zero-filled copy of full size, never past its end. `index` is the number
    // to show for categories whose rows carry one (kOwnIndex: the record's own).
    virtual QByteArray decodeRecord(const QByteArray& record, ItemRow* row, int index = kOwnIndex) const;

    // Replaces the category's database table by the rows of `table`. False when nothing
    // was stored (the database keeps its previous rows).
    bool saveTable(const ItemTable& table) const;
    // Publishes the columns and reads the category's table from the database.
    bool loadTable(ItemTable* table) const;

    virtual QStringList optionMenuEntries(int column) const;
    virtual QByteArray optionStates(const QString& cell, int column) const;
    virtual QString applyOption(const QString& cell, int entry, bool checked) const;

protected:
    // Decodes a record of exactly the category's size.
    virtual QByteArray decodeFields(const char* record, ItemRow* row, int index) const = 0;
    // Key and name under which row `row` (from 0) is stored.
    virtual QByteArray storageKey(int row, const QByteArray& encodedName) const;
    virtual QByteArray storageName(int row, const QByteArray& encodedName, const QByteArray& record) const;

    // Cell text in the display language's code page, at most 63 bytes.
    static QByteArray cellBytes(const ItemRow& row, int column);
    // Cell text (empty past the row's end); for number and option cells, whose characters
    // are the same in every code page.
    static QString cellText(const ItemRow& row, int column);
    // Bytes of a register text field up to its first NUL, after textFromRegister.
    static QByteArray registerBytes(const char* field, int size);
    // Copies at most `size` bytes of `text` into the field and applies textToRegister.
    static void putRegisterText(char* field, int size, const QByteArray& text);

private:
    const Category* m_category;
    std::vector<Column> m_columns;
};
