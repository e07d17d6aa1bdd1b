#include "records/verify.h"

#include "base/punctuation.h"
#include "records/categories.h"
#include "records/translation.h"
#include "records/wording.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The current command's values (see link/protocol.h).
constexpr quint8 kInstall = 1, kAdd = 2, kUpdate = 3, kDelete = 4;

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// How a row is named in the log: its position in an install, its key (the first column as
// shown) where records are found by key.
QString labelOf(const RecordCodec& codec, VerifyMode mode, int row, const QByteArray& record)
{
    if (mode == VerifyMode::InOrder)
        return QStringLiteral("row %1").arg(row + 1);
    ItemRow cells;
    codec.readRecord(record, &cells);
    return cells.value(0).toString();
}

QString rows(int count, Wording wording)
{
    return count == 1
        ? worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "1 row"))
        : worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "%1 rows")).arg(groupedNumber(count));
}

} // namespace

bool verifyModeFor(const Category& category, quint8 command, VerifyMode* mode)
{
    if (!category.codec || category.requestCode == 0 || category.number == CategorySysParm)
        return false;
    if (category.number == CategoryPlu) {
        if (command == kDelete)
            *mode = VerifyMode::Absent;
        else if (command == kInstall || command == kAdd || command == kUpdate)
            *mode = VerifyMode::Present;
        else
            return false;
        return true;
    }
    if (command != kInstall)
        return false;
    *mode = VerifyMode::InOrder;
    return true;
}

VerifyReport compareRecords(
    const RecordCodec& codec, const QList<QByteArray>& sent, const QList<QByteArray>& received, VerifyMode mode)
{
    VerifyReport report;
    report.datatype = codec.category().typeName;
    report.mode = mode;
    report.read = true;
    report.received = int(received.size());

    QHash<QByteArray, int> byKey;
    if (mode != VerifyMode::InOrder)
        for (int i = 0; i < received.size(); ++i)
            byKey.insert(codec.recordKey(keptBytes(codec, received.at(i))), i);

    // A PLU row selected in several cells is sent once per cell: it counts as one row.
    QSet<QByteArray> compared;
    for (int i = 0; i < sent.size(); ++i) {
        const QByteArray mine = keptBytes(codec, sent.at(i));
        if (mode != VerifyMode::InOrder) {
            if (compared.contains(mine))
                continue;
            compared.insert(mine);
        }
        ++report.sent;
        int at = -1;
        if (mode == VerifyMode::InOrder)
            at = i < received.size() ? i : -1;
        else
            at = byKey.value(codec.recordKey(mine), -1);
        const QString label = labelOf(codec, mode, i, mine);
        if (mode == VerifyMode::Absent) {
            if (at >= 0)
                report.differences.append({ i, RowDifference::StillThere, label, {} });
            continue;
        }
        if (at < 0) {
            report.differences.append({ i, RowDifference::Missing, label, {} });
            continue;
        }
        const QByteArray theirs = keptBytes(codec, received.at(at));
        if (theirs != mine)
            report.differences.append({ i, RowDifference::Differs, label, fieldDifferences(codec, mine, theirs) });
    }
    return report;
}

QByteArray keptBytes(const RecordCodec& codec, const QByteArray& record)
{
    QByteArray bytes = record.left(codec.storedSize());
    if (bytes.size() < codec.storedSize())
        bytes.append(QByteArray(codec.storedSize() - bytes.size(), '\0'));
    return bytes;
}

QList<FieldDifference> fieldDifferences(const RecordCodec& codec, const QByteArray& sent, const QByteArray& held)
{
    QList<FieldDifference> fields;
    ItemRow a, b;
    codec.readRecord(sent, &a);
    codec.readRecord(held, &b);
    const QStringList headers = codec.headers();
    for (int c = 0; c < headers.size(); ++c) {
        if (codec.fieldFit(c).kind == FieldFit::Unheld)
            continue;
        const QString x = a.value(c).toString();
        const QString y = b.value(c).toString();
        if (x != y)
            fields.append({ c, headers.at(c), x, y, codec.columns().at(size_t(c)).secret });
    }
    if (!fields.isEmpty())
        return fields;
    int first = 0;
    while (first < sent.size() && sent.at(first) == held.at(first))
        ++first;
    int last = sent.size() - 1;
    while (last > first && sent.at(last) == held.at(last))
        --last;
    if (first < sent.size()) {
        const int count = last - first + 1;
        // Bytes no column shows may be the hidden part of a key.
        const bool secret = std::any_of(codec.columns().cbegin(), codec.columns().cend(),
            [](const RecordCodec::Column& column) { return column.secret; });
        fields.append({ -1, QStringLiteral("bytes %1-%2").arg(first).arg(last),
            QString::fromLatin1(translation::hexSpaced(sent.mid(first, count))),
            QString::fromLatin1(translation::hexSpaced(held.mid(first, count))), secret });
    }
    return fields;
}

QString FieldDifference::shownName(Wording wording) const
{
    return column < 0 ? name : worded(wording, "Columns", name.toUtf8().constData());
}

QString RowDifference::describe(Wording wording) const
{
    switch (kind) {
    case Missing:
        return worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "not on the register"));
    case StillThere:
        return worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "still on the register"));
    case Differs:
        break;
    }
    QStringList texts;
    for (const FieldDifference& field : fields)
        texts << worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "%1 sent %2, the register holds %3"))
                     .arg(field.shownName(wording), quoted(field.sent), quoted(field.held));
    return texts.join(clauseSeparator(wording == Wording::English));
}

QStringList VerifyReport::lines(Wording wording) const
{
    QStringList out;
    if (!read) {
        // The failure sentences are marked where the link writes them.
        out << worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "not verified: %1"))
                   .arg(worded(wording, "VerifyReport", failure.toUtf8().constData()));
    } else if (differences.isEmpty()) {
        QString line = mode == VerifyMode::Absent
            ? worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "verified: %1 gone"))
                  .arg(rows(sent, wording))
            : worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "verified: %1 identical"))
                  .arg(rows(sent, wording));
        if (mode == VerifyMode::InOrder && received > sent)
            line += worded(wording, "VerifyReport", QT_TRANSLATE_NOOP("VerifyReport", "; the register holds %1 more"))
                        .arg(received - sent);
        out << line;
    } else {
        const char* counted = mode == VerifyMode::Absent
            ? QT_TRANSLATE_NOOP("VerifyReport", "verify: %1 of %2 still on the register")
            : differences.size() == 1 ? QT_TRANSLATE_NOOP("VerifyReport", "verify: %1 of %2 differs")
                                      : QT_TRANSLATE_NOOP("VerifyReport", "verify: %1 of %2 differ");
        out << worded(wording, "VerifyReport", counted).arg(differences.size()).arg(rows(sent, wording));
        for (const RowDifference& row : differences)
            out << row.label + QStringLiteral(": ") + row.describe(wording);
    }
    if (!peer.isEmpty())
        for (QString& line : out)
            line = wordedPeer(wording, peer) + QLatin1Char(' ') + line;
    return out;
}
