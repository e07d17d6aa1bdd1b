#include "reports/reportbuffer.h"

#include "base/language.h"
#include "reports/reportslog.h"

#include <QtEndian>

#include <cstring>

Q_LOGGING_CATEGORY(lcReports, "tallvane.reports", QtInfoMsg)

namespace {

constexpr int kPluKind = 7;
constexpr int kMaxNameLength = 32;
constexpr int kClerkCount = 5;
constexpr int kZoneCount = 12;

qint32 int32At(const char* bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes + offset);
}

qint64 int64At(const char* bytes, int offset)
{
    return qFromLittleEndian<qint64>(bytes + offset);
}

double doubleAt(const char* bytes, int offset)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes + offset);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool hasClerkTables(int kind)
{
    return kind == 0 || (kind >= 2 && kind <= 5);
}

void traceRow(const ReportRow& row)
{
    qCDebug(lcReports).noquote() << "data.Name = " << fromLocal8(row.name());
    qCDebug(lcReports).noquote() << "data.Code = " << row.Code;
    qCDebug(lcReports).noquote().nospace()
        << "data.Cc = " << row.Cc << ", data.Qty = " << row.Qty << ", data.SaleAmt = " << row.SaleAmt
        << ", data.RetAmt = " << row.RetAmt << ", data.DiscAmt = " << row.DiscAmt << ", data.CostAmt = " << row.CostAmt;
    qCDebug(lcReports).noquote() << QString::asprintf("------------->data.ID = %d, data.XZNo = %04x", row.ID, row.XZNo);
}

// Ends the decoding at a fault of the buffer; the entries decoded so far stay.
ReportBuffer stopped(ReportBuffer report, const QString& why)
{
    qCDebug(lcReports).noquote()
        << QStringLiteral("report buffer: %1; %2 complete entries kept").arg(why).arg(report.entries.size());
    report.complete = false;
    return report;
}

} // namespace

ReportRow ReportRow::fromWire(const char* bytes)
{
    ReportRow row;
    row.ID = int32At(bytes, 0);
    std::memcpy(row.Name, bytes + 4, kNameSize);
    row.Code = int64At(bytes, 72);
    row.Cc = doubleAt(bytes, 80);
    row.Qty = doubleAt(bytes, 88);
    row.SaleAmt = doubleAt(bytes, 96);
    row.RetAmt = doubleAt(bytes, 104);
    row.DiscAmt = doubleAt(bytes, 112);
    row.CostAmt = doubleAt(bytes, 120);
    row.TaxAmt = doubleAt(bytes, 128);
    row.NetAmt = doubleAt(bytes, 136);
    row.XZNo = int32At(bytes, 144);
    row.RcFr = int32At(bytes, 148);
    row.RcTo = int32At(bytes, 152);
    row.XZTime = int64At(bytes, 160);
    return row;
}

QByteArray ReportRow::name() const
{
    return QByteArray(Name, int(qstrnlen(Name, kNameSize)));
}

void ReportRow::setName(const QByteArray& name)
{
    std::memset(Name, 0, kNameSize);
    std::memcpy(Name, name.constData(), qMin(int(name.size()), kNameSize));
}

const QStringList& reportKindNames()
{
    static const QStringList names { "grandtotal", "department", "tender", "drawer", "correction", "discount", "tax",
        "plu" };
    return names;
}

const QStringList& reportTableNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int kind = 0; kind < reportKindNames().size(); ++kind) {
            const QString& name = reportKindNames().at(kind);
            list << QStringLiteral("daily") + name;
            if (hasClerkTables(kind)) {
                for (int clerk = 1; clerk <= kClerkCount; ++clerk)
                    list << QStringLiteral("clerk%1daily%2").arg(clerk).arg(name);
            }
            if (kind == 0) {
                for (int zone = 1; zone <= kZoneCount; ++zone)
                    list << QStringLiteral("zone%1%2").arg(zone).arg(name);
            }
        }
        return list;
    }();
    return names;
}

bool isReportTable(const QString& table)
{
    return reportTableNames().contains(table);
}

QString reportTableName(const QString& kind, int nType, int nIdx)
{
    if (nType & 0x01)
        return QStringLiteral("daily") + kind;
    if (nType & 0x80)
        return QStringLiteral("daily") + kind;
    if (nType & 0x10)
        return QStringLiteral("zone%1%2").arg(nIdx).arg(kind);
    if (nType & 0x20)
        return QStringLiteral("clerk%1daily%2").arg(nIdx).arg(kind);
    return QString();
}

ReportBuffer decodeReportBuffer(const QByteArray& buffer)
{
    ReportBuffer report;
    const char* b = buffer.constData();
    const int n = int(buffer.size());
    if (n < 4)
        return stopped(report, QStringLiteral("%1 bytes hold no kind byte").arg(n));
    const quint8 kindByte = quint8(b[3]);
    if (kindByte == 0)
        return stopped(report, QStringLiteral("kind byte 0 names no report kind"));
    int kind = 7;
    while (!(kindByte & (1 << kind)))
        --kind;
    report.kindName = reportKindNames().at(kind);

    int p = 4;
    if (kind == kPluKind) {
        qCDebug(lcReports) << "---------------->plu";
    } else {
        if (n < 5)
            return stopped(report, QStringLiteral("the report name length is missing"));
        const int nameLength = qint8(b[4]);
        if (nameLength < 0)
            return stopped(report, QStringLiteral("negative report name length %1").arg(nameLength));
        if (nameLength > n - 5)
            return stopped(report, QStringLiteral("report name length %1 runs past the end").arg(nameLength));
        report.reportName = QByteArray(b + 5, qMin(nameLength, kMaxNameLength));
        p = 5 + nameLength;
    }

    while (p < n) {
        if (n - p < 2)
            return stopped(report, QStringLiteral("the last entry is cut short at byte %1").arg(p));
        ReportEntry entry;
        entry.NType = quint8(b[p]);
        entry.NIdx = qint8(b[p + 1]);
        qCDebug(lcReports).noquote() << QString::asprintf("NType = %02x, NIdx = %02x", entry.NType, quint8(entry.NIdx));
        p += 2;
        if (kind == kPluKind) {
            if (p >= n)
                return stopped(report, QStringLiteral("the last entry is cut short at byte %1").arg(p));
            const int nameLength = qint8(b[p]);
            qCDebug(lcReports) << "NameLen = " << nameLength;
            if (nameLength < 0)
                return stopped(report, QStringLiteral("negative entry name length %1").arg(nameLength));
            if (nameLength > n - p - 1)
                return stopped(report, QStringLiteral("entry name length %1 runs past the end").arg(nameLength));
            if (nameLength > 0)
                entry.entryName = QByteArray(b + p + 1, qMin(nameLength, kMaxNameLength));
            else if (entry.NIdx >= 0 && entry.NIdx < reportKindNames().size())
                entry.entryName = reportKindNames().at(entry.NIdx).toLatin1();
            p += 1 + nameLength;
            qCDebug(lcReports).noquote() << "ReportName = " << fromLocal8(entry.entryName);
        }
        if (n - p < ReportRow::kWireSize)
            return stopped(report, QStringLiteral("the last entry is cut short at byte %1").arg(p));
        entry.row = ReportRow::fromWire(b + p);
        p += ReportRow::kWireSize;
        traceRow(entry.row);
        report.entries << entry;
    }
    report.complete = true;
    return report;
}
