#include "reports/reportdb.h"

#include "base/language.h"
#include "reports/reportslog.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "storage/notice.h"
#include "storage/serverdb.h"
#include "storage/setlocation.h"

#include <QDir>
#include <QLocale>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>

namespace {

const char kConnectionName[] = "my_sql_connection";
const char kUser[] = "root";
const char kPassword[] = "604218";
const char kCreateStatement[] = "create table %1 (ID INT, Name CHARACTER(64), Code long long, Cc double, Qty double, "
                                "SaleAmt double, RetAmt double, DiscAmt double, CostAmt double, TaxAmt double, "
                                "NetAmt double, XZNo INT, RcFr INT, RcTo INT, XZTime long long, "
                                "Register TEXT NOT NULL DEFAULT '')";
// The server knows neither "long long" nor a CHARACTER column that gives back what it was given.
// It keeps no rowid either: RowOrder, after the sixteen columns, keeps the stored order.
const char kServerCreateStatement[]
    = "create table %1 (ID INTEGER, Name TEXT, Code BIGINT, Cc DOUBLE PRECISION, Qty DOUBLE PRECISION, "
      "SaleAmt DOUBLE PRECISION, RetAmt DOUBLE PRECISION, DiscAmt DOUBLE PRECISION, CostAmt DOUBLE PRECISION, "
      "TaxAmt DOUBLE PRECISION, NetAmt DOUBLE PRECISION, XZNo INTEGER, RcFr INTEGER, RcTo INTEGER, XZTime BIGINT, "
      "Register TEXT NOT NULL DEFAULT '', RowOrder BIGSERIAL)";
// Every stored entry looks its row up by these columns first: without an index each look-up
// read the whole table, and a store grew slower with every report it held.
const char kIndexStatement[] = "create index if not exists %1_entry on %1 (Register, XZNo, Code)";
// Tables of a store from before rows knew their register.
const char kAddRegisterStatement[] = "alter table %1 add column Register TEXT NOT NULL DEFAULT ''";
const char kRegisterColumn[] = "Register";
const char kSavepoint[] = "report_buffer";

reportDb* g_instance = nullptr;

QString& instanceLocation()
{
    static QString location = reportDb::defaultFileName();
    return location;
}

// The row's name as the register's item names are read: its letter codes and order turned
// into the text's, then the register language's code page. A byte that code page cannot read
// is kept as "\xHH" (UTF-8 that is none reads as Latin-1), so that two names never become one row.
QString rowName(const ReportRow& row)
{
    QByteArray bytes = row.name();
    textFromRegister(bytes.data(), int(bytes.size()));
    const QString text = fromLocal8(bytes);
    if (!text.contains(QChar::ReplacementCharacter))
        return text;
    if (qstrcmp(languageCodecName(registerLanguage), "UTF-8") == 0)
        return QString::fromLatin1(bytes);
    QString kept;
    for (const char byte : bytes) {
        const QString letter = fromLocal8(QByteArray(1, byte));
        kept += letter.contains(QChar::ReplacementCharacter)
            ? QStringLiteral("\\x") + QString::number(uchar(byte), 16).toUpper().rightJustified(2, QLatin1Char('0'))
            : letter;
    }
    return kept;
}

// A null text would be bound as NULL, which the Register column refuses.
QString registerValue(const QString& reg)
{
    return reg.isNull() ? QStringLiteral("") : reg;
}

} // namespace

reportDb::reportDb(const QString& location, QObject* parent)
    : QObject(parent)
    , m_location(location)
{
    openStore();
    m_query = QSqlQuery(m_db);
    createTables();
    m_inTransaction = false;
}

reportDb::~reportDb()
{
    if (g_instance == this)
        g_instance = nullptr;
    m_query = QSqlQuery();
    m_db = QSqlDatabase();
    if (m_ownsConnection)
        QSqlDatabase::removeDatabase(QString::fromLatin1(kConnectionName));
}

reportDb* reportDb::instance()
{
    if (!g_instance)
        g_instance = new reportDb(instanceLocation());
    return g_instance;
}

bool reportDb::setInstanceLocation(const QString& location)
{
    if (g_instance)
        return false;
    instanceLocation() = location;
    return true;
}

