#pragma once

#include "records/recordcodec.h"

// Taxes: 18-byte records (17 stored) in "table_tax", payload code 11.
class Tax : public IndexedRecordCodec {
public:
    static const Tax* instance();

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;

    static const OptionSet kOptionsSet; // column 3

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;

private:
    Tax();
};
