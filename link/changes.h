#pragma once

#include "base/itemtable.h"
#include "link/outcome.h"
#include "link/sendrequest.h"
#include "records/tablediff.h"
#include "records/verify.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Sending only what changed: what a table would change on each register compared with the
// register's baseline (storage/baselinestore.h), the send of those changes, and the baseline
// kept up to date after every transfer. The window and tallvane-cli plan and record alike.

// One register's part of a changes-only send.
struct RegisterPlan {
    QString link; // "tcp:ADDRESS", "serial:PORT"
    bool hasBaseline = false;
    TableDiff diff;
    // What goes to the register; not sendable() when nothing does (no baseline, or no change,
    // or a table sent whole that has no rows: it would send no frame).
    SendRequest request;
    bool emptyTable = false; // a table sent whole differs, but has no rows to send
    // How many connected registers have this link (behind one router, one serial-to-network
    // gateway): one baseline cannot serve two, so none of them gets changes.
    int sharing = 1;

    // "127.0.0.1: 2 new, 3 changed, 1 deleted", "departments unchanged on 127.0.0.1: not
    // sent", "127.0.0.1: no baseline yet: download to compare, or install the whole table".
    // Not `sending` (a comparison only), an unchanged table is "departments unchanged on
    // 127.0.0.1".
    QString sentence(bool sending = true) const;
};

// The records that `rows` of `category` send (the record each keeps, else the row encoded),
// as the database keeps records.
QList<QByteArray> storedRecords(int category, const ItemTable& rows, const QList<QByteArray>& records);

// How the table (`rows`, with the record each keeps) differs on each of `links` (one entry per
// connected register; a link that several have is planned once, and nothing goes to it). PLUs
// go as their deleted codes (payload code 6), changed rows (7) and new rows (5), in that order;
// other categories as the whole table, to the registers whose baseline differs.
QList<RegisterPlan> planChanges(
    int category, const ItemTable& rows, const QList<QByteArray>& records, const QStringList& links);

// `requests` (by link) without the deletes of PLUs they would make: the other changes go, the
// PLUs stay on the registers and in their baselines. A request left with nothing is dropped.
void keepDeleted(QHash<QString, SendRequest>* requests);

// The question asked before `plans` delete PLUs on the registers (as irreversibleQuestion
// asks it; registers that lose different PLUs are named each with its own); empty when the
// plans delete nothing.
QString plannedDeletesQuestion(const QList<RegisterPlan>& plans);

// The peer's name in sentences: the address or port of a link.
QString linkPeer(const QString& link);

// Keeps each register's baseline through the transfers of one request, for the window and
// tallvane-cli alike: what went to which register, and whether the register's table was read
// back afterwards (which is then its baseline, rather than what was sent).
class BaselineKeeper {
public:
    // The request goes to every register, or each register its own (by link).
    void sending(const SendRequest& request);
    void sending(const QHash<QString, SendRequest>& requests);
    // Whether the register of `link` takes part (every register, when nothing was sent yet).
    bool involves(const QString& link) const;
    // Whether the request went to every register alike.
    bool toEvery() const { return m_sent.contains(QString()); }
    // What a register sent back after the send.
    void readBack(const VerifyReport& report);
    // A register's send has ended (downloads are recorded with their rows, recordDownload());
    // false when what it now holds could not be stored in the set.
    bool ended(const TransferOutcome& outcome);
    void clear();

private:
    QHash<QString, SendRequest> m_sent; // the empty key: to every register
    QSet<QString> m_readBack;
    QSet<QString> m_unkept; // read back, but the baseline could not be stored
};

// Keeps the baseline of the register of `outcome.link` after it was sent `request`: the rows
// it acknowledged are applied (a send that ended with an error changes only those), a whole
// table replaces the baseline once it ended. A download that came whole replaces it by
// `received` (the records as kept).
// Each false when the baseline could not be stored (the set cannot be written).
bool recordSend(const SendRequest& request, const TransferOutcome& outcome);
bool recordDownload(const QString& link, const QByteArray& datatype, const QList<QByteArray>& received);
// What the register sent back after a send is what it holds.
bool recordReadBack(const VerifyReport& report);