QString reportDb::defaultFileName()
{
    // An installed program never writes into whatever folder it was started from (the home
    // folder, from a menu): its store lives in the data folder with its other files.
    if (runsInstalled())
        return QDir(dataFolder()).filePath(QStringLiteral("XZReport.db"));
    return QStringLiteral("./XZReport.db");
}

void reportDb::openStore()
{
    const QString name = QString::fromLatin1(kConnectionName);
    bool opened;
    if (QSqlDatabase::contains(name)) {
        m_db = QSqlDatabase::database(name, false);
        opened = m_db.isOpen() || m_db.open();
        if (!opened)
            m_openError = m_db.lastError().text();
    } else if (isServerLocation(m_location)) {
        m_ownsConnection = true;
        opened = openServer(name);
    } else {
        // The shop's takings are nobody else's to read: a new store is made for its owner only.
        createPrivateFile(m_location);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_db.setDatabaseName(m_location);
        // Another program storing a buffer holds the file for a moment: this one waits.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        m_db.setUserName(QString::fromLatin1(kUser));
        m_db.setPassword(QString::fromLatin1(kPassword));
        m_ownsConnection = true;
        opened = m_db.open();
        if (!opened)
            m_openError = m_db.lastError().text();
    }
    m_server = ServerDb::isServer(m_db);
    if (opened) {
        qCDebug(lcReports) << "open database ok!";
        return;
    }
    if (m_openError.isEmpty())
        m_openError = QStringLiteral("the database cannot be opened");
    qCDebug(lcReports).noquote() << m_openError;
    Notice::critical(
        QStringLiteral("can not open database"), QStringLiteral("Unable to establish a database connection."));
}

// Connects to the server and makes the set's schema, which the tables are created in.
bool reportDb::openServer(const QString& name)
{
    SetLocation location;
    if (!SetLocation::parse(m_location, &location, &m_openError))
        return false;
    const bool connected = ServerDb::open(location, name, &m_openError);
    m_db = QSqlDatabase::database(name, false);
    if (!connected)
        return false;
    const auto fail = [this] {
        m_db.close();
        return false;
    };
    bool exists = false;
    if (!ServerDb::schemaExists(m_db, location.set, &exists, &m_openError))
        return fail();
    // Another program may make the same store at the same moment: then it is there.
    if (!exists && !ServerDb::createSchema(m_db, location.set, &m_openError)
        && !(ServerDb::schemaExists(m_db, location.set, &exists, &m_openError) && exists))
        return fail();
    m_openError.clear();
    return true;
}

void reportDb::createTables()
{
    // On a connection that did not open every statement fails, each with a warning of Qt's.
    if (!m_db.isOpen())
        return;
    m_db.transaction();
    for (const QString& table : reportTableNames())
        ensureTable(table);
    m_db.commit();
}

int reportDb::ensureTable(const QString& table)
{
    const char* create = m_server ? kServerCreateStatement : kCreateStatement;
    ::ensureTable(QString::fromLatin1(create).arg(table), table, m_query);
    const QSqlRecord columns = m_db.record(table);
    if (!columns.isEmpty() && !columns.contains(QString::fromLatin1(kRegisterColumn))) {
        if (m_query.exec(QString::fromLatin1(kAddRegisterStatement).arg(table)))
            qCDebug(lcReports).noquote() << QStringLiteral("%1 Table gained the Register column.").arg(table);
        else
            qCDebug(lcReports).noquote() << QStringLiteral("Error: Fail to add the Register column to %1 Table: %2")
                                                .arg(table, m_query.lastError().text());
    }
    // A store that may not be written is read as it is, without the index.
    if (!columns.isEmpty() && !m_query.exec(QString::fromLatin1(kIndexStatement).arg(table)))
        qCDebug(lcReports).noquote()
            << QStringLiteral("no index on %1 Table: %2").arg(table, m_query.lastError().text());
    return 1;
}

bool reportDb::exec(const QString& statement)
{
    if (m_query.exec(statement))
        return true;
    qCDebug(lcReports) << m_query.lastError().text();
    return false;
}

