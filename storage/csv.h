#pragma once

#include "base/itemtable.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QIODevice;

// A small CSV reader and writer over a text stream: "," between fields (";" may be chosen
// for reading), one table row per line. A field holding the separator, a quotation mark or
// a line break is written in quotation marks with its marks doubled, so that whatever is
// written reads back unchanged. Unquoted fields in scientific notation ("1.23457E+11", as
// spreadsheet programs show long codes) are read as 64-bit integers. One thread at a time.
class csv : public QObject {
    Q_OBJECT
public:
    explicit csv(QObject* parent = nullptr);
    ~csv() override;

    // A new UTF-8 text stream on `device` replaces the old one (which is flushed). A
    // byte-order mark at the start of what is read is skipped.
    void setDevice(QIODevice* device);
    bool atEnd() const;

    void writeField(const QString& text);
    void endLine();
    // False when the device took not every byte (a full disk, a closed pipe).
    bool writeTable(const ItemTable& table);

    QStringList readLine();
    ItemTable readAll();
    // The rows left, into `table`; false as soon as there are more than `maxRows`, so that the
    // rows beyond are never held (`table` then holds the first `maxRows`).
    bool readAll(ItemTable* table, qsizetype maxRows);

    // The field separator for reading; "," unless set.
    void setSeparator(QChar separator);
    // Whether "," is the decimal sign (files separated by ";"): an unquoted field of digits,
    // one comma and digits ("2,50") is read with a point ("2.50"). Off unless set.
    void setDecimalComma(bool on);

    // Fields that readLine() turned from scientific notation into integers since the device
    // was set: how many, and where the first was (line of the device and field, from 1).
    struct Conversions {
        int count = 0;
        int firstLine = 0;
        int firstColumn = 0;
        int unclosedQuoteLine = 0; // readText(): the line of a field whose mark is never closed
    };
    Conversions conversions() const;

    // Reads UTF-8 `text` (a byte-order mark at its start skipped) with `separator` into
    // `table` (with ";" "," is the decimal sign, see setDecimalComma()), as readAll() over the
    // whole of it would; a large text is read in slices of
    // whole records on several threads. `conversions` receives what conversions() would give.
    // False, with nothing read, when the text holds more than `maxRows` rows.
    static bool readText(
        const QByteArray& text, QChar separator, qsizetype maxRows, ItemTable* table, Conversions* conversions);

    // The field as writeField() writes it.
    static QString escape(const QString& text);
    // True for a number in scientific notation: optional sign, digits, optional decimals,
    // "E+", digits.
    static bool isScientific(const QString& field);

private:
    template <class Append> bool parseRecord(Append&& append);

    struct Private;
    std::unique_ptr<Private> d;
};
