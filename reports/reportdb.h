#pragma once

#include "reports/reportbuffer.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// The X and Z report rows in their own SQLite file, one table per report kind and clerk or zone.
// The program keeps one instance (see instance()). All calls come from the thread that created it.
class reportDb : public QObject {
    Q_OBJECT
public:
    // Results of storeReport().
    enum StoreResult {
        ReportStored = 0, // every entry of the buffer is stored
        ReportMalformed = 1, // decoding stopped at a fault; the complete entries before it are stored
        ReportNotStored = -1, // the database failed; none of the buffer's entries is stored
    };

    // Opens the store at `fileName` (on the connection "my_sql_connection", which it shares with
    // any existing connection of that name) and creates the missing tables.
    explicit reportDb(const QString& fileName = defaultFileName(), QObject* parent = nullptr);
    ~reportDb() override;

    // The single instance, created and opened on the first call.
    static reportDb* instance();
    // Chooses the file of the single instance; false (and nothing changes) once it exists.
    static bool setInstanceFileName(const QString& fileName);
    // "./XZReport.db", or "XZReport.db" in the data folder for an installed program.
    static QString defaultFileName();

    QString fileName() const { return m_fileName; }

    // Decodes a report buffer and stores all its entries in one transaction (a savepoint when the
    // caller holds a transaction bracket open). Returns a StoreResult.
    int storeReport(const QByteArray& buffer);
    // Inserts `row` into the table that the selector names, or updates the row of the same
    // (Name, XZNo, Code). 1 when stored, 0 when the selector names no table, -1 when the
    // database failed.
    int storeRow(const QString& kind, int nIdx, int nType, ReportRow row);
    bool insertRow(const QString& table, const ReportRow& row);
    bool updateRow(const QString& table, const ReportRow& row);
    // Creates `table` unless it exists; always 1.
    int ensureTable(const QString& table);
    // Reads the rows of report table `table` that carry `xzNo`, in stored order. False for an
    // unknown table or a failed statement.
    bool readRows(const QString& table, qint32 xzNo, QList<ReportRow>* out);
    // Every row of report table `table`, in stored order.
    bool readRows(const QString& table, QList<ReportRow>* out);

    // The fifteen columns of every report table, in table order, and a row's values as texts
    // in that order (the name in the display language's code page, amounts in their shortest
    // exact form).
    static const QStringList& columnNames();
    static QStringList rowTexts(const ReportRow& row);

    // The transaction bracket: begin only when none is open, commit or roll back only when one is.
    bool beginTransaction();
    bool commitTransaction();
    bool rollbackTransaction();
    bool inTransaction() const { return m_inTransaction; }

private:
    void openStore();
    void createTables();
    bool exec(const QString& statement);
    bool readRows(const QString& table, const qint32* xzNo, QList<ReportRow>* out);

    QSqlDatabase m_db;
    QString m_fileName;
    QSqlQuery m_query;
    bool m_inTransaction = false;
    bool m_ownsConnection = false;
};
