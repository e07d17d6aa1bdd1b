#include "link/transferjournal.h"

#include "journal/journal.h"
#include "link/outcome.h"
#include "link/protocol.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/tablediff.h"
#include "records/translation.h"
#include "storage/configdb.h"

#include <QDir>

#include <QStringList>

namespace {

QString commandText(const TransferOutcome& outcome)
{
    if (outcome.download)
        return QStringLiteral("download");
    if (!outcome.parts.isEmpty())
        return QStringLiteral("send changes");
    switch (outcome.command) {
    case CommandAdd:
        return QStringLiteral("add");
    case CommandUpdate:
        return QStringLiteral("update");
    case CommandDelete:
        return QStringLiteral("delete");
    case CommandClear:
        return QStringLiteral("clear data");
    default:
        return QStringLiteral("install");
    }
}

QString resultText(const TransferOutcome& outcome)
{
    switch (outcome.result) {
    case TransferOutcome::Done:
        // Every row was acknowledged, but a late or extra reply leaves open which row it answered.
        if (outcome.retried > 0)
            return QStringLiteral("acknowledged after late replies: what the register holds is not known");
        if (outcome.outOfStep)
            return QStringLiteral("acknowledged out of step: what the register holds is not known");
        return QStringLiteral("done");
    case TransferOutcome::Refused:
        return QStringLiteral("refused (code %1)").arg(QString::fromLatin1(translation::hexSpaced(outcome.word)));
    case TransferOutcome::NoAnswer:
        return QStringLiteral("no answer");
    case TransferOutcome::BadFrame:
        return QStringLiteral("bad frame");
    case TransferOutcome::Cancelled:
        return QStringLiteral("cancelled");
    case TransferOutcome::Closed:
        return QStringLiteral("link ended");
    }
    return QString();
}

QString verifyText(const TransferOutcome& outcome)
{
    if (outcome.verified == 1)
        return QStringLiteral("held as sent");
    if (outcome.verified == 0)
        return (outcome.verifyCompared ? QStringLiteral("not held as sent: ") : QStringLiteral("not compared: "))
            + outcome.verifyNoteIn(Wording::English);
    return QStringLiteral("not read back");
}

} // namespace

bool journalTransfer(const TransferOutcome& outcome)
{
    QStringList details { QStringLiteral("command: ") + commandText(outcome) };
    if (outcome.download)
        details << QStringLiteral("rows received: %1").arg(outcome.done);
    else
        details << QStringLiteral("rows sent: %1 of %2").arg(outcome.done).arg(outcome.total);
    details << QStringLiteral("result: ") + resultText(outcome);
    if (!outcome.download)
        details << QStringLiteral("verify: ") + verifyText(outcome);
    // One register may get the tables of several sets: which one this was.
    if (!currentDatabasePath.isEmpty())
        details << QStringLiteral("set: ") + QDir::toNativeSeparators(currentDatabasePath);
    return Journal::append(Journal::Transfer, QString::fromLatin1(outcome.datatype), outcome.link,
        outcome.sentence(Wording::English), details.join(QLatin1Char('\n')));
}

bool saveTableJournaled(int category, const ItemTable& table, const QList<QByteArray>& records)
{
    const RecordCodec* codec = codecForCategory(category);
    if (!codec)
        return false;
    const QString name = QLatin1String(codec->category().table);
    QList<QByteArray> before, after;
    const bool beforeKnown = loadRecords(name, &before);
    if (!codec->saveTable(table, records))
        return false;
    const bool afterKnown = loadRecords(name, &after);
    if (beforeKnown && afterKnown)
        journalSave(category, before, after);
    else
        // Listing every row as new, or none, would misstate the change: the entry says what is
        // known (a save is journaled even when the set went away right after it).
        Journal::append(Journal::Save, QString::fromLatin1(codec->category().typeName), QString(),
            QStringLiteral("%1 saved; the rows %2 could not be read, so the changes are not listed")
                .arg(countText(category, int(afterKnown ? after.size() : table.size()), Wording::English),
                    beforeKnown ? QStringLiteral("after it") : QStringLiteral("before")),
            QStringLiteral("set: ") + QDir::toNativeSeparators(currentDatabasePath));
    return true;
}

bool journalRecordSave(const QByteArray& datatype, const QByteArray& before, const QByteArray& after)
{
    if (before.isEmpty() && after.isEmpty())
        return true; // no logo before, none now: nothing was saved
    const QString what = datatype == "GRAPHICDATA" ? QStringLiteral("logo") : QStringLiteral("system parameters");
    QStringList details { QStringLiteral("set: ") + QDir::toNativeSeparators(currentDatabasePath) };
    QString summary;
    if (before.isEmpty() || after.isEmpty()) {
        // A first record, or none left: the bytes themselves tell nothing more.
        summary = after.isEmpty() ? QStringLiteral("%1 removed from the set").arg(what)
                                  : QStringLiteral("%1 saved: %2 bytes, the set's first").arg(what).arg(after.size());
    } else {
        int changed = 0;
        for (int i = 0; i < qMax(before.size(), after.size()); ++i) {
            if (i < before.size() && i < after.size() && before.at(i) == after.at(i))
                continue;
            // A long record (a logo) lists its first changes only; the count holds them all.
            if (++changed <= 64) {
                auto byte = [i](const QByteArray& bytes) {
                    return i < bytes.size() ? QStringLiteral("%1").arg(quint8(bytes.at(i)), 2, 16, QLatin1Char('0'))
                                            : QStringLiteral("--");
                };
                details << QStringLiteral("byte %1: %2 \u2192 %3").arg(i).arg(byte(before), byte(after));
            }
        }
        summary = QStringLiteral("%1 saved: %2 of %3 bytes changed").arg(what).arg(changed).arg(after.size());
    }
    return Journal::append(
        Journal::Save, QString::fromLatin1(datatype), QString(), summary, details.join(QLatin1Char('\n')));
}

bool journalSave(int category, const QList<QByteArray>& before, const QList<QByteArray>& after)
{
    const RecordCodec* codec = codecForCategory(category);
    if (!codec)
        return false;
    const TableDiff diff = diffRecords(*codec, before, after);
    QStringList details { QStringLiteral("set: ") + QDir::toNativeSeparators(currentDatabasePath) };
    for (const RecordChange& change : diff.changes)
        details << change.describe(Wording::English, RecordChange::Hidden);
    return Journal::append(Journal::Save, QString::fromLatin1(codec->category().typeName), QString(),
        QStringLiteral("%1 saved: %2")
            .arg(countText(category, int(after.size()), Wording::English), diff.summary(Wording::English)),
        details.join(QLatin1Char('\n')));
}
