#include "records/tablediff.h"

#include "base/punctuation.h"

#include <QHash>
#include <QSet>

QString RecordChange::describe(Wording wording, Secrets secrets) const
{
    switch (kind) {
    case Added:
        return worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1: new")).arg(label);
    case Deleted:
        return worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1: deleted")).arg(label);
    case Changed:
        break;
    }
    QStringList texts;
    for (const FieldDifference& field : fields) {
        if (field.secret && secrets == Hidden) {
            //: A changed password or key, whose values are not shown: its column.
            texts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 changed (not shown)"))
                         .arg(field.shownName(wording));
            continue;
        }
        //: A changed field: its column, the register's value, the table's value. The arrow
        //: points from the old value to the new one in the reading direction.
        texts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 %2 → %3"))
                     .arg(field.shownName(wording), field.held, field.sent);
    }
    return label + QStringLiteral(": ") + texts.join(clauseSeparator(wording == Wording::English));
}

int TableDiff::count(RecordChange::Kind kind) const
{
    int n = 0;
    for (const RecordChange& change : changes)
        n += change.kind == kind ? 1 : 0;
    return n;
}

QString TableDiff::summary(Wording wording) const
{
    if (changes.isEmpty())
        return worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "unchanged"));
    QStringList parts;
    if (const int n = count(RecordChange::Added))
        parts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 new")).arg(n);
    if (const int n = count(RecordChange::Changed))
        parts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 changed")).arg(n);
    if (const int n = count(RecordChange::Deleted))
        parts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 deleted")).arg(n);
    return parts.join(listSeparator(wording == Wording::English));
}

namespace {

// The record's code and name as the grid shows them ("1003 TEA"), so that the operator knows
// the row without looking the code up; "row N" for a record without a code.
QString codeOf(const RecordCodec& codec, const QByteArray& record, int row)
{
    ItemRow cells;
    codec.readRecord(record, &cells);
    const QString code = cells.value(0).toString().trimmed();
    if (code.isEmpty())
        return QStringLiteral("row %1").arg(row + 1);
    return QStringLiteral("%1 %2").arg(code, cells.value(1).toString().trimmed()).trimmed();
}

RecordChange change(const RecordCodec& codec, RecordChange::Kind kind, int row, const QString& label,
    const QByteArray& before, const QByteArray& after)
{
    RecordChange result;
    result.kind = kind;
    result.row = row;
    result.label = label;
    result.before = before;
    result.after = after;
    if (kind == RecordChange::Changed)
        result.fields = fieldDifferences(codec, after, before);
    return result;
}

} // namespace

bool keptByKey(const RecordCodec& codec) { return !codec.recordKey(keptBytes(codec, QByteArray())).isEmpty(); }

TableDiff diffRecords(const RecordCodec& codec, const QList<QByteArray>& baseline, const QList<QByteArray>& current)
{
    TableDiff diff;
    diff.datatype = codec.category().typeName;
    diff.byKey = keptByKey(codec);

    if (!diff.byKey) {
        const int rows = int(qMax(baseline.size(), current.size()));
        for (int i = 0; i < rows; ++i) {
            const QString label = QStringLiteral("row %1").arg(i + 1);
            if (i >= baseline.size()) {
                diff.changes.append(change(codec, RecordChange::Added, i, label, {}, keptBytes(codec, current.at(i))));
            } else if (i >= current.size()) {
                diff.changes.append(change(codec, RecordChange::Deleted, -1, label, keptBytes(codec, baseline.at(i)), {}));
            } else {
                const QByteArray before = keptBytes(codec, baseline.at(i));
                const QByteArray after = keptBytes(codec, current.at(i));
                if (before != after)
                    diff.changes.append(change(codec, RecordChange::Changed, i, label, before, after));
            }
        }
        return diff;
    }

    // Both tables at the size the database keeps (shared copies where they are so already), so
    // that the codes can be views into the records: no code is copied.
    auto keptAll = [&codec](const QList<QByteArray>& records) {
        QList<QByteArray> out;
        out.reserve(records.size());
        for (const QByteArray& record : records)
            out.append(keptBytes(codec, record));
        return out;
    };
    const QList<QByteArray> theirs = keptAll(baseline);
    const QList<QByteArray> ours = keptAll(current);
    const int keySize = codec.recordKeySize();
    auto key = [keySize](const QByteArray& record) {
        return QByteArrayView(record.constData(), qMin(keySize, int(record.size())));
    };

    // The register's records by code. The table is read from its end, so that the last row of
    // a code is the one compared and earlier ones are skipped.
    QHash<QByteArrayView, int> held;
    held.reserve(theirs.size());
    for (int i = 0; i < theirs.size(); ++i)
        held.insert(key(theirs.at(i)), i);
    QList<bool> seen(theirs.size(), false);
    QSet<QByteArrayView> added;
    QList<RecordChange> found;
    for (int i = int(ours.size()) - 1; i >= 0; --i) {
        const QByteArray& after = ours.at(i);
        const QByteArrayView k = key(after);
        const auto at = held.constFind(k);
        if (at == held.constEnd()) {
            if (added.contains(k))
                continue;
            added.insert(k);
            found.append(change(codec, RecordChange::Added, i, codeOf(codec, after, i), {}, after));
            continue;
        }
        if (seen.at(at.value()))
            continue;
        seen[at.value()] = true;
        const QByteArray& before = theirs.at(at.value());
        if (before != after)
            found.append(change(codec, RecordChange::Changed, i, codeOf(codec, after, i), before, after));
    }
    diff.changes.reserve(found.size());
    for (auto it = found.crbegin(); it != found.crend(); ++it)
        diff.changes.append(*it);
    for (int i = 0; i < theirs.size(); ++i) {
        // A code the register holds twice counts once, as its last record.
        if (!seen.at(i) && held.value(key(theirs.at(i))) == i)
            diff.changes.append(
                change(codec, RecordChange::Deleted, -1, codeOf(codec, theirs.at(i), i), theirs.at(i), {}));
    }
    return diff;
}
