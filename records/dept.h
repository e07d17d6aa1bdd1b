#pragma once

#include "records/recordcodec.h"

// Departments: 47-byte records in "table_dept", payload code 9.
class Dept : public RecordCodec {
public:
    static const Dept* instance();

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;
    QStringList optionMenuEntries(int column) const override;
    QByteArray optionStates(const QString& cell, int column) const override;
    QString applyOption(const QString& cell, int column, int entry, bool checked) const override;
    bool optionNames(int column, const QString& cell, QStringList* names) const override;

    static const OptionSet kPrintSet; // column 3
    static const OptionSet kOptionsSet; // column 4

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;
    // The record's name field as stored.
    QByteArray storageName(int row, const QByteArray& encodedName, const QByteArray& record) const override;

private:
    Dept();
};
