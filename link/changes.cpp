#include "link/changes.h"

#include "base/punctuation.h"
#include "link/linklog.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "storage/baselinestore.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

// A baseline kept by key (PLUs by item code): records are set, added and removed by key.
class KeyedBaseline {
public:
    KeyedBaseline(const RecordCodec& codec, const QList<QByteArray>& records)
        : m_codec(codec)
        , m_records(records)
    {
        m_at.reserve(records.size());
        for (int i = 0; i < m_records.size(); ++i)
            m_at.insert(key(m_records.at(i)), i);
    }

    void apply(quint8 command, const QByteArray& record)
    {
        const QByteArray k = key(record);
        const auto at = m_at.constFind(k);
        if (command == CommandDelete) {
            if (at != m_at.constEnd()) {
                m_records[at.value()].clear(); // dropped by records()
                m_at.remove(k);
            }
        } else if (at != m_at.constEnd()) {
            m_records[at.value()] = keptBytes(m_codec, record);
        } else {
            m_at.insert(k, int(m_records.size()));
            m_records.append(keptBytes(m_codec, record));
        }
    }

    QList<QByteArray> records() const
    {
        QList<QByteArray> kept;
        kept.reserve(m_records.size());
        for (const QByteArray& record : m_records)
            if (!record.isEmpty())
                kept.append(record);
        return kept;
    }

private:
    QByteArray key(const QByteArray& record) const { return m_codec.recordKey(keptBytes(m_codec, record)); }

    const RecordCodec& m_codec;
    QList<QByteArray> m_records;
    QHash<QByteArray, int> m_at;
};

} // namespace

QString linkPeer(const QString& link) { return link.section(QLatin1Char(':'), 1); }

QString plannedDeletesQuestion(const QList<RegisterPlan>& plans)
{
    QList<QPair<QString, ItemTable>> deletes; // by register
    for (const RegisterPlan& plan : plans)
        for (const SendPart& part : plan.request.parts)
            if (part.command == CommandDelete && !part.table.isEmpty())
                deletes.append({ linkPeer(plan.link), part.table });
    if (deletes.isEmpty())
        return QString();
    // By link, not by the order the registers happened to connect in: the same question each time.
    std::sort(deletes.begin(), deletes.end(),
        [](const QPair<QString, ItemTable>& a, const QPair<QString, ItemTable>& b) { return a.first < b.first; });
    const bool alike = std::all_of(deletes.cbegin(), deletes.cend(),
        [&deletes](const QPair<QString, ItemTable>& one) { return one.second == deletes.first().second; });
    if (alike) {
        SendRequest request;
        request.datatype = "PLUDATA";
        request.command = CommandDelete;
        request.table = deletes.first().second;
        QStringList peers;
        for (const auto& [peer, table] : std::as_const(deletes))
            peers << peer;
        return irreversibleQuestion(request, peers);
    }
    QStringList each;
    for (const auto& [peer, table] : std::as_const(deletes))
        each << QStringLiteral("%1: %2").arg(wordedPeer(Wording::Shown, peer), pluPhrase(table));
    //: %1 how many registers, %2 for each register what it loses ("127.0.0.1: 1 PLU (1001 TEA)")
    return QCoreApplication::translate("TransferOutcome", "Delete from %1 connected registers: %2?")
        .arg(deletes.size())
        .arg(each.join(clauseSeparator()));
}

void keepDeleted(QHash<QString, SendRequest>* requests)
{
    for (auto it = requests->begin(); it != requests->end();) {
        QList<SendPart>& parts = it->parts;
        parts.erase(std::remove_if(
                        parts.begin(), parts.end(), [](const SendPart& part) { return part.command == CommandDelete; }),
            parts.end());
        it = it->parts.isEmpty() && it->table.isEmpty() ? requests->erase(it) : std::next(it);
    }
}

