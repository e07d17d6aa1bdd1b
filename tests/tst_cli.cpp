#include "cliharness.h"
#include "pgcluster.h"
#include "reports/reportbuffer.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "users/usrdb.h"
#include "workbookbuilder.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray kMark("\xEF\xBB\xBF");
const QByteArray kDeptHeader("Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n");
const QByteArray kReportHeader
    = kMark + "ID,Name,Code,Cc,Qty,SaleAmt,RetAmt,DiscAmt,CostAmt,TaxAmt,NetAmt,XZNo,RcFr,RcTo,XZTime,Register\n";

// A report buffer of kind "department" with one entry for the daily table per row given.
QByteArray departmentReport(const QList<QPair<QByteArray, qint32>>& rows)
{
    QByteArray buffer("\x02\xB0\x00\x02\x01"
                      "D",
        6);
    for (const auto& [name, xzNo] : rows) {
        QByteArray row;
        QDataStream stream(&row, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::LittleEndian);
        stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
        stream << qint32(3);
        stream.writeRawData(name.leftJustified(64, '\0').constData(), 64);
        stream << qint32(0) << qint64(-42) << 2.0 << 1.5 << 12.25 << 0.0 << 0.75 << 8.5 << 2.04 << 10.21;
        stream << xzNo << qint32(101) << qint32(230) << qint32(0) << qint64(1700000000);
        buffer += QByteArray("\x01\x00", 2) + row;
    }
    return buffer;
}

// The exported line of a row of departmentReport().
QByteArray reportLine(const char* name, int xzNo, const QByteArray& reg = QByteArray())
{
    return QByteArray("3,") + name + ",-42,2,1.5,12.25,0,0.75,8.5,2.04,10.21," + QByteArray::number(xzNo)
        + ",101,230,1700000000," + reg + "\n";
}

} // namespace

