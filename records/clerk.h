#pragma once

#include "records/recordcodec.h"

// Clerks: 18-byte records (17 stored) in "table_clerk", payload code 17.
class Clerk : public IndexedRecordCodec {
public:
    static const Clerk* instance();

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;

    static const OptionSet kOptionsSet; // column 3

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;

private:
    Clerk();
};