QString RegisterPlan::sentence(bool sending) const
{
    // A register the operator named is called by its name, with its address.
    const QString name = BaselineStore::name(link);
    const QString peer = wordedPeer(
        Wording::Shown, name.isEmpty() ? linkPeer(link) : QStringLiteral("%1 (%2)").arg(name, linkPeer(link)));
    if (sharing > 1)
        //: %1 how many registers, %2 the address they share
        return QCoreApplication::translate("RegisterPlan",
            "%1 registers connect as %2: a send of changes cannot tell them apart, so none is sent; install the "
            "whole table, or give each register an address of its own")
            .arg(sharing)
            .arg(peer);
    if (!hasBaseline)
        return QCoreApplication::translate(
            "RegisterPlan", "%1: no baseline yet: download to compare, or install the whole table")
            .arg(peer);
    if (diff.isEmpty())
        return (sending ? QCoreApplication::translate("RegisterPlan", "%1 unchanged on %2: not sent")
                        : QCoreApplication::translate("RegisterPlan", "%1 unchanged on %2"))
            .arg(rowsText(diff.datatype), peer);
    if (emptyTable && sending)
        //: %1 the register, %2 how its table differs ("2 deleted"), %3 the rows ("departments")
        return QCoreApplication::translate("RegisterPlan",
            "%1: %2; not sent: the page holds no %3, and a send of no rows changes nothing (ClearData empties a "
            "register)")
            .arg(peer, diff.summary(), rowsText(diff.datatype));
    return QStringLiteral("%1: %2").arg(peer, diff.summary());
}

QList<QByteArray> storedRecords(int category, const ItemTable& rows, const QList<QByteArray>& records)
{
    const RecordCodec* codec = codecForCategory(category);
    QList<QByteArray> stored;
    if (!codec)
        return stored;
    stored.reserve(rows.size());
    QByteArray encoded;
    for (int i = 0; i < rows.size(); ++i) {
        const QByteArray kept = records.value(i);
        if (!kept.isEmpty()) {
            stored.append(keptBytes(*codec, kept));
            continue;
        }
        encoded.clear();
        codec->encodeRow(rows.at(i), &encoded);
        stored.append(keptBytes(*codec, encoded));
    }
    return stored;
}

QList<RegisterPlan> planChanges(
    int category, const ItemTable& rows, const QList<QByteArray>& records, const QStringList& links)
{
    QList<RegisterPlan> plans;
    const RecordCodec* codec = codecForCategory(category);
    if (!codec)
        return plans;
    const QList<QByteArray> current = storedRecords(category, rows, records);
    QStringList distinct;
    for (const QString& link : links)
        if (!distinct.contains(link))
            distinct << link;
    for (const QString& link : std::as_const(distinct)) {
        RegisterPlan plan;
        plan.link = link;
        plan.sharing = int(links.count(link));
        QList<QByteArray> baseline;
        plan.hasBaseline = BaselineStore::load(link, category, &baseline);
        if (!plan.hasBaseline) {
            plans.append(plan);
            continue;
        }
        plan.diff = diffRecords(*codec, baseline, current);
        if (!plan.diff.isEmpty() && plan.sharing == 1) {
            if (!plan.diff.byKey) {
                // A whole table of no rows sends no frame: the register would keep its rows.
                plan.emptyTable = rows.isEmpty();
                if (!plan.emptyTable)
                    plan.request = installRequest(category, rows, records);
            } else {
                plan.request.datatype = codec->category().typeName;
                plan.request.command = CommandUpdate;
                plan.request.hasTable = true;
                SendPart removed { CommandDelete, {}, {} }, changed { CommandUpdate, {}, {} }, added { CommandAdd, {}, {} };
                for (const RecordChange& change : plan.diff.changes) {
                    if (change.kind == RecordChange::Deleted) {
                        // A deleted PLU needs only its code: it goes as the register holds it.
                        ItemRow row;
                        codec->readRecord(change.before, &row);
                        removed.table.append(row);
                        removed.records.append(change.before);
                        continue;
                    }
                    SendPart& part = change.kind == RecordChange::Changed ? changed : added;
                    part.table.append(rows.at(change.row));
                    part.records.append(records.value(change.row));
                }
                for (const SendPart& part : { removed, changed, added })
                    if (!part.table.isEmpty())
                        plan.request.parts.append(part);
            }
        }
        plans.append(plan);
    }
    return plans;
}