int reportDb::storeReport(const QByteArray& buffer, const QString& reg, int* skipped)
{
    if (skipped)
        *skipped = 0;
    const ReportBuffer report = decodeReportBuffer(buffer);
    const int decoded = report.complete ? ReportStored : ReportMalformed;
    if (report.entries.isEmpty())
        return decoded;

    // A bracket the caller holds open keeps its other work; this buffer alone goes back on failure.
    const bool ownBracket = !m_inTransaction;
    const QString savepoint = QString::fromLatin1(kSavepoint);
    m_failure.clear();
    // Why the buffer was not stored, as the database said it (read before a rollback clears it).
    auto failure = [this] {
        const QSqlError error = m_query.lastError().isValid() ? m_query.lastError() : m_db.lastError();
        m_failure = error.text().trimmed();
    };
    if (ownBracket ? !beginTransaction() : !exec(QStringLiteral("SAVEPOINT %1").arg(savepoint))) {
        failure();
        return ReportNotStored;
    }
    bool ok = true;
    for (const ReportEntry& entry : report.entries) {
        if (reportTableName(report.kindName, entry.NType, entry.NIdx).isEmpty()
            || !isReportTable(reportTableName(report.kindName, entry.NType, entry.NIdx))) {
            if (skipped)
                ++*skipped;
            continue;
        }
        if (storeRow(report.kindName, entry.NIdx, entry.NType, entry.row, reg) < 0) {
            failure();
            ok = false;
            break;
        }
    }
    if (ownBracket) {
        if (ok && !(ok = commitTransaction()))
            failure();
        else if (!ok)
            rollbackTransaction();
    } else {
        if (!ok)
            exec(QStringLiteral("ROLLBACK TO %1").arg(savepoint));
        ok = exec(QStringLiteral("RELEASE %1").arg(savepoint)) && ok;
    }
    return ok ? decoded : ReportNotStored;
}

int reportDb::storeRow(const QString& kind, int nIdx, int nType, ReportRow row, const QString& reg)
{
    const QString table = reportTableName(kind, nType, nIdx);
    if (table.isEmpty())
        return 0;
    if (!isReportTable(table)) {
        qCDebug(lcReports).noquote() << QStringLiteral("%1: no such report table, entry not stored").arg(table);
        return 0;
    }
    if (nType & 0x01)
        qCDebug(lcReports).noquote() << "tablename = " << table;

    const QString check = QStringLiteral("select count(*) from %1 where Register = :Register AND Name = :Name AND "
                                         "XZNo = :XZNo AND Code = :Code")
                              .arg(table);
    qCDebug(lcReports).noquote() << check;
    m_query.prepare(check);
    m_query.bindValue(QStringLiteral(":Register"), registerValue(reg));
    m_query.bindValue(QStringLiteral(":Name"), rowName(row));
    m_query.bindValue(QStringLiteral(":Code"), row.Code);
    m_query.bindValue(QStringLiteral(":XZNo"), row.XZNo);
    if (!m_query.exec()) {
        qCDebug(lcReports) << m_query.lastError().text();
        return -1;
    }
    qCDebug(lcReports) << "check exist success!";
    if (!m_query.next()) {
        m_query.finish();
        return -1;
    }
    const bool exists = m_query.value(0).toLongLong() != 0;
    m_query.finish();

    bool ok;
    if (!exists) {
        qCDebug(lcReports).noquote() << QStringLiteral("%1 data does not exist.insert data.").arg(table);
        ok = insertRow(table, row, reg);
    } else {
        qCDebug(lcReports).noquote() << QStringLiteral("%1 data exists.updata data.").arg(table);
        ok = updateRow(table, row, reg);
    }
    qCDebug(lcReports) << "-------->start emit write db ok";
    return ok ? 1 : -1;
}

bool reportDb::insertRow(const QString& table, const ReportRow& row, const QString& reg)
{
    // Register is the sixteenth column both in new tables and in those that gained it.
    m_query.prepare(QStringLiteral("INSERT INTO %1 VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)").arg(table));
    const QVariantList values { row.ID, rowName(row), row.Code, row.Cc, row.Qty, row.SaleAmt, row.RetAmt, row.DiscAmt,
        row.CostAmt, row.TaxAmt, row.NetAmt, row.XZNo, row.RcFr, row.RcTo, row.XZTime, registerValue(reg) };
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values.at(i));
    if (!m_query.exec()) {
        qCDebug(lcReports) << m_query.lastError().text();
        return false;
    }
    qCDebug(lcReports) << "inserted success!";
    return true;
}

