#pragma once

#include "records/recordcodec.h"

// PLUs: 72-byte records in "table_plu", stored under their item code. The payload code
// follows the current command (update 7, delete 6, otherwise 5).
class Plu : public RecordCodec {
public:
    static const Plu* instance();

    // The column names as a row, for files that carry a header line.
    static ItemRow headerRow();

    // Returns the item code text, not the name: it names the row in status words and is
    // the key under which the row is stored.
    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;
    // The item code's bytes: the register keeps one PLU per code.
    int recordKeySize() const override;

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;
    QByteArray storageKey(int row, const QByteArray& code) const override;
    QByteArray storageName(int row, const QByteArray& code, const QByteArray& record) const override;

private:
    Plu();
};
