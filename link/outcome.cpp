#include "link/outcome.h"

#include "base/punctuation.h"
#include "link/sendrequest.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/translation.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// PLUs a question lists by code and name; the rest are counted.
constexpr int kListedRows = 5;
// Registers a phrase lists by name.
constexpr int kListedRegisters = 4;

QString seconds(qint64 ms, Wording wording)
{
    return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 s"))
        .arg(groupedNumber((ms + 500) / 1000));
}

// "20 PLUs", "the system parameters", "the logo": what a send of `total` rows of `datatype` moves.
QString whatMoves(const QByteArray& datatype, int total, Wording wording)
{
    if (datatype == "SYSPARMDATA")
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "the system parameters"));
    if (datatype == "GRAPHICDATA")
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "the logo"));
    const Category* category = categoryByType(datatype);
    return category ? countText(category->number, total, wording)
                    : worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 rows")).arg(total);
}

QString rowsDone(const TransferOutcome& outcome, Wording wording)
{
    if (outcome.download)
        return outcome.done == 0 ? QString()
                                 : worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", " after %1"))
                                       .arg(whatMoves(outcome.datatype, outcome.done, wording));
    // A part of the logo names its place itself.
    if (outcome.total <= 1 || outcome.datatype == "GRAPHICDATA")
        return QString();
    if (outcome.done == 0)
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", ", the first of %1 rows"))
            .arg(groupedNumber(outcome.total));
    return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", " after %1 of %2 rows"))
        .arg(groupedNumber(outcome.done), groupedNumber(outcome.total));
}

// What a send under `command` did to its rows.
QString verbOf(quint8 command, Wording wording)
{
    switch (command) {
    case CommandAdd:
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 added"));
    case CommandUpdate:
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 updated"));
    case CommandDelete:
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 deleted"));
    default:
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 installed"));
    }
}

QString doneSentence(const TransferOutcome& outcome, Wording wording)
{
    // The register sent the rows, but this link cannot read them: it does not hold none.
    if (outcome.download && outcome.dropped > 0)
        return worded(wording, "TransferOutcome",
            QT_TRANSLATE_NOOP("TransferOutcome", "%1 cannot be read over this link: %2 came and were dropped"))
            .arg(rowsText(outcome.datatype, wording), groupedNumber(outcome.dropped));
    if (outcome.download && outcome.done == 0)
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "the register holds no %1"))
            .arg(rowsText(outcome.datatype, wording));
    if (outcome.download)
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 downloaded"))
            .arg(whatMoves(outcome.datatype, outcome.done, wording));
    if (outcome.datatype == "SYSCLEARDATA")
        return worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "every table erased"));
    if (outcome.total == 0)
        return worded(
            wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "nothing sent: the page holds no %1"))
            .arg(rowsText(outcome.datatype, wording));
    QString text = verbOf(outcome.command, wording).arg(whatMoves(outcome.datatype, outcome.total, wording));
    if (!outcome.parts.isEmpty()) {
        // "PLUs changed: 1 deleted, 3 updated, 2 added"
        QStringList parts;
        for (const auto& part : outcome.parts)
            parts << verbOf(part.first, wording).arg(groupedNumber(part.second));
        text = worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 changed: %2"))
                   .arg(rowsText(outcome.datatype, wording), parts.join(listSeparator(wording == Wording::English)));
    }
    if (outcome.verified == 1)
        text = worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "%1 and verified")).arg(text);
    else if (outcome.verified == 0)
        text += clauseSeparator(wording == Wording::English) + outcome.verifyNoteIn(wording);
    else if (outcome.retried > 0)
        // A reply that came after its time-out answers the earlier write: the register may have
        // taken a row twice, and the replies after it answer the rows before them.
        text += worded(wording, "TransferOutcome",
            QT_TRANSLATE_NOOP("TransferOutcome",
                "; the register answered late and rows were sent again: download from it to see what it holds"));
    else if (outcome.outOfStep)
        text += worded(wording, "TransferOutcome",
            QT_TRANSLATE_NOOP("TransferOutcome",
                "; the register answered more often than it was asked: download from it to see what it holds"));
    return text;
}

} // namespace

