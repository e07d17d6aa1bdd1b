#include "link/transferjournal.h"

#include "journal/journal.h"
#include "link/outcome.h"
#include "link/protocol.h"
#include "records/translation.h"

#include <QStringList>

namespace {

QString commandText(const TransferOutcome& outcome)
{
    if (outcome.download)
        return QStringLiteral("download");
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
        return QStringLiteral("not held as sent: ") + outcome.verifyNote;
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
    return Journal::append(Journal::Transfer, QString::fromLatin1(outcome.datatype), outcome.linkAddress(),
        outcome.sentence(), details.join(QLatin1Char('\n')));
}
