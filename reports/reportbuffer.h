#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One row of a report table. In a report buffer it travels as 168 little-endian bytes:
// ID at 0, Name at 4, Code at 72, the eight amounts from 80, XZNo, RcFr and RcTo from 144
// and XZTime at 160; bytes 68-71 and 156-159 are padding.
struct ReportRow {
    static constexpr int kWireSize = 168;
    static constexpr int kNameSize = 64;

    qint32 ID = 0;
    char Name[kNameSize] = {}; // register code page, NUL-terminated unless all 64 bytes are used
    qint64 Code = 0;
    double Cc = 0;
    double Qty = 0;
    double SaleAmt = 0;
    double RetAmt = 0;
    double DiscAmt = 0;
    double CostAmt = 0;
    double TaxAmt = 0;
    double NetAmt = 0;
    qint32 XZNo = 0;
    qint32 RcFr = 0;
    qint32 RcTo = 0;
    qint64 XZTime = 0;

    // Reads the wire form from `bytes`, which must hold kWireSize bytes.
    static ReportRow fromWire(const char* bytes);
    // The name bytes up to the first NUL (all 64 when there is none).
    QByteArray name() const;
    // Sets the name, cut to 64 bytes.
    void setName(const QByteArray& name);
};

// One complete entry of a report buffer.
struct ReportEntry {
    int NType = 0; // table selector bits (the low 8 bits of the byte)
    int NIdx = 0; // clerk or zone number (signed byte)
    QByteArray entryName; // "plu" entries only; used for the trace
    ReportRow row;
};

// A report buffer taken apart.
struct ReportBuffer {
    QString kindName; // empty when the buffer names no report kind
    QByteArray reportName; // not for "plu"; at most 32 bytes
    QList<ReportEntry> entries; // the complete entries, in buffer order
    bool complete = false; // false when decoding stopped at a fault; `entries` holds those before it
};

// The report kinds, indexed by the bit of the kind byte that selects them.
const QStringList& reportKindNames();
// The 45 report tables, in the order they are created.
const QStringList& reportTableNames();
bool isReportTable(const QString& table);
// The table that selector `nType` with number `nIdx` names for kind `kind`, whether or not a table
// of that name exists; empty when the selector names none.
QString reportTableName(const QString& kind, int nType, int nIdx);

// Takes a report buffer from the register apart, tracing every entry. The buffer comes from
// outside: nothing past its end is read, and a fault in it ends the decoding there.
ReportBuffer decodeReportBuffer(const QByteArray& buffer);
