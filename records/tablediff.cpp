#include "records/tablediff.h"

#include <QHash>
#include <QSet>

QString RecordChange::describe(Wording wording) const
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
    for (const FieldDifference& field : fields)
        //: A changed field: its column, the register's value, the table's value. The arrow
        //: points from the old value to the new one in the reading direction.
        texts << worded(wording, "TableDiff", QT_TRANSLATE_NOOP("TableDiff", "%1 %2 → %3"))
                     .arg(field.shownName(wording), field.held, field.sent);
    return label + QStringLiteral(": ") + texts.join(QStringLiteral("; "));
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
    return parts.join(QStringLiteral(", "));
}

namespace {

// The record's code as the grid shows it; "row N" for a record without one.
QString codeOf(const RecordCodec& codec, const QByteArray& record, int row)
{
    ItemRow cells;
    codec.readRecord(record, &cells);
    const QString code = cells.value(0).toString().trimmed();
    return code.isEmpty() ? QStringLiteral("row %1").arg(row + 1) : code;
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

    // The register's records by code. The table is read from its end, so that the last row of
    // a code is the one compared and earlier ones are skipped.
    const int stored = codec.storedSize();
    auto key = [&codec, stored](const QByteArray& record) {
        return codec.recordKey(record.size() == stored ? record : keptBytes(codec, record));
    };
    QHash<QByteArray, int> held;
    held.reserve(baseline.size());
    for (int i = 0; i < baseline.size(); ++i)
        held.insert(key(baseline.at(i)), i);
    QList<bool> seen(baseline.size(), false);
    QSet<QByteArray> added;
    QList<RecordChange> found;
    for (int i = int(current.size()) - 1; i >= 0; --i) {
        const QByteArray k = key(current.at(i));
        const auto at = held.constFind(k);
        if (at == held.constEnd()) {
            if (added.contains(k))
                continue;
            added.insert(k);
            const QByteArray after = keptBytes(codec, current.at(i));
            found.append(change(codec, RecordChange::Added, i, codeOf(codec, after, i), {}, after));
            continue;
        }
        if (seen.at(at.value()))
            continue;
        seen[at.value()] = true;
        const QByteArray before = keptBytes(codec, baseline.at(at.value()));
        const QByteArray after = keptBytes(codec, current.at(i));
        if (before != after)
            found.append(change(codec, RecordChange::Changed, i, codeOf(codec, after, i), before, after));
    }
    diff.changes.reserve(found.size());
    for (auto it = found.crbegin(); it != found.crend(); ++it)
        diff.changes.append(*it);
    for (int i = 0; i < baseline.size(); ++i) {
        // A code the register holds twice counts once, as its last record.
        if (seen.at(i))
            continue;
        const QByteArray before = keptBytes(codec, baseline.at(i));
        if (held.value(key(before)) == i)
            diff.changes.append(change(codec, RecordChange::Deleted, -1, codeOf(codec, before, i), before, {}));
    }
    return diff;
}
