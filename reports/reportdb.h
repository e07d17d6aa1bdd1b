#pragma once

#include "reports/reportbuffer.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <optional>

// Which stored rows readRows() gives: those of one report number, of one register, or both.
struct ReportFilter {
    std::optional<qint32> xzNo; // none: every report number
    std::optional<QString> reg; // none: every register; empty: the rows stored without one
};

// A stored row and the register it came from ("tcp:192.168.1.31", "serial:/dev/ttyUSB0", a name
// given by the operator, or empty for rows stored without one).
struct StoredReportRow {
    QString reg;
    ReportRow row;
    QString name; // the Name column as stored (the row's name field holds it in the code page)
};

// The X and Z report rows in a store of their own, one table per report kind and clerk or zone:
// a SQLite file, or a schema on a PostgreSQL server. A row belongs to the register it came from,
// so that the same report of two registers is two rows. The program keeps one instance (see
// instance()). All calls come from the thread that created it.
class reportDb : public QObject {
    Q_OBJECT
public:
    // Results of storeReport().
    enum StoreResult {
        ReportStored = 0, // every entry of the buffer is stored
        ReportMalformed = 1, // decoding stopped at a fault; the complete entries before it are stored
        ReportNotStored = -1, // the database failed; none of the buffer's entries is stored
    };

    // Opens the store at `location`, a file path or a server URL (see SetLocation; its set names
    // the schema, created when missing), on the connection "my_sql_connection", which it shares
    // with any existing connection of that name, and creates the missing tables. Tables of an
    // older store gain the Register column, their rows an empty register.
    explicit reportDb(const QString& location = defaultFileName(), QObject* parent = nullptr);
    ~reportDb() override;

    // The single instance, created and opened on the first call.
    static reportDb* instance();
    // Chooses the location of the single instance; false (and nothing changes) once it exists.
    static bool setInstanceLocation(const QString& location);
    // "./XZReport.db", or "XZReport.db" in the data folder for an installed program.
    static QString defaultFileName();

    QString location() const { return m_location; }
    bool isServer() const { return m_server; }
    // Why the store could not be opened; empty when it is open.
    QString openError() const { return m_openError; }
    // Why the last storeReport() stored nothing, as the database said it; empty when it stored.
    QString lastFailure() const { return m_failure; }

    // Decodes a report buffer and stores all its entries, as rows of register `reg`, in one
    // transaction (a savepoint when the caller holds a transaction bracket open). Returns a
    // StoreResult. `skipped`, when given, counts the entries whose selector names no table.
    int storeReport(const QByteArray& buffer, const QString& reg = QString(), int* skipped = nullptr);
    // Inserts `row` into the table that the selector names, or updates the row of the same
    // (Register, Name, XZNo, Code). 1 when stored, 0 when the selector names no table, -1 when
    // the database failed.
    int storeRow(const QString& kind, int nIdx, int nType, ReportRow row, const QString& reg = QString());
    bool insertRow(const QString& table, const ReportRow& row, const QString& reg = QString());
    bool updateRow(const QString& table, const ReportRow& row, const QString& reg = QString());
    // Creates `table` unless it exists, and gives it the Register column when it lacks one; always 1.
    int ensureTable(const QString& table);
    // The rows of report table `table` that `filter` lets through, in stored order. False for an
    // unknown table or a failed statement.
    bool readRows(const QString& table, const ReportFilter& filter, QList<StoredReportRow>* out);
    // The rows of every register that carry `xzNo`, or all of them.
    bool readRows(const QString& table, qint32 xzNo, QList<ReportRow>* out);
    bool readRows(const QString& table, QList<ReportRow>* out);
    // The registers that rows are stored for, in text order (the empty one included when there
    // are rows without a register).
    bool registers(QStringList* out);

    // The sixteen columns of every report table, in table order, and a row's values as texts
    // in that order (the name in the display language's code page, amounts in their shortest
    // exact form, the register last).
    static const QStringList& columnNames();
    static QStringList rowTexts(const ReportRow& row, const QString& reg = QString());
    // A stored row's texts, its name as stored (read from the register once, when it was stored).
    static QStringList rowTexts(const StoredReportRow& stored);

    // The transaction bracket: begin only when none is open, commit or roll back only when one is.
    bool beginTransaction();
    bool commitTransaction();
    bool rollbackTransaction();
    bool inTransaction() const { return m_inTransaction; }

private:
    void openStore();
    bool openServer(const QString& name);
    void createTables();
    bool exec(const QString& statement);

    QSqlDatabase m_db;
    QString m_location;
    QString m_openError;
    QString m_failure;
    QSqlQuery m_query;
    bool m_server = false;
    bool m_inTransaction = false;
    bool m_ownsConnection = false;
};