bool reportDb::updateRow(const QString& table, const ReportRow& row, const QString& reg)
{
    m_query.prepare(QStringLiteral("update %1 set Cc = :Cc, Qty = :Qty, SaleAmt = :SaleAmt, RetAmt = :RetAmt, "
                                   "DiscAmt = :DiscAmt, CostAmt = :CostAmt, TaxAmt = :TaxAmt, NetAmt = :NetAmt, "
                                   "RcFr = :RcFr, RcTo = :RcTo, xzTime = :xzTime "
                                   "where Register = :Register AND Name = :Name AND XZNo = :XZNo AND Code = :Code")
                        .arg(table));
    m_query.bindValue(QStringLiteral(":Cc"), row.Cc);
    m_query.bindValue(QStringLiteral(":Qty"), row.Qty);
    m_query.bindValue(QStringLiteral(":SaleAmt"), row.SaleAmt);
    m_query.bindValue(QStringLiteral(":RetAmt"), row.RetAmt);
    m_query.bindValue(QStringLiteral(":DiscAmt"), row.DiscAmt);
    m_query.bindValue(QStringLiteral(":CostAmt"), row.CostAmt);
    m_query.bindValue(QStringLiteral(":TaxAmt"), row.TaxAmt);
    m_query.bindValue(QStringLiteral(":NetAmt"), row.NetAmt);
    m_query.bindValue(QStringLiteral(":RcFr"), row.RcFr);
    m_query.bindValue(QStringLiteral(":RcTo"), row.RcTo);
    m_query.bindValue(QStringLiteral(":xzTime"), row.XZTime);
    m_query.bindValue(QStringLiteral(":Register"), registerValue(reg));
    m_query.bindValue(QStringLiteral(":Name"), rowName(row));
    m_query.bindValue(QStringLiteral(":XZNo"), row.XZNo);
    m_query.bindValue(QStringLiteral(":Code"), row.Code);
    if (!m_query.exec()) {
        qCDebug(lcReports) << m_query.lastError().text();
        return false;
    }
    qCDebug(lcReports) << "update success!";
    return true;
}

bool reportDb::readRows(const QString& table, qint32 xzNo, QList<ReportRow>* out)
{
    QList<StoredReportRow> rows;
    ReportFilter filter;
    filter.xzNo = xzNo;
    const bool ok = readRows(table, filter, &rows);
    out->clear();
    for (const StoredReportRow& stored : rows)
        out->append(stored.row);
    return ok;
}

bool reportDb::readRows(const QString& table, QList<ReportRow>* out)
{
    QList<StoredReportRow> rows;
    const bool ok = readRows(table, ReportFilter(), &rows);
    out->clear();
    for (const StoredReportRow& stored : rows)
        out->append(stored.row);
    return ok;
}

bool reportDb::readRows(const QString& table, const ReportFilter& filter, QList<StoredReportRow>* out)
{
    out->clear();
    if (!isReportTable(table)) {
        qCDebug(lcReports).noquote() << QStringLiteral("%1: no such report table").arg(table);
        return false;
    }
    // A store from before rows knew their register that may not be written (the column could not
    // be added) is read with every row's register empty.
    const bool hasRegister = m_db.record(table).contains(QString::fromLatin1(kRegisterColumn));
    const QString registerColumn = hasRegister ? QStringLiteral("Register") : QStringLiteral("''");
    QStringList conditions;
    if (filter.xzNo)
        conditions << QStringLiteral("XZNo = :XZNo");
    if (filter.reg)
        conditions << registerColumn + QStringLiteral(" = :Register");
    m_query.prepare(
        QStringLiteral("select ID, Name, Code, Cc, Qty, SaleAmt, RetAmt, DiscAmt, CostAmt, TaxAmt, NetAmt, "
                       "XZNo, RcFr, RcTo, XZTime, %4 from %1%2 order by %3")
            .arg(table,
                conditions.isEmpty() ? QString() : QStringLiteral(" where ") + conditions.join(QStringLiteral(" AND ")),
                m_server ? QStringLiteral("RowOrder") : QStringLiteral("rowid"), registerColumn));
    if (filter.xzNo)
        m_query.bindValue(QStringLiteral(":XZNo"), *filter.xzNo);
    if (filter.reg)
        m_query.bindValue(QStringLiteral(":Register"), registerValue(*filter.reg));
    if (!m_query.exec()) {
        qCDebug(lcReports) << m_query.lastError().text();
        return false;
    }
    while (m_query.next()) {
        StoredReportRow stored;
        ReportRow& row = stored.row;
        row.ID = m_query.value(0).toInt();
        stored.name = m_query.value(1).toString();
        row.setName(toLocal8(stored.name));
        row.Code = m_query.value(2).toLongLong();
        row.Cc = m_query.value(3).toDouble();
        row.Qty = m_query.value(4).toDouble();
        row.SaleAmt = m_query.value(5).toDouble();
        row.RetAmt = m_query.value(6).toDouble();
        row.DiscAmt = m_query.value(7).toDouble();
        row.CostAmt = m_query.value(8).toDouble();
        row.TaxAmt = m_query.value(9).toDouble();
        row.NetAmt = m_query.value(10).toDouble();
        row.XZNo = m_query.value(11).toInt();
        row.RcFr = m_query.value(12).toInt();
        row.RcTo = m_query.value(13).toInt();
        row.XZTime = m_query.value(14).toLongLong();
        stored.reg = m_query.value(15).toString();
        out->append(stored);
    }
    m_query.finish();
    return true;
}