QString TransferOutcome::sentence(Wording wording) const
{
    const auto worded = [wording](const char* source) { return ::worded(wording, "TransferOutcome", source); };
    const QString row = failedRowIn(wording);
    const QString code = QString::fromLatin1(translation::hexSpaced(word));
    QString text;
    switch (result) {
    case Done:
        text = doneSentence(*this, wording);
        break;
    case Refused:
        text = download
            ? worded(QT_TRANSLATE_NOOP("TransferOutcome", "the register refused the request (code %1)")).arg(code)
            : worded(QT_TRANSLATE_NOOP("TransferOutcome", "the register refused %1 (code %2)%3"))
                  .arg(row, code, rowsDone(*this, wording));
        break;
    case NoAnswer:
        if (download)
            text = worded(QT_TRANSLATE_NOOP("TransferOutcome", "no answer from the register%1 (%2)"))
                       .arg(rowsDone(*this, wording), seconds(waitedMs, wording));
        else
            text = worded(attempts == 1
                    ? QT_TRANSLATE_NOOP("TransferOutcome", "no answer from the register to %1%2 (%3 attempt, %4)")
                    : QT_TRANSLATE_NOOP("TransferOutcome", "no answer from the register to %1%2 (%3 attempts, %4)"))
                       .arg(row, rowsDone(*this, wording))
                       .arg(attempts)
                       .arg(seconds(waitedMs, wording));
        break;
    case BadFrame:
        text = worded(QT_TRANSLATE_NOOP("TransferOutcome", "the register sent a bad frame (%1)%2"))
                   .arg(QString::fromLatin1(word), rowsDone(*this, wording));
        break;
    case Cancelled:
        if (download)
            text = worded(QT_TRANSLATE_NOOP("TransferOutcome",
                              "cancelled by the operator after %1; the rows received were discarded"))
                       .arg(whatMoves(datatype, done, wording));
        else
            text = worded(inFlight ? QT_TRANSLATE_NOOP("TransferOutcome",
                              "cancelled by the operator after %1 of %2 rows; the register keeps what it "
                              "received (%3, perhaps with the row on its way)")
                                   : QT_TRANSLATE_NOOP("TransferOutcome",
                                       "cancelled by the operator after %1 of %2 rows; the register keeps what it "
                                       "received (%3)"))
                       .arg(groupedNumber(done), groupedNumber(total),
                           done == 0 ? worded(QT_TRANSLATE_NOOP("TransferOutcome", "nothing"))
                                     : whatMoves(datatype, done, wording));
        break;
    case Closed:
        text = worded(!download && done < total
                ? QT_TRANSLATE_NOOP("TransferOutcome", "the link ended%1; the register keeps what it received")
                : QT_TRANSLATE_NOOP("TransferOutcome", "the link ended%1"))
                   .arg(rowsDone(*this, wording));
        break;
    }
    if (baselineLost)
        text += worded(QT_TRANSLATE_NOOP("TransferOutcome",
            "; what the register now holds could not be noted in the set: download from it before comparing"));
    return peer.isEmpty() ? text : wordedPeer(wording, peer) + QStringLiteral(": ") + text;
}

QString TransferOutcome::failedRowIn(Wording wording) const
{
    return wording == Wording::English && !failedRowEnglish.isEmpty() ? failedRowEnglish : failedRow;
}

QString TransferOutcome::verifyNoteIn(Wording wording) const
{
    return wording == Wording::English && !verifyNoteEnglish.isEmpty() ? verifyNoteEnglish : verifyNote;
}

QString rowLabel(const QByteArray& datatype, const QList<QVariant>& row, Wording wording)
{
    const Category* category = categoryByType(datatype);
    const QString name = category ? worded(wording, "Category", category->rowName)
                                  : worded(wording, "Category", QT_TRANSLATE_NOOP("Category", "row"));
    const QString code = row.value(0).toString().trimmed();
    return code.isEmpty() ? name : name + QLatin1Char(' ') + code;
}

QString registersPhrase(const QStringList& registers)
{
    QStringList shown;
    for (const QString& name : registers.mid(0, kListedRegisters))
        shown << wordedPeer(Wording::Shown, name);
    if (registers.size() > kListedRegisters)
        shown << QCoreApplication::translate("TransferOutcome", "%1 more")
                     .arg(groupedNumber(registers.size() - kListedRegisters));
    const QString list = shown.join(listSeparator());
    if (registers.isEmpty())
        return QCoreApplication::translate("TransferOutcome", "the register(s)");
    if (registers.size() == 1)
        return QCoreApplication::translate("TransferOutcome", "the connected register (%1)").arg(list);
    return QCoreApplication::translate("TransferOutcome", "the %1 connected registers (%2)")
        .arg(registers.size())
        .arg(list);
}

QString irreversibleQuestion(const SendRequest& request, const QStringList& registers)
{
    if (request.datatype == "SYSCLEARDATA")
        return QCoreApplication::translate("TransferOutcome", "Erase every table of %1? This cannot be undone.")
            .arg(registersPhrase(registers));
    if (request.datatype != "PLUDATA" || request.command != CommandDelete)
        return QString();
    const QString where = registers.size() > 1
        ? QCoreApplication::translate("TransferOutcome", "%1 connected registers").arg(registers.size())
        : registersPhrase(registers);
    return QCoreApplication::translate("TransferOutcome", "Delete %1 from %2?").arg(pluPhrase(request.table), where);
}

QString pluPhrase(const ItemTable& table)
{
    // A PLU selected in several cells goes once per cell, but it is one PLU to the operator.
    QStringList plus;
    QSet<QString> seen;
    for (const ItemRow& row : table) {
        const QString name
            = QStringLiteral("%1 %2").arg(row.value(0).toString(), row.value(1).toString().trimmed()).trimmed();
        if (!seen.contains(name)) {
            seen.insert(name);
            plus << name;
        }
    }
    QStringList names = plus.mid(0, kListedRows);
    if (plus.size() > kListedRows)
        names
            << QCoreApplication::translate("TransferOutcome", "%1 more").arg(groupedNumber(plus.size() - kListedRows));
    //: %1 "2 PLUs", %2 their codes and names
    return QCoreApplication::translate("TransferOutcome", "%1 (%2)")
        .arg(countText(CategoryPlu, int(plus.size())), names.join(listSeparator()));
}
