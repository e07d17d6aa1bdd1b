#pragma once

#include "records/recordcodec.h"

// Department groups: 28-byte records (27 stored) in "table_group", payload code 10.
class Group : public IndexedRecordCodec {
public:
    static const Group* instance();

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;

private:
    Group();
};
