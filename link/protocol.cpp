#include "link/protocol.h"

#include "link/linklog.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/translation.h"


Q_LOGGING_CATEGORY(lcLink, "tallvane.link", QtInfoMsg)

namespace {

const QByteArray& pendingNotePrefix()
{
    static const QByteArray prefix = " (" + QByteArray::number(kShownPendingBytes) + " of ";
    return prefix;
}

constexpr char kPendingNoteSuffix[] = " bytes shown)";

void appendCrc(QByteArray* frame)
{
    const quint16 crc = translation::crc16(*frame);
    frame->append(char(crc & 0xFF));
    frame->append(char(crc >> 8));
}

} // namespace

quint16 payloadCodeFor(const QByteArray& typeName, quint16 categoryCode, quint8 command)
{
    if (typeName != "PLUDATA")
        return categoryCode;
    switch (command) {
    case CommandUpdate:
        return 7;
    case CommandDelete:
        return 6;
    default:
        return 5;
    }
}

QByteArray dataFrame(quint8 control, quint16 payloadCode, const QByteArray& record)
{
    QByteArray frame;
    frame.reserve(record.size() + 6);
    frame.append(char(control));
    frame.append(char(record.size() & 0xFF));
    frame.append(char(payloadCode & 0xFF));
    frame.append(char(payloadCode >> 8));
    frame.append(record);
    appendCrc(&frame);
    return frame;
}

QByteArray packRecord(const QByteArray& typeName, const ItemRow* row, int sequence, QByteArray* frame,
    const QByteArray& kept, quint8 command)
{
    frame->clear();
    const Category* category = categoryByType(typeName);
    const RecordCodec* codec = category && category->codec ? category->codec() : nullptr;
    if (!codec)
        return QByteArray();
    QByteArray record;
    const QByteArray name = codec->encodeRow(row ? *row : ItemRow(), &record);

    if (category->number == CategorySysParm) {
        frame->append(char((record.size() + 3) & 0xFF));
        frame->append(char(0x55));
        frame->append(char(0x02));
        frame->append(char(0x00));
        frame->append(record);
        quint8 sum = 0;
        for (const char byte : *frame)
            sum = quint8(sum + quint8(byte));
        frame->append(char(quint8(-sum)));
        return name;
    }
    // A row the operator did not change goes as it was loaded or received.
    if (!kept.isEmpty()) {
        const qsizetype size = qMin<qsizetype>(qMin(kept.size(), record.size()), codec->storedSize());
        record.replace(0, size, kept.left(size));
    }
    *frame = dataFrame(quint8(0x04 | sequence), payloadCodeFor(typeName, category->payloadCode, command), record);
    if (category->number == CategoryPlu)
        qCDebug(lcLink) << "d_size = " << frame->size();
    return name;
}

QByteArray readRequest(const QByteArray& typeName)
{
    const Category* category = categoryByType(typeName);
    if (!category)
        return QByteArray();
    if (category->number == CategorySysParm)
        return QByteArray::fromHex("03440200B7");
    QByteArray request;
    request.append(char(0x08));
    request.append(char(0x00));
    request.append(char(category->requestCode & 0xFF));
    request.append(char(category->requestCode >> 8));
    appendCrc(&request);
    return request;
}

QByteArray clearFrame() { return dataFrame(0x04, 0x0021, QByteArray()); }

QByteArray logoFrame(const QByteArray& chunk, quint8 number)
{
    return dataFrame(0x04, quint16(0x20 | (number << 8)), chunk);
}

QByteArray pendingWord(const QByteArray& head, qint64 total)
{
    if (total <= kShownPendingBytes)
        return head.left(int(total));
    return head.left(kShownPendingBytes) + pendingNotePrefix() + QByteArray::number(total) + kPendingNoteSuffix;
}

bool splitPendingWord(const QByteArray& word, QByteArray* shown, qint64* total)
{
    if (word.size() <= kShownPendingBytes)
        return false;
    const QByteArray note = word.mid(kShownPendingBytes);
    if (!note.startsWith(pendingNotePrefix()) || !note.endsWith(kPendingNoteSuffix))
        return false;
    const QByteArray digits = note.mid(pendingNotePrefix().size(),
        note.size() - pendingNotePrefix().size() - qsizetype(sizeof kPendingNoteSuffix - 1));
    bool ok = false;
    const qint64 count = digits.toLongLong(&ok);
    if (!ok || count <= kShownPendingBytes || digits != QByteArray::number(count))
        return false;
    *shown = word.left(kShownPendingBytes);
    *total = count;
    return true;
}
