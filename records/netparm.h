#pragma once

#include "records/recordcodec.h"

#include <QByteArray>

// Network parameters: one 240-byte record in "table_net", payload code 18, shown as a
// one-row table. Bytes that no column covers travel from the last record received or
// loaded, which the process keeps current: decodeRecord (on a link thread, while the window
// is busy) and loadTable replace it, encodeRow and saveTable start from a copy of it.
class NetParm : public RecordCodec {
public:
    static const NetParm* instance();

    static constexpr int kRecordSize = 240;
    // A copy of the current network record, and replacing it.
    static QByteArray record();
    static void setRecord(const QByteArray& record);

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;

    QStringList optionMenuEntries(int column) const override;
    // One byte per bit 0 to 7 of the "Option" cell.
    QByteArray optionStates(const QString& cell, int column) const override;
    QString applyOption(const QString& cell, int column, int entry, bool checked) const override;
    bool optionNames(int column, const QString& cell, QStringList* names) const override;

    // One row made from the current record.
    ItemTable emptyTable() const override;
    int textLimit(int column) const override;
    // Addresses must be four numbers 0 to 255, ports 0 to 65535, the key 64 upper-case
    // hexadecimal digits or empty.
    QString cellProblem(int column, const QString& text) const override;

    static const OptionSet kOptionSet; // column 1

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;
    // Decoding replaces the current record, which encoding starts from.
    bool rowsStandAlone() const override { return false; }
    // The row of a record, leaving the current record as it is.
    QByteArray readFields(const char* record, ItemRow* row, int index) const override;
    QByteArray storageKey(int row, const QByteArray& encodedName) const override;

private:
    NetParm();
};