// tallvane-cli's commands that need no register: its command line, the login and the
// permissions, configuration databases, files and the report store.
class TestCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CliProgram> m_cli;

    QString file(const QString& name) const { return m_dir.filePath(name); }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // A new database with the departments of `csv` imported.
    QString departmentDatabase(const QString& name, const QByteArray& csv)
    {
        const QString db = file(name);
        const QString in = file(name + QStringLiteral(".csv"));
        if (m_cli->run(asAdmin({ "new-db", db })).status != 0 || !write(in, csv)
            || m_cli->run(asAdmin({ "import", "--db", db, "--type", "dept", "--in", in })).status != 0)
            return QString();
        return db;
    }
    QByteArray exported(const QString& db, const QString& type = QStringLiteral("dept"))
    {
        const CliProgram::Result result = m_cli->run(asAdmin({ "export", "--db", db, "--type", type }));
        return result.status == 0 ? result.out : QByteArray("status ") + QByteArray::number(result.status);
    }

    static QStringList tablesOf(const QString& path)
    {
        QStringList tables;
        forEachRow(path, QStringLiteral("select name from sqlite_master where type='table' order by rowid"),
            [&](const QSqlQuery& query) { tables << query.value(0).toString(); });
        return tables;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cli = std::make_unique<CliProgram>(m_dir.filePath(QStringLiteral("bin")));
        QVERIFY(m_cli->ok());
        // The first run creates the user database with its administrator.
        QCOMPARE(m_cli->run(asAdmin({ QStringLiteral("new-db"), file(QStringLiteral("first.db")) })).status, 0);
        QVERIFY(QFile::exists(m_cli->userDatabase()));
        m_cli->addUser(2, QStringLiteral("clerkonly"), QStringLiteral("pw"), PermClerk);
        m_cli->addUser(2, QStringLiteral("headers"), QStringLiteral("pw"), PermHeader);
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("overall") << QStringList { "--help" } << "Exit status:";
        QTest::newRow("command") << QStringList { "new-db", "--help" }
                                 << "Usage: tallvane-cli [global options] new-db FILE";
        QTest::newRow("subcommand") << QStringList { "report", "store", "--help" }
                                    << "report store [--register NAME] [--db FILE|URL] FILE...";
        QTest::newRow("command with sub-commands")
            << QStringList { "journal", "--help" } << "Usage: tallvane-cli [global options] journal verify";
    }

    // Help needs no login and goes to standard output.
    void help()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const CliProgram::Result result = m_cli->run(arguments, QString());
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains(expected.toUtf8()), result.out.constData());
        QVERIFY(result.err.isEmpty());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList {} << "no command given";
        QTest::newRow("unknown command") << asAdmin({ "frob" }) << "unknown command \"frob\"";
        QTest::newRow("no user") << QStringList { "new-db", "x.db" } << "--user NAME is required";
        QTest::newRow("bad language") << QStringList { "--user", "admin", "--language", "latin", "new-db", "x.db" }
                                      << "--language takes";
        QTest::newRow("unknown option") << asAdmin({ "new-db", "--frob", "x.db" }) << "Unknown option 'frob'";
        QTest::newRow("global option after the command")
            << QStringList { "new-db", "--user", "admin", "x.db" } << "Unknown option 'user'";
        QTest::newRow("new-db without a file") << asAdmin({ "new-db" }) << "new-db takes one FILE";
        QTest::newRow("sub-command missing") << asAdmin({ "report" }) << "\"report\" needs one of: store, export";
        QTest::newRow("unknown sub-command") << asAdmin({ "report", "frob" }) << "unknown command \"report frob\"";
        QTest::newRow("report store without a file") << asAdmin({ "report", "store" }) << "at least one FILE";
        const QString set = file(QStringLiteral("first.db"));
        QTest::newRow("an option twice") << asAdmin({ "export", "--db", set, "--type", "plu", "--type", "dept" })
                                         << "--type is given more than once";
        QTest::newRow("a stray argument")
            << asAdmin({ "export", "--db", set, "--type", "plu", "x.db" }) << "unexpected argument \"x.db\"";
        QTest::newRow("an empty value") << asAdmin({ "copy", "--from", set, "--to", "" }) << "--to takes a value";
        QTest::newRow("a command and changes")
            << asAdmin({ "install", "--db", set, "--type", "plu", "--command", "add", "--changes", "--serial", "x" })
            << "goes without --command";
        QTest::newRow("an empty port") << asAdmin({ "download", "--type", "plu", "--serial", "" })
                                       << "--serial takes a value";
        QTest::newRow("an empty store") << asAdmin({ "report", "store", "--db", "", "z.bin" }) << "--db takes a value";
        QTest::newRow("diff by register and link")
            << asAdmin({ "diff", "--db", set, "--type", "plu", "--register", "tcp:127.0.0.2", "--tcp" }) << "not both";
        QTest::newRow("diff by no register")
            << asAdmin({ "diff", "--db", set, "--type", "plu", "--register", " " }) << "--register takes a register";
        QTest::newRow("a logo wider than the printer")
            << asAdmin({ "install", "--type", "logo", "--image", "x.png", "--serial", "x", "--size", "480x64" })
            << "at most 384 wide and at most 40967 pixels in all (rounded to multiples of 32x8: 480x64)";
        QTest::newRow("export as a workbook")
            << asAdmin({ "export", "--db", set, "--type", "dept", "--out", "x.xlsx" }) << "written as CSV";
        QTest::newRow("export over the set")
            << asAdmin({ "export", "--db", set, "--type", "dept", "--out", set }) << "is the set itself";
    }

    // Status 2, the message and the usage on standard error, nothing done.
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliProgram::Result result = m_cli->run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
        QVERIFY2(result.err.contains("Usage: tallvane-cli"), result.err.constData());
        QVERIFY(result.out.isEmpty());
        QVERIFY(!QFile::exists(QDir(m_cli->folder()).filePath(QStringLiteral("x.db"))));
        QVERIFY(tablesOf(file(QStringLiteral("first.db"))).contains(QStringLiteral("table_dept")));
    }

    void login_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("fromStdin");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("administrator") << "admin"
                                       << "604218" << false << 0 << "";
        QTest::newRow("name with blanks") << " admin "
                                          << "604218" << false << 0 << "";
        QTest::newRow("from standard input") << "admin"
                                             << "604218\nsecond line\n"
                                             << true << 0 << "";
        QTest::newRow("windows line end") << "admin"
                                          << "604218\r\n"
                                          << true << 0 << "";
        QTest::newRow("unknown user") << "nobody"
                                      << "604218" << false << 3 << "username is not exist!";
        QTest::newRow("wrong password") << "admin"
                                        << "604219" << false << 3 << "password err!";
        QTest::newRow("no password") << "admin" << QString() << false << 2 << "TALLVANE_PASSWORD";
    }

    // The login dialog's check; a refused login writes nothing.
    void login()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, fromStdin);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString target = file(QStringLiteral("login-%1.db").arg(QTest::currentDataTag()).replace(' ', '-'));
        QStringList arguments { "--user", user };
        if (fromStdin)
            arguments << "--password-stdin";
        arguments << "new-db" << target;
        const CliProgram::Result result
            = fromStdin ? m_cli->run(arguments, QString(), password.toUtf8()) : m_cli->run(arguments, password);
        QCOMPARE(result.status, status);
        if (status == 0) {
            QVERIFY(result.err.isEmpty());
            QVERIFY(QFile::exists(target));
        } else {
            QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
            QVERIFY(!QFile::exists(target));
        }
    }

    void newDatabase()
    {
        const QString path = file(QStringLiteral("shop.db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", path })).status, 0);
        QCOMPARE(tablesOf(path), configTableNames() + QStringList({ QStringLiteral("set_info"), QStringLiteral("set_versions") }));
        // The set records the language of the login (--language, English by default).
        const QString greek = file(QStringLiteral("greek.db"));
        QCOMPARE(m_cli->run(asAdmin({ "--language", "greek", "new-db", greek })).status, 0);
        QStringList recorded;
        for (const QString& set : { path, greek })
            forEachRow(set, QStringLiteral("select value from set_info where key = 'language'"),
                [&](const QSqlQuery& query) { recorded << query.value(0).toString(); });
        QCOMPARE(recorded, (QStringList { "1", "2" }));

        // An existing file is refused and left as it is.
        QFile existing(path);
        const qint64 size = existing.size();
        const CliProgram::Result again = m_cli->run(asAdmin({ "new-db", path }));
        QCOMPARE(again.status, 4);
        QCOMPARE(again.err.trimmed(), QStringLiteral("%1 is exist.").arg(path).toUtf8());
        QCOMPARE(existing.size(), size);

        // A folder that does not exist: the database cannot be opened.
        const CliProgram::Result nowhere = m_cli->run(asAdmin({ "new-db", file(QStringLiteral("no/such/folder.db")) }));
        QCOMPARE(nowhere.status, 4);
        QVERIFY2(nowhere.err.contains("Unable to establish a database connection."), nowhere.err.constData());
        QVERIFY2(nowhere.err.contains("/no/such does not exist"), nowhere.err.constData());
    }

    // The cells come back as the window's grid keeps them; standard output takes the same bytes.
    void importThenExport()
    {
        const QString db = departmentDatabase(QStringLiteral("imported.db"),
            kDeptHeader + "1,BREAD,2,10000000,00000101,1,12.50,100.00,1\n2,\"MILK, FRESH\",1,0,1,1,0.99,10,3\n");
        QVERIFY(!db.isEmpty());
        const QByteArray expected = kMark + kDeptHeader
            + "1,BREAD,2,10000000,00000101,1,12.5,100,1\n2,\"MILK, FRESH\",1,00000000,00000001,1,0.99,10,3\n";
        QCOMPARE(exported(db), expected);
        const QString out = file(QStringLiteral("imported-out.csv"));
        // The page's name in the window's case works as well as the short name.
        QCOMPARE(m_cli->run(asAdmin({ "export", "--db", db, "--type", "Dept", "--out", out })).status, 0);
        QCOMPARE(contents(out), expected);
        // A category without stored rows exports the rows its page starts with.
        QCOMPARE(exported(db, QStringLiteral("headerdata")), kMark + "Indx,Header\n1,\n2,\n3,\n4,\n5,\n6,\n7,\n8,\n");
    }

    void importKeepsTheTable_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("header only") << kDeptHeader << "header.csv" << 0 << "holds no rows below its header line";
        QTest::newRow("empty file") << QByteArray() << "empty.csv" << 0 << "holds no rows below its header line";
        QTest::newRow("missing file") << QByteArray() << "" << 4 << "cannot import";
        QTest::newRow("not a workbook") << QByteArray("not a zip") << "broken.xlsx" << 4 << "cannot import";
        QTest::newRow("unclosed quotation mark") << kDeptHeader + "1,\"BREAD\n2,MILK,1,0,1,1,0.99,10,3\n"
                                                 << "unclosed.csv" << 4 << "line 2 is never closed";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEI\0n\0d\0x\0\n\0") << "wide.csv" << 4 << "UTF-16";
        QTest::newRow("UTF-16 without its mark") << QByteArray("I\0n\0d\0x\0\n\0", 10) << "bare.csv" << 4 << "UTF-16";
        QTest::newRow("a binary file") << QByteArray("\0\x01\x02binary data", 14) << "bin.csv" << 4
                                       << "zero bytes: it is no text table";
        QTest::newRow("a pipe named as a workbook") << QByteArray("fifo") << "pipe.xlsx" << 4 << "a device or a pipe";
    }

    // A file without rows, or one that cannot be read whole, leaves the stored table as it was.
    void importKeepsTheTable()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString db
            = departmentDatabase(QStringLiteral("kept-%1.db").arg(QTest::currentDataTag()).replace(' ', '-'),
                kDeptHeader + "1,BREAD,2,0,0,1,1.25,10,1\n");
        QVERIFY(!db.isEmpty());
        const QByteArray before = exported(db);
        const QString in = name.isEmpty() ? this->file(QStringLiteral("no-such.csv")) : this->file(name);
        if (file == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
        else if (!name.isEmpty())
            QVERIFY(write(in, file));
        const CliProgram::Result result = m_cli->run(asAdmin({ "import", "--db", db, "--type", "dept", "--in", in }));
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
        QCOMPARE(exported(db), before);
    }

    void importWorkbook()
    {
        auto cell = [](const char* ref, const QByteArray& text) {
            return "<c r=\"" + QByteArray(ref) + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
        };
        const QByteArray rows = "<row r=\"1\">" + cell("A1", "Indx") + cell("B1", "Name") + cell("C1", "Group")
            + "</row><row r=\"2\"><c r=\"A2\"><v>1</v></c>" + cell("B2", "SOUP") + "<c r=\"C2\"><v>3</v></c>"
            + cell("D2", "0") + cell("E2", "1") + "<c r=\"F2\"><v>1</v></c><c r=\"G2\"><v>4.5</v></c>"
            + "<c r=\"H2\"><v>50</v></c><c r=\"I2\"><v>2</v></c></row>";
        const QString workbook = file(QStringLiteral("depts.xlsx"));
        QVERIFY(
            WorkbookBuilder::writeZip(workbook, WorkbookBuilder::workbook({ { QStringLiteral("sheet1.xml"), rows } })));
        const QString db = file(QStringLiteral("workbook.db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", db })).status, 0);
        const CliProgram::Result result
            = m_cli->run(asAdmin({ "import", "--db", db, "--type", "dept", "--in", workbook }));
        QCOMPARE(result.status, 0);
        // The workbook's header line has three columns, the page nine: the operator is told.
        QVERIFY2(result.err.contains("the file has 3 columns, the page 9"), result.err.constData());
        QCOMPARE(exported(db), kMark + kDeptHeader + "1,SOUP,3,00000000,00000001,1,4.5,50,2\n");
    }

    // check reads a file before it is imported: one line per cell that the register would not
    // hold as written (rows numbered as in the file), status 1 when there is any.
    void checkFile_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err"); // what is said of the file as a whole
        QTest::newRow("cells that fit") << "english" << QByteArray("1,BREAD,2,10000000,00000101,1,12.50,100,13\n") << 0
                                        << QByteArray() << QByteArray();
        QTest::newRow("long name, third decimal")
            << "english"
            << QByteArray("1,BREAD,2,10000000,00000101,1,12.50,100,13\n"
                          "2,ABCDEFGHIJKLMNOPQRSTUVWXYZ,1,10000000,00000001,1,12.345,100,1\n")
            << 1
            << QByteArray("row 3, Name: 26 bytes in UTF-8; the register keeps 25: ABCDEFGHIJKLMNOPQRSTUVWXY\n"
                          "row 3, Price: 3 decimals, the field takes 2; the register keeps: 12.34\n")
            << QByteArray();
        // The tax column goes through the grid's whole numbers before it is encoded.
        QTest::newRow("tax written 1.0") << "english" << QByteArray("1,BREAD,2,10000000,00000101,1.0,1,1,\n") << 1
                                         << QByteArray("row 2, Tax: not a whole number; the register keeps: 0\n")
                                         << QByteArray();
        QTest::newRow("letter outside windows-1253")
            << "greek" << QByteArray("1,ΚΑΦΕΣ TÜRK,1,10000000,00000001,1,2.50,100,1\n") << 1
            << QByteArray("row 2, Name: 'Ü' not in windows-1253; the register keeps: ΚΑΦΕΣ T?RK\n") << QByteArray();
        QTest::newRow("blank lines keep the file's numbering")
            << "english"
            << QByteArray("1,BREAD,2,10000000,00000101,1,12.50,100,13\n\n"
                          "2,ABCDEFGHIJKLMNOPQRSTUVWXYZ,1,10000000,00000001,1,12.50,100,1\n")
            << 1 << QByteArray("row 4, Name: 26 bytes in UTF-8; the register keeps 25: ABCDEFGHIJKLMNOPQRSTUVWXY\n")
            << QByteArray();
        // A short first row neither drops its last column from the rows below.
        QTest::newRow("short first row") << "english"
                                         << QByteArray("1,BREAD,2,10000000,00000101,1,12.50,100\n"
                                                       "2,MILK,1,10000000,00000001,1,0.99,10,13\n")
                                         << 0 << QByteArray() << QByteArray();
        QTest::newRow("Greek name that fits")
            << "greek" << QByteArray("1,ΚΑΦΕΣ ΕΛΛΗΝΙΚΟΣ ΜΕ ΖΑΧΑΡΗ,1,10000000,00000001,1,2.50,100,1\n") << 0
            << QByteArray() << QByteArray();
        // A comma in an unquoted price moves the cells after it: said, though they all fit.
        QTest::newRow("row longer than the header")
            << "english" << QByteArray("1,BREAD,2,10000000,00000101,1,12,50,1,13\n") << 0 << QByteArray()
            << QByteArray("1 row(s) hold more cells than the header line, first: row 2");
    }

    void checkFile()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, rows);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const QString in = file(QStringLiteral("check.csv"));
        QVERIFY(write(in, kDeptHeader + rows));
        const CliProgram::Result result
            = m_cli->run({ "--user", "admin", "--language", language, "check", "--type", "dept", "--in", in });
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, out);
        if (err.isEmpty())
            QCOMPARE(result.err, QByteArray());
        else
            QVERIFY2(result.err.contains(err), result.err.constData());
    }

    // A stored table holds only what its records hold, but the register may have sent values
    // that the grid cannot show as they are: a department with tax 7. Install sends such a
    // row as its stored record, so the register keeps it as it is and nothing is named.
    void checkDatabase()
    {
        const QString db = departmentDatabase(
            QStringLiteral("checked.db"), kDeptHeader + "1,BREAD,2,10000000,00000101,1,12.50,100,1\n");
        QVERIFY(!db.isEmpty());
        QCOMPARE(m_cli->run(asAdmin({ "check", "--db", db, "--type", "dept" })).status, 0);
        QVERIFY(withDatabaseFile(db, [](QSqlQuery& query) {
            if (!query.exec(QStringLiteral("select itemData from table_dept")) || !query.next())
                return false;
            QByteArray record = query.value(0).toByteArray();
            record[35] = char(0x40);
            query.prepare(QStringLiteral("update table_dept set itemData = ?"));
            query.addBindValue(record);
            return query.exec();
        }));
        const CliProgram::Result result = m_cli->run(asAdmin({ "check", "--db", db, "--type", "dept" }));
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(m_cli->run(asAdmin({ "check", "--type", "dept" })).status, 2);
        QCOMPARE(m_cli->run(asAdmin({ "check", "--type", "sys", "--db", db })).status, 2);
    }

    void typesAndFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString db = file(QStringLiteral("first.db"));
        QTest::newRow("unknown type") << asAdmin({ "export", "--db", db, "--type", "stock" }) << 2 << "unknown TYPE";
        QTest::newRow("system parameters")
            << asAdmin({ "export", "--db", db, "--type", "sys" }) << 2 << "no table to export";
        QTest::newRow("logo") << asAdmin({ "import", "--db", db, "--type", "logo", "--in", "x.csv" }) << 2
                              << "unknown TYPE";
        QTest::newRow("no --db") << asAdmin({ "export", "--type", "dept" }) << 2 << "--db is required";
        QTest::newRow("missing database")
            << asAdmin({ "export", "--db", file(QStringLiteral("none.db")), "--type", "dept" }) << 4
            << "no such database file";
        QTest::newRow("not a database") << asAdmin({ "export", "--db", file(QStringLiteral("first.db.csv")), "--type",
            "dept" }) << 4 << "cannot be read";
        QTest::newRow("unwritable output")
            << asAdmin({ "export", "--db", db, "--type", "dept", "--out", file(QStringLiteral("no/folder/x.csv")) })
            << 4 << "x.csv";
    }

    void typesAndFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        write(file(QStringLiteral("first.db.csv")), "Indx\n");
        const CliProgram::Result result = m_cli->run(arguments);
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
        QVERIFY(!QFile::exists(file(QStringLiteral("none.db"))));
    }

    void permissions_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("status");
        QTest::newRow("clerk bit, clerks") << "clerkonly"
                                           << "clerk" << 0;
        QTest::newRow("clerk bit, departments") << "clerkonly"
                                                << "dept" << 3;
        QTest::newRow("header bit, header") << "headers"
                                            << "header" << 0;
        QTest::newRow("header bit, extended header") << "headers"
                                                     << "extheader" << 0;
        QTest::newRow("header bit, trailer") << "headers"
                                             << "trailer" << 3;
        QTest::newRow("administrator without bits") << "admin"
                                                    << "trailer" << 0;
    }

    // The category buttons' rule: the permission bit, or level 1.
    void permissions()
    {
        QFETCH(QString, user);
        QFETCH(QString, type);
        QFETCH(int, status);
        const QString password = user == QLatin1String("admin") ? QStringLiteral("604218") : QStringLiteral("pw");
        const CliProgram::Result result = m_cli->run(
            { "--user", user, "export", "--db", file(QStringLiteral("first.db")), "--type", type }, password);
        QCOMPARE(result.status, status);
        if (status == 3) {
            QCOMPARE(result.err.trimmed(), QByteArray("No authority."));
            QVERIFY(result.out.isEmpty());
        }
        // A copy writes every table of a set: it needs every category's permission.
        if (user != QLatin1String("admin")) {
            const QString copy = file(QStringLiteral("copy-%1.db").arg(user));
            const CliProgram::Result copied = m_cli->run(
                { "--user", user, "copy", "--from", file(QStringLiteral("first.db")), "--to", copy }, password);
            QCOMPARE(copied.status, 3);
            QVERIFY(!QFile::exists(copy));
        }
    }

    // A copy takes only a set: a damaged file or another program's database neither reads as
    // empty tables over the target's nor gets the set's tables written into it.
    void copyRefusesWhatIsNoSet_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<bool>("foreignTarget");
        QTest::newRow("cut short") << QByteArray("cut") << false;
        QTest::newRow("a text file") << QByteArray("Indx,Name\n1,BREAD\n") << false;
        QTest::newRow("another program's database") << QByteArray("foreign") << false;
        // Its departments would replace the target's with none.
        QTest::newRow("a set without a table") << QByteArray("lacking") << false;
        // Refused, and not printed back.
        QTest::newRow("an address with a password") << QByteArray("password") << true;
        QTest::newRow("into another program's database") << QByteArray() << true;
        QTest::newRow("into a device") << QByteArray("device") << true;
    }

    void copyRefusesWhatIsNoSet()
    {
        QFETCH(QByteArray, from);
        QFETCH(bool, foreignTarget);
        QFile::remove(file(QStringLiteral("copy-shop.db")));
        const QString shop
            = departmentDatabase(QStringLiteral("copy-shop.db"), kDeptHeader + "1,BREAD,2,0,0,1,1.25,10,1\n");
        QVERIFY(!shop.isEmpty());
        const QString foreign = file(QStringLiteral("foreign.db"));
        QFile::remove(foreign);
        QVERIFY(withDatabaseFile(foreign, [](QSqlQuery& query) { return query.exec("create table notes (text)"); }));
        QString source = shop, target = foreignTarget ? foreign : shop;
        if (from == "device") {
            target = QStringLiteral("/dev/null");
        } else if (from == "password") {
            target = QStringLiteral("postgresql://shop:S3cretPw@/chain?host=/nonexistent&set=s1&password=S3cretPw");
        } else if (from == "lacking") {
            source = file(QStringLiteral("lacking.db"));
            QFile::remove(source);
            QVERIFY(QFile::copy(shop, source));
            QVERIFY(withDatabaseFile(source, [](QSqlQuery& query) { return query.exec("drop table table_dept"); }));
        } else if (from == "foreign") {
            source = foreign;
        } else if (!from.isEmpty()) {
            source = file(QStringLiteral("source.db"));
            QFile whole(shop);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            QVERIFY(write(source, from == "cut" ? whole.read(whole.size() / 2) : from));
        }
        const QByteArray before = exported(shop);
        const QByteArray foreignBefore = fileBytes(foreign);
        const CliProgram::Result result = m_cli->run(
            { "--user", "admin", "copy", "--from", source, "--to", target, "--replace" }, QStringLiteral("604218"));
        QCOMPARE(result.status, 4);
        QVERIFY2(result.err.contains("is as it was"), result.err.constData());
        if (from == "lacking")
            QVERIFY2(result.err.contains("it lacks the table(s) table_dept"), result.err.constData());
        QVERIFY2(!result.err.contains("S3cretPw"), result.err.constData());
        QCOMPARE(exported(shop), before);
        QCOMPARE(fileBytes(foreign), foreignBefore);
    }

    // A refused login changes no table.
    void refusedLoginWritesNothing()
    {
        const QString db
            = departmentDatabase(QStringLiteral("refused.db"), kDeptHeader + "1,BREAD,2,0,0,1,1.25,10,1\n");
        QVERIFY(!db.isEmpty());
        const QByteArray before = exported(db);
        const QString in = file(QStringLiteral("refused-new.csv"));
        QVERIFY(write(in, kDeptHeader + "1,OTHER,2,0,0,1,9,10,1\n"));
        const QStringList import { "--user", "admin", "import", "--db", db, "--type", "dept", "--in", in };
        QCOMPARE(m_cli->run(import, QStringLiteral("wrong")).status, 3);
        QCOMPARE(m_cli
                     ->run({ "--user", "clerkonly", "import", "--db", db, "--type", "dept", "--in", in },
                         QStringLiteral("pw"))
                     .status,
            3);
        QCOMPARE(exported(db), before);
    }

    // Installed where it cannot write, the tool keeps its files where the window keeps them.
    void installedProgramUsesTheWindowsDataFolder()
    {
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        CliProgram installed(rights.filePath(QStringLiteral("installed/bin")));
        QVERIFY(installed.ok());
        const QString home = rights.filePath(QStringLiteral("installed/home"));
        QVERIFY(QDir().mkpath(home));
        rights.setWritable(rights.filePath(QStringLiteral("installed")), true);
        rights.setWritable(home, true);
        rights.setWritable(installed.folder(), false);
        installed.setEnvironment(QStringLiteral("HOME"), home);
        installed.setEnvironment(QStringLiteral("XDG_DATA_HOME"), QString());
        installed.setOrdinaryUser(true);
        const CliProgram::Result result = installed.run(
            asAdmin({ "new-db", home + QStringLiteral("/shop.db") }), QStringLiteral("604218"), {}, home);
        QVERIFY2(result.status == 0, result.err.constData());
        QVERIFY(QFile::exists(home + QStringLiteral("/.local/share/tallvane/USRData.db")));
        QVERIFY(!QFile::exists(installed.userDatabase()));
        // A set it may not write is not copied over, and the reason is said.
        const QString readOnly = home + QStringLiteral("/ro.db");
        QVERIFY(QFile::copy(home + QStringLiteral("/shop.db"), readOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther));
        const CliProgram::Result copied = installed.run(
            asAdmin({ "copy", "--from", home + QStringLiteral("/shop.db"), "--to", readOnly, "--replace" }),
            QStringLiteral("604218"), {}, home);
        QCOMPARE(copied.status, 4);
        QVERIFY2(copied.err.contains("readonly database"), copied.err.constData());
    }

    // A user database that cannot be read stops the tool with a file error, not a refused login.
    void unreadableUserDatabase()
    {
        CliProgram damaged(m_dir.filePath(QStringLiteral("damaged")));
        QVERIFY(damaged.ok());
        QVERIFY(write(damaged.userDatabase(), QByteArray(4096, 'x')));
        const CliProgram::Result result = damaged.run(asAdmin({ "journal", "verify" }));
        QCOMPARE(result.status, 4);
        QVERIFY2(result.err.contains("cannot open the user database"), result.err.constData());
    }

    void reports()
    {
        QTemporaryDir work;
        QVERIFY(write(work.filePath(QStringLiteral("z1.bin")), departmentReport({ { "SOUP", 7 }, { "TEA", 8 } })));
        QVERIFY(write(work.filePath(QStringLiteral("z2.bin")), departmentReport({ { "BREAD", 7 } })));
        const CliProgram::Result stored
            = m_cli->run(asAdmin({ "report", "store", "z1.bin", "z2.bin" }), QStringLiteral("604218"), {}, work.path());
        QCOMPARE(stored.status, 0);
        QVERIFY(stored.err.isEmpty());
        // The store is the file of the working folder.
        QVERIFY(QFile::exists(work.filePath(QStringLiteral("XZReport.db"))));

        const QByteArray header = kReportHeader;
        const auto line = [](const char* name, int xzNo) { return reportLine(name, xzNo); };
        const CliProgram::Result all = m_cli->run(
            asAdmin({ "report", "export", "--table", "dailydepartment" }), QStringLiteral("604218"), {}, work.path());
        QCOMPARE(all.status, 0);
        QCOMPARE(all.out, header + line("SOUP", 7) + line("TEA", 8) + line("BREAD", 7));
        const QString out = work.filePath(QStringLiteral("z7.csv"));
        QCOMPARE(m_cli
                     ->run(asAdmin({ "report", "export", "--table", "dailydepartment", "--xzno", "7", "--out", out }),
                         QStringLiteral("604218"), {}, work.path())
                     .status,
            0);
        QCOMPARE(contents(out), header + line("SOUP", 7) + line("BREAD", 7));

        // A buffer cut short keeps the entries before the fault and says so.
        QVERIFY(write(work.filePath(QStringLiteral("cut.bin")), departmentReport({ { "MILK", 9 } }).chopped(10)));
        const CliProgram::Result cut
            = m_cli->run(asAdmin({ "report", "store", "cut.bin" }), QStringLiteral("604218"), {}, work.path());
        QCOMPARE(cut.status, 4);
        QVERIFY2(cut.err.contains("cut.bin: not a complete report buffer"), cut.err.constData());
        QCOMPARE(m_cli
                     ->run(asAdmin({ "report", "export", "--table", "nosuchtable" }), QStringLiteral("604218"), {},
                         work.path())
                     .status,
            2);

        // Names the login language's code page cannot read stay two rows, letter for byte.
        QVERIFY(write(
            work.filePath(QStringLiteral("latin.bin")), departmentReport({ { "CAF\xC9", 5 }, { "CAF\xC8", 5 } })));
        QCOMPARE(
            m_cli->run(asAdmin({ "report", "store", "latin.bin" }), QStringLiteral("604218"), {}, work.path()).status,
            0);
        const CliProgram::Result five
            = m_cli->run(asAdmin({ "report", "export", "--table", "dailydepartment", "--xzno", "5" }),
                QStringLiteral("604218"), {}, work.path());
        QCOMPARE(five.out, header + line("CAFÉ", 5) + line("CAFÈ", 5));
        // In a code page a byte it cannot read is kept as \xHH; an export gives the names as
        // stored (read from the register once: Arabic digit runs are not turned twice).
        QVERIFY(write(work.filePath(QStringLiteral("greek.bin")),
            departmentReport({ { "\xCA\xC1\xD6\xC5\xFF", 6 }, { "\xCA\xC1\xD6\xC5\xD2", 6 } })));
        QVERIFY(write(work.filePath(QStringLiteral("arabic.bin")), departmentReport({ { "X Y 123 54", 4 } })));
        for (const auto& [language, file] : { std::pair("greek", "greek.bin"), std::pair("arabic", "arabic.bin") })
            QCOMPARE(m_cli
                         ->run({ "--user", "admin", "--language", language, "report", "store", file },
                             QStringLiteral("604218"), {}, work.path())
                         .status,
                0);
        const CliProgram::Result six = m_cli->run({ "--user", "admin", "--language", "greek", "report", "export",
                                                      "--table", "dailydepartment", "--xzno", "6" },
            QStringLiteral("604218"), {}, work.path());
        QCOMPARE(six.out, header + line("ΚΑΦΕ\\xFF", 6) + line("ΚΑΦΕ\\xD2", 6));
        QStringList kept;
        forEachRow(work.filePath(QStringLiteral("XZReport.db")),
            QStringLiteral("select Name from dailydepartment where XZNo = 4"),
            [&](const QSqlQuery& query) { kept << query.value(0).toString(); });
        QCOMPARE(kept.size(), 1);
        const CliProgram::Result four = m_cli->run({ "--user", "admin", "--language", "arabic", "report", "export",
                                                       "--table", "dailydepartment", "--xzno", "4" },
            QStringLiteral("604218"), {}, work.path());
        QCOMPARE(four.out, header + line(kept.first().toUtf8().constData(), 4));
        // No buffer is read from a device, and an export reads only a store that exists.
        const CliProgram::Result device
            = m_cli->run(asAdmin({ "report", "store", "/dev/zero" }), QStringLiteral("604218"), {}, work.path());
        QCOMPARE(device.status, 4);
        QVERIFY2(device.err.contains("not a report buffer"), device.err.constData());
        const CliProgram::Result missing
            = m_cli->run(asAdmin({ "report", "export", "--table", "dailydepartment", "--db", "typo.db" }),
                QStringLiteral("604218"), {}, work.path());
        QCOMPARE(missing.status, 4);
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("typo.db"))));
        // Nor is a configuration set taken for a store (it gained the 45 report tables).
        const QString set = file(QStringLiteral("first.db"));
        const CliProgram::Result intoSet
            = m_cli->run(asAdmin({ "report", "export", "--table", "dailydepartment", "--db", set }),
                QStringLiteral("604218"), {}, work.path());
        QCOMPARE(intoSet.status, 4);
        QVERIFY2(intoSet.err.contains("is a configuration set"), intoSet.err.constData());
        QVERIFY(!tablesOf(set).contains(QStringLiteral("dailydepartment")));
        // Nor another program's database, whether read or stored into.
        const QString foreign = file(QStringLiteral("customers.db"));
        QVERIFY(withDatabaseFile(foreign, [](QSqlQuery& query) { return query.exec("create table customers (id)"); }));
        for (const QStringList& command : { QStringList { "report", "export", "--table", "dailydepartment" },
                 QStringList { "report", "store", "--register", "till", file(QStringLiteral("none.bin")) } }) {
            const CliProgram::Result intoForeign = m_cli->run(
                asAdmin(command + QStringList { "--db", foreign }), QStringLiteral("604218"), {}, work.path());
            QCOMPARE(intoForeign.status, 4);
            QVERIFY2(intoForeign.err.contains("holds another program's tables"), intoForeign.err.constData());
            QCOMPARE(tablesOf(foreign), QStringList(QStringLiteral("customers")));
        }
    }

    // Two registers' reports of the same number stay apart, in a file and on a server.
    void reportsByRegister_data() { addDatabaseKindRows(); }

    void reportsByRegister()
    {
        QFETCH(bool, server);
        QTemporaryDir work;
        QString db = work.filePath(QStringLiteral("reports.db"));
        if (server) {
            TALLVANE_REQUIRE_CLUSTER(cluster);
            db = cluster->url(QStringLiteral("cli_reports"));
        }
        const QString z = work.filePath(QStringLiteral("z.bin"));
        QVERIFY(write(z, departmentReport({ { "SOUP", 7 } })));
        const QByteArray tcp("tcp:192.168.1.31");
        const QByteArray serial("serial:/dev/ttyUSB0");
        for (const QByteArray& reg : { tcp, serial }) {
            const CliProgram::Result stored
                = m_cli->run(asAdmin({ "report", "store", "--register", QString::fromLatin1(reg), "--db", db, z }));
            QVERIFY2(stored.status == 0, stored.err.constData());
        }
        const QList<QPair<QByteArray, QByteArray>> exports { { tcp, reportLine("SOUP", 7, tcp) },
            { serial, reportLine("SOUP", 7, serial) },
            { "", reportLine("SOUP", 7, tcp) + reportLine("SOUP", 7, serial) } };
        for (const auto& [reg, lines] : exports) {
            QStringList arguments { "report", "export", "--table", "dailydepartment", "--db", db };
            if (!reg.isEmpty())
                arguments << QStringLiteral("--register") << QString::fromLatin1(reg);
            const CliProgram::Result exported = m_cli->run(asAdmin(arguments));
            QVERIFY2(exported.status == 0, exported.err.constData());
            QCOMPARE(exported.out, kReportHeader + lines);
        }

        // Two programs storing the same buffer at once make one row of each entry, not two.
        QList<QPair<QByteArray, qint32>> many;
        for (int i = 0; i < 1500; ++i)
            many.append({ "ITEM" + QByteArray::number(i), i });
        const QString big = work.filePath(QStringLiteral("big.bin"));
        QVERIFY(write(big, departmentReport(many)));
        const QStringList store = asAdmin({ "report", "store", "--register", "till", "--db", db, big });
        QProcess first, second;
        m_cli->start(&first, store);
        m_cli->start(&second, store);
        for (QProcess* process : { &first, &second }) {
            const CliProgram::Result stored = finish(process);
            QVERIFY2(stored.status == 0, stored.err.constData());
        }
        const CliProgram::Result once = m_cli->run(
            asAdmin({ "report", "export", "--table", "dailydepartment", "--db", db, "--register", "till" }));
        QCOMPARE(once.out.count('\n'), 1 + many.size());

        if (!server)
            return;
        // Export neither makes a store that is not there nor takes a set on the server for one.
        TALLVANE_REQUIRE_CLUSTER(cluster);
        const QString set = cluster->url(QStringLiteral("cli_set_not_store"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", set })).status, 0);
        const QList<QPair<QString, QByteArray>> refused { { set, "is a configuration set" },
            { cluster->url(QStringLiteral("cli_typo")), "no such report store" } };
        for (const auto& [location, why] : refused) {
            const CliProgram::Result result
                = m_cli->run(asAdmin({ "report", "export", "--table", "dailydepartment", "--db", location }));
            QCOMPARE(result.status, 4);
            QVERIFY2(result.err.contains(why), result.err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
