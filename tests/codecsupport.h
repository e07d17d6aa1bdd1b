#pragma once

#include "records/recordcodec.h"
#include "testsupport.h"

#include <QByteArray>
#include <QStringList>

// A row through a codec and back: the record it encodes to and what that record decodes to.
struct CodecTrip {
    QByteArray key; // what encodeRow() gives: the row's key or name
    QByteArray record;
    QByteArray name; // what decodeRecord() gives
    QStringList decoded; // the cells read back, as texts
};

// Encodes `row` with `codec` and decodes the record again, shown at `index`.
inline CodecTrip codecTrip(const RecordCodec* codec, const ItemRow& row, int index = RecordCodec::kOwnIndex)
{
    CodecTrip trip;
    trip.key = codec->encodeRow(row, &trip.record);
    ItemRow back;
    trip.name = codec->decodeRecord(trip.record, &back, index);
    trip.decoded = rowTexts(back);
    return trip;
}

// The record of `cells`, encoded by `codec`.
inline QByteArray encoded(const RecordCodec* codec, const QStringList& cells)
{
    return codecTrip(codec, textRow(cells)).record;
}

// The texts that `record` decodes to.
inline QStringList decoded(const RecordCodec* codec, const QByteArray& record, int index = RecordCodec::kOwnIndex)
{
    ItemRow row;
    codec->decodeRecord(record, &row, index);
    return rowTexts(row);
}