bool reportDb::registers(QStringList* out)
{
    out->clear();
    QStringList selects;
    for (const QString& table : reportTableNames())
        selects << QStringLiteral("select Register from %1").arg(table);
    if (!exec(selects.join(QStringLiteral(" union ")) + QStringLiteral(" order by 1")))
        return false;
    while (m_query.next())
        out->append(m_query.value(0).toString());
    m_query.finish();
    return true;
}

const QStringList& reportDb::columnNames()
{
    static const QStringList names { "ID", "Name", "Code", "Cc", "Qty", "SaleAmt", "RetAmt", "DiscAmt", "CostAmt",
        "TaxAmt", "NetAmt", "XZNo", "RcFr", "RcTo", "XZTime", "Register" };
    return names;
}

QStringList reportDb::rowTexts(const StoredReportRow& stored)
{
    QStringList texts = rowTexts(stored.row, stored.reg);
    texts[1] = stored.name;
    return texts;
}

QStringList reportDb::rowTexts(const ReportRow& row, const QString& reg)
{
    auto amount = [](double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); };
    return { QString::number(row.ID), rowName(row), QString::number(row.Code), amount(row.Cc), amount(row.Qty),
        amount(row.SaleAmt), amount(row.RetAmt), amount(row.DiscAmt), amount(row.CostAmt), amount(row.TaxAmt),
        amount(row.NetAmt), QString::number(row.XZNo), QString::number(row.RcFr), QString::number(row.RcTo),
        QString::number(row.XZTime), reg };
}

bool reportDb::beginTransaction()
{
    if (m_inTransaction)
        return false;
    qCDebug(lcReports) << "db start transaction";
    // A row is looked for, then inserted or updated: two programs storing at once would both
    // insert it. A file is taken for writing at the start (the other waits for it), a server
    // store is locked for the transaction.
    const bool begun = m_server ? m_db.transaction() : m_query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!begun) {
        qCDebug(lcReports) << (m_server ? m_db.lastError().text() : m_query.lastError().text());
        return false;
    }
    if (m_server
        && !m_query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('tallvane report store ' || "
                                        "current_schema()))"))) {
        qCDebug(lcReports) << m_query.lastError().text();
        m_db.rollback();
        return false;
    }
    m_query.finish();
    m_inTransaction = true;
    return true;
}

bool reportDb::commitTransaction()
{
    if (!m_inTransaction)
        return false;
    qCDebug(lcReports) << "db start commit";
    m_inTransaction = false;
    m_query.finish();
    if (m_db.commit())
        return true;
    qCDebug(lcReports) << m_db.lastError().text();
    m_db.rollback();
    return false;
}

bool reportDb::rollbackTransaction()
{
    if (!m_inTransaction)
        return false;
    qCDebug(lcReports) << "db roll back";
    m_inTransaction = false;
    m_query.finish();
    return m_db.rollback();
}
