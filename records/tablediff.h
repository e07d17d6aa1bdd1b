#pragma once

#include "records/recordcodec.h"
#include "records/verify.h"
#include "records/wording.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How a table differs from what a register holds of it, record by record, as the database
// keeps records. PLUs are found by their item code (the register keeps them by code); the
// other categories travel as whole tables and are compared row by row in order.
struct RecordChange {
    enum Kind : quint8 { Added, Changed, Deleted };
    Kind kind = Added;
    int row = -1; // in the current table (-1 for a deleted one)
    QString label; // the item code and name ("1003 TEA"), or "row 3"
    QByteArray before; // the record the register holds (Changed, Deleted)
    QByteArray after; // the record of the table (Added, Changed)
    // For Changed: each field as the grid shows it; `held` is the register's value, `sent`
    // the table's.
    QList<FieldDifference> fields;

    // "1003 TEA: Price 4.25 → 4.50", "1005 MILK: new", "1002 COFFEE: deleted". `secrets`
    // Hidden: a password or key reads "Passwd changed", for texts that outlive the operator's
    // screen (the journal).
    enum Secrets : quint8 { Shown, Hidden };
    QString describe(Wording wording = Wording::Shown, Secrets secrets = Shown) const;
};

struct TableDiff {
    QByteArray datatype;
    bool byKey = false; // PLUs: by item code; else by position
    QList<RecordChange> changes;

    bool isEmpty() const { return changes.isEmpty(); }
    int count(RecordChange::Kind kind) const;
    // "2 new, 3 changed, 1 deleted", or "unchanged".
    QString summary(Wording wording = Wording::Shown) const;
};

// Whether the register finds the records of `codec`'s category by a key (PLUs by item code)
// rather than by their place in the table.
bool keptByKey(const RecordCodec& codec);

// The difference of `current` (the records the table would send, in its order) from
// `baseline` (what the register holds). A code that comes twice in `current` counts once,
// as its last row (the register keeps the last record sent under a code).
TableDiff diffRecords(const RecordCodec& codec, const QList<QByteArray>& baseline, const QList<QByteArray>& current);
