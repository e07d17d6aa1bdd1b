#pragma once

#include "records/recordcodec.h"

// What sets one block of receipt lines apart from the others.
struct LineBlock {
    const char* typeName; // "HEADERDATA"
    const char* textHeader; // header of the text column
    int longestText; // bytes; the text field is one byte longer, for the NUL
    const char* itemName; // database item name; "%d" stands for the line number
    const char* encodeName; // name encodeRow returns; "%d" as above
    const char* decodeName; // name decodeRecord returns; "%d" as above
    const char* decodeLog; // debug line of decodeRecord, or null
    const char* rangeMessage; // debug line for a line number above the block's lines
};

// Receipt header, extended header and trailer lines: eight numbered lines per block, each
// record a line index byte, a NUL-terminated text field and a spare byte. The three blocks
// share this codec and differ only in their LineBlock.
class LineCodec : public RecordCodec {
public:
    static constexpr int kLines = 8;

    const LineBlock& block() const { return m_block; }

    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;
    // A row whose line number is not 1 to 8 would be sent as a record of zeros, which the
    // register takes for line 1: such a table is refused.
    QStringList sendRefusals(const ItemTable& table) const override;
    // Eight lines numbered 1 to 8, with empty texts.
    ItemTable emptyTable() const override;
    int mostRows() const override { return kLines; }
    int textLimit(int column) const override;

protected:
    explicit LineCodec(const LineBlock& block);
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;
    QByteArray storageName(int row, const QByteArray& encodedName, const QByteArray& record) const override;

private:
    int textSize() const { return m_block.longestText + 1; }

    const LineBlock& m_block;
};

class Header : public LineCodec {
public:
    static const Header* instance();

private:
    Header();
};

class EXTHeader : public LineCodec {
public:
    static const EXTHeader* instance();

private:
    EXTHeader();
};

class Trailer : public LineCodec {
public:
    static const Trailer* instance();

private:
    Trailer();
};
