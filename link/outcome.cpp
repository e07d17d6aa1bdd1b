#include "link/outcome.h"

#include "link/sendrequest.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/translation.h"

#include <QLocale>

namespace {

// PLUs a question lists by code and name; the rest are counted.
constexpr int kListedRows = 5;
// Registers a phrase lists by name.
constexpr int kListedRegisters = 4;

// Counts read as countText() writes them ("10,000").
QString number(qint64 value) { return QLocale(QLocale::English).toString(value); }

QString seconds(qint64 ms) { return QStringLiteral("%1 s").arg(number((ms + 500) / 1000)); }

// "20 PLUs", "the system parameters", "the logo": what a send of `total` rows of `datatype` moves.
QString whatMoves(const QByteArray& datatype, int total)
{
    if (datatype == "SYSPARMDATA")
        return QStringLiteral("the system parameters");
    if (datatype == "GRAPHICDATA")
        return QStringLiteral("the logo");
    const Category* category = categoryByType(datatype);
    return category ? countText(category->number, total) : QStringLiteral("%1 rows").arg(total);
}

QString rowsDone(const TransferOutcome& outcome)
{
    if (outcome.download)
        return outcome.done == 0 ? QString() : QStringLiteral(" after %1").arg(whatMoves(outcome.datatype, outcome.done));
    // A part of the logo names its place itself.
    if (outcome.total <= 1 || outcome.datatype == "GRAPHICDATA")
        return QString();
    if (outcome.done == 0)
        return QStringLiteral(", the first of %1 rows").arg(number(outcome.total));
    return QStringLiteral(" after %1 of %2 rows").arg(number(outcome.done), number(outcome.total));
}

// What a send under `command` did to its rows.
QLatin1String verbOf(quint8 command)
{
    switch (command) {
    case CommandAdd:
        return QLatin1String("added");
    case CommandUpdate:
        return QLatin1String("updated");
    case CommandDelete:
        return QLatin1String("deleted");
    default:
        return QLatin1String("installed");
    }
}

QString doneSentence(const TransferOutcome& outcome)
{
    if (outcome.download && outcome.done == 0)
        return QStringLiteral("the register holds no %1").arg(rowsText(outcome.datatype));
    if (outcome.download)
        return QStringLiteral("%1 downloaded").arg(whatMoves(outcome.datatype, outcome.done));
    if (outcome.datatype == "SYSCLEARDATA")
        return QStringLiteral("every table erased");
    if (outcome.total == 0)
        return QStringLiteral("nothing sent: the page holds no %1").arg(rowsText(outcome.datatype));
    QString text = whatMoves(outcome.datatype, outcome.total) + QLatin1Char(' ') + verbOf(outcome.command);
    if (!outcome.parts.isEmpty()) {
        // "PLUs changed: 1 deleted, 3 updated, 2 added"
        QStringList parts;
        for (const auto& part : outcome.parts)
            parts << number(part.second) + QLatin1Char(' ') + verbOf(part.first);
        text = QStringLiteral("%1 changed: %2").arg(rowsText(outcome.datatype), parts.join(QStringLiteral(", ")));
    }
    if (outcome.verified == 1)
        text += QStringLiteral(" and verified");
    else if (outcome.verified == 0)
        text += QStringLiteral("; ") + outcome.verifyNote;
    return text;
}

} // namespace

QString TransferOutcome::sentence() const
{
    QString text;
    switch (result) {
    case Done:
        text = doneSentence(*this);
        break;
    case Refused:
        text = download ? QStringLiteral("the register refused the request (code %1)").arg(QString::fromLatin1(translation::hexSpaced(word)))
                        : QStringLiteral("the register refused %1 (code %2)%3")
                              .arg(failedRow, QString::fromLatin1(translation::hexSpaced(word)), rowsDone(*this));
        break;
    case NoAnswer:
        if (download)
            text = QStringLiteral("no answer from the register%1 (%2)").arg(rowsDone(*this), seconds(waitedMs));
        else
            text = QStringLiteral("no answer from the register to %1%2 (%3 attempt%4, %5)")
                       .arg(failedRow, rowsDone(*this))
                       .arg(attempts)
                       .arg(attempts == 1 ? QString() : QStringLiteral("s"), seconds(waitedMs));
        break;
    case BadFrame:
        text = QStringLiteral("the register sent a bad frame (%1)%2").arg(QString::fromLatin1(word), rowsDone(*this));
        break;
    case Cancelled:
        if (download)
            text = QStringLiteral("cancelled by the operator after %1; the rows received were discarded")
                       .arg(whatMoves(datatype, done));
        else
            text = QStringLiteral("cancelled by the operator after %1 of %2 rows; the register keeps what it received "
                                  "(%3)")
                       .arg(number(done), number(total),
                           done == 0 ? QStringLiteral("nothing") : whatMoves(datatype, done));
        break;
    case Closed:
        text = QStringLiteral("the link ended%1").arg(rowsDone(*this));
        if (!download && done < total)
            text += QStringLiteral("; the register keeps what it received");
        break;
    }
    return peer.isEmpty() ? text : peer + QStringLiteral(": ") + text;
}

QString rowLabel(const QByteArray& datatype, const QList<QVariant>& row)
{
    const Category* category = categoryByType(datatype);
    const QString name = category ? QLatin1String(category->rowName) : QStringLiteral("row");
    const QString code = row.value(0).toString().trimmed();
    return code.isEmpty() ? name : name + QLatin1Char(' ') + code;
}

QString registersPhrase(const QStringList& registers)
{
    QStringList shown = registers.mid(0, kListedRegisters);
    if (registers.size() > kListedRegisters)
        shown << QStringLiteral("%1 more").arg(number(registers.size() - kListedRegisters));
    const QString list = shown.join(QStringLiteral(", "));
    if (registers.isEmpty())
        return QStringLiteral("the register(s)");
    if (registers.size() == 1)
        return QStringLiteral("the connected register (%1)").arg(list);
    return QStringLiteral("the %1 connected registers (%2)").arg(registers.size()).arg(list);
}

QString irreversibleQuestion(const SendRequest& request, const QStringList& registers)
{
    if (request.datatype == "SYSCLEARDATA")
        return QStringLiteral("Erase every table of %1? This cannot be undone.").arg(registersPhrase(registers));
    if (request.datatype != "PLUDATA" || request.command != CommandDelete)
        return QString();
    QStringList names;
    for (int i = 0; i < request.table.size() && i < kListedRows; ++i) {
        const ItemRow& row = request.table.at(i);
        names << QStringLiteral("%1 %2").arg(row.value(0).toString(), row.value(1).toString().trimmed()).trimmed();
    }
    if (request.table.size() > kListedRows)
        names << QStringLiteral("%1 more").arg(number(request.table.size() - kListedRows));
    const QString where = registers.size() > 1 ? QStringLiteral("%1 connected registers").arg(registers.size())
                                               : registersPhrase(registers);
    return QStringLiteral("Delete %1 (%2) from %3?")
        .arg(countText(CategoryPlu, int(request.table.size())), names.join(QStringLiteral(", ")), where);
}