bool recordSend(const SendRequest& request, const TransferOutcome& outcome)
{
    if (outcome.link.isEmpty())
        return true;
    if (request.datatype == "SYSCLEARDATA") {
        // Every table of the register is empty now (clear data has no category of its own).
        bool kept = true;
        if (outcome.result == TransferOutcome::Done)
            for (const Category* entry = categoriesBegin(); entry != categoriesEnd(); ++entry)
                if (entry->codec && entry->number != CategorySysParm)
                    kept = BaselineStore::store(outcome.link, entry->number, {}) && kept;
        return kept;
    }
    const Category* category = categoryByType(request.datatype);
    if (!category)
        return true;
    const RecordCodec* codec = category->codec ? category->codec() : nullptr;
    if (!codec || category->number == CategorySysParm || !request.hasTable)
        return true;
    // A table of no rows sends no frame: the register keeps what it held.
    if (request.parts.isEmpty() && request.table.isEmpty())
        return true;

    // Rows written again after a time-out may have been taken twice, and after a late or extra
    // reply the replies answer the rows before: what the register holds is not known any more.
    if (outcome.uncertain())
        return BaselineStore::drop(outcome.link, category->number);
    // The sends of the request in order, with the rows the register acknowledged.
    QList<SendPart> parts = request.parts;
    if (parts.isEmpty())
        parts.append({ request.command, request.table, request.records });
    const bool keyed = keptByKey(*codec);
    QList<QByteArray> baseline;
    const bool known = BaselineStore::load(outcome.link, category->number, &baseline);
    const bool whole = request.parts.isEmpty() && request.command == CommandInstall;
    if (whole && !keyed) {
        // A table kept by position starts anew on the register with the first frame of a send:
        // it holds exactly the rows acknowledged, whatever it held before.
        const QList<QByteArray> sent = storedRecords(category->number, request.table, request.records);
        return BaselineStore::store(outcome.link, category->number,
            outcome.result == TransferOutcome::Done ? sent : sent.mid(0, qBound(0, outcome.done, int(sent.size()))));
    }
    // PLUs go with the add code: the register keeps the PLUs a whole install did not name, and
    // they stay in a known baseline (a send of changes then deletes them). Without one, what
    // was sent is all that is known.
    if (whole && !known && outcome.result == TransferOutcome::Done)
        return BaselineStore::store(
            outcome.link, category->number, storedRecords(category->number, request.table, request.records));
    // What is not known cannot be patched: a register without a baseline keeps none.
    if (!known)
        return true;
    int left = outcome.done;
    bool unsure = outcome.inFlight && outcome.result != TransferOutcome::Done;
    KeyedBaseline byKey(*codec, keyed ? baseline : QList<QByteArray>());
    for (const SendPart& part : parts) {
        const QList<QByteArray> sent = storedRecords(category->number, part.table, part.records);
        for (int i = 0; i < sent.size(); ++i, --left) {
            if (left == 0) {
                // The row on its way when the send stopped may or may not have been taken. A PLU
                // sent to be added or changed is forgotten, so that the next send of changes
                // adds it again; one sent to be deleted is still believed there.
                if (unsure && keyed && part.command != CommandDelete)
                    byKey.apply(CommandDelete, sent.at(i));
                unsure = false;
                break;
            }
            if (keyed)
                byKey.apply(part.command, sent.at(i));
            else if (i < baseline.size())
                baseline[i] = sent.at(i);
            else
                baseline.append(sent.at(i));
        }
    }
    if (keyed)
        baseline = byKey.records();
    qCDebug(lcLink) << "baseline of" << outcome.link << rowsText(request.datatype) << "now" << baseline.size();
    return BaselineStore::store(outcome.link, category->number, baseline);
}

bool recordDownload(const QString& link, const QByteArray& datatype, const QList<QByteArray>& received)
{
    const Category* category = categoryByType(datatype);
    if (link.isEmpty() || !category || !category->codec || category->number == CategorySysParm)
        return true;
    return BaselineStore::store(link, category->number, received);
}

bool recordReadBack(const VerifyReport& report)
{
    const Category* category = categoryByType(report.datatype);
    if (!report.read || report.link.isEmpty() || !category)
        return true;
    return BaselineStore::store(report.link, category->number, report.readBack);
}

void BaselineKeeper::sending(const SendRequest& request)
{
    clear();
    m_sent.insert(QString(), request);
}

void BaselineKeeper::sending(const QHash<QString, SendRequest>& requests)
{
    clear();
    m_sent = requests;
}

bool BaselineKeeper::involves(const QString& link) const
{
    return m_sent.isEmpty() || toEvery() || m_sent.contains(link);
}

void BaselineKeeper::readBack(const VerifyReport& report)
{
    if (!report.read)
        return;
    if (!recordReadBack(report))
        m_unkept.insert(report.link);
    m_readBack.insert(report.link);
}

bool BaselineKeeper::ended(const TransferOutcome& outcome)
{
    if (outcome.download || m_readBack.contains(outcome.link))
        return !m_unkept.contains(outcome.link);
    const auto sent = m_sent.constFind(m_sent.contains(outcome.link) ? outcome.link : QString());
    return sent == m_sent.constEnd() || recordSend(sent.value(), outcome);
}

void BaselineKeeper::clear()
{
    m_sent.clear();
    m_readBack.clear();
    m_unkept.clear();
}
