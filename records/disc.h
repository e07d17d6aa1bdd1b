#pragma once

#include "records/recordcodec.h"

// Discounts and surcharges: 24-byte records (23 stored) in "table_disc", payload code 12.
// Two menus: "Tax" (column 4, one tax at most) and "Options" (column 6), whose first three
// entries are the discount type, a three-way choice kept in bits 0 and 1.
class Disc : public IndexedRecordCodec {
public:
    static const Disc* instance();

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;
    bool loadTable(ItemTable* table, QList<QByteArray>* records = nullptr) const override;
    QStringList optionMenuEntries(int column) const override;
    QByteArray optionStates(const QString& cell, int column) const override;
    // Works on the menu of `column`: "Options" or "Tax".
    QString applyOption(const QString& cell, int column, int entry, bool checked) const override;
    bool optionNames(int column, const QString& cell, QStringList* names) const override;

    static const OptionSet kTaxSet; // column 4
    static const OptionSet kOptionsMenu; // column 6: entries 0 to 8

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;

private:
    Disc();
};
