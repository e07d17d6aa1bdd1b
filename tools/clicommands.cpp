#include "tools/clicommands.h"

#include "journal/journal.h"
#include "link/changes.h"
#include "link/outcome.h"
#include "link/protocol.h"
#include "link/sendrequest.h"
#include "link/serialserver.h"
#include "link/transferjournal.h"
#include "logo/graphic.h"
#include "records/categories.h"
#include "records/gridcells.h"
#include "records/headerrow.h"
#include "records/recordcodec.h"
#include "records/system.h"
#include "records/tablediff.h"
#include "records/verify.h"
#include "reports/reportdb.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "storage/csvfile.h"
#include "storage/serverdb.h"
#include "storage/setcopy.h"
#include "storage/setlocation.h"
#include "tools/cliconsole.h"
#include "tools/clilink.h"
#include "tools/clisession.h"
#include "users/permissions.h"
#include "users/usrdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

int CommandContext::usageError(const QString& message) const
{
    Cli::printProblem(message);
    Cli::printError(m_usage);
    return Cli::ExitUsage;
}

bool CommandContext::required(const QString& option, QString* value, int* status) const
{
    if (m_parser.isSet(option)) {
        *value = m_parser.value(option);
        return true;
    }
    *status = usageError(QStringLiteral("--%1 is required").arg(option));
    return false;
}

int CommandContext::logIn(int category)
{
    const int status = m_session.logIn();
    if (status != Cli::ExitOk || category == CategoryNone)
        return status;
    return m_session.authorise(category);
}

namespace {

// new-db FILE
QList<QCommandLineOption> noOptions()
{
    return {};
}

int newDb(CommandContext& context)
{
    const QStringList files = context.positional();
    if (files.size() != 1 || files.first().isEmpty())
        return context.usageError(QStringLiteral("new-db takes one FILE"));
    if (const int status = context.logIn(CategoryNone))
        return status;
    const QString path = files.first();
    createDatabase(path);
    if (Cli::criticalNoticeShown()) {
        // The notice says that it failed; the set's check says why (a missing folder with the
        // path as given: the check names the file only).
        if (!isServerLocation(path) && !QFileInfo(path).absoluteDir().exists())
            Cli::printProblem(QStringLiteral("cannot make %1: the folder %2 does not exist")
                                  .arg(path, QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
        else if (const QString why = describeDatabaseProblem(); !why.isEmpty())
            Cli::printProblem(why);
        return Cli::ExitFileError;
    }
    // The new file is read back as any file that is opened; it must hold every table.
    const DatabaseCheck check = currentDatabaseCheck();
    if (check.opened && check.damage.isEmpty() && check.missingTables.isEmpty() && check.badTables.isEmpty())
        return Cli::ExitOk;
    Cli::printProblem(describeDatabaseProblem());
    return Cli::ExitFileError;
}

// What a report store's location holds before it is opened as one (which makes the 45 report
// tables in whatever it finds): nothing yet, a configuration set, another program's tables
// (none of a store's), or something else (a store, or an empty database); Unknown when a server
// cannot be asked (opening the store then says why).
enum class StoreProbe { Missing, Set, Foreign, Other, Unknown };

StoreProbe probeStore(const QString& location)
{
    const QString name = QStringLiteral("tallvane_store_probe");
    StoreProbe found = StoreProbe::Unknown;
    {
        QSqlDatabase probe;
        QString error;
        if (isServerLocation(location)) {
            SetLocation server;
            bool exists = false;
            if (SetLocation::parse(location, &server, &error) && ServerDb::open(server, name, &error)) {
                probe = QSqlDatabase::database(name, false);
                if (ServerDb::schemaExists(probe, server.set, &exists, &error))
                    found = exists ? StoreProbe::Other : StoreProbe::Missing;
            }
        } else if (!QFileInfo::exists(location)) {
            found = StoreProbe::Missing;
        } else if (QFileInfo(location).isFile()) {
            probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            probe.setDatabaseName(location);
            probe.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            found = probe.open() ? StoreProbe::Other : StoreProbe::Unknown;
        }
        const QStringList tables = found == StoreProbe::Other ? ServerDb::tables(probe) : QStringList();
        if (tables.contains(QStringLiteral("table_plu"), Qt::CaseInsensitive))
            found = StoreProbe::Set;
        else if (!tables.isEmpty()
            && std::none_of(tables.cbegin(), tables.cend(), [](const QString& table) { return isReportTable(table); }))
            found = StoreProbe::Foreign;
    }
    QSqlDatabase::removeDatabase(name);
    return found;
}

// The report store of --db, or the default one; null (with the reason printed) when it cannot be
// opened or is a configuration set. A server's password comes from the password file or
// PGPASSWORD only.
reportDb* openReportStore(const CommandContext& context)
{
    const StoreProbe probe
        = context.isSet(QStringLiteral("db")) ? probeStore(context.value(QStringLiteral("db"))) : StoreProbe::Unknown;
    if (probe == StoreProbe::Set || probe == StoreProbe::Foreign) {
        // Opened as a store, it would gain the store's 45 tables.
        Cli::printProblem(
            QString::fromLatin1(probe == StoreProbe::Set ? "%1 is a configuration set, not a report store"
                                                         : "%1 holds another program's tables, not a report store")
                .arg(shownSetName(context.value(QStringLiteral("db")))));
        return nullptr;
    }
    if (context.isSet(QStringLiteral("db")))
        reportDb::setInstanceLocation(context.value(QStringLiteral("db")));
    reportDb* store = reportDb::instance();
    if (!Cli::criticalNoticeShown())
        return store;
    Cli::printProblem(QStringLiteral("%1: %2").arg(shownSetName(store->location()), store->openError()));
    return nullptr;
}

// report store [--register NAME] [--db FILE|URL] FILE...
QList<QCommandLineOption> reportStoreOptions()
{
    return { QCommandLineOption(QStringLiteral("register"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE|URL")) };
}

int reportStore(CommandContext& context)
{
    const QStringList files = context.positional();
    if (files.isEmpty())
        return context.usageError(QStringLiteral("report store takes at least one FILE"));
    if (const int status = context.logIn(CategoryNone))
        return status;
    reportDb* store = openReportStore(context);
    if (!store)
        return Cli::ExitFileError;
    const QString reg = context.value(QStringLiteral("register"));
    int status = Cli::ExitOk;
    for (const QString& path : files) {
        // A report buffer is small: a device or pipe (which may read without end) or a file
        // larger than any register sends is none.
        constexpr qint64 kMaxBuffer = 16 * 1024 * 1024;
        QFile file(path);
        const QFileInfo info(path);
        if (info.exists() && (!info.isFile() || info.size() > kMaxBuffer)) {
            Cli::printProblem(QStringLiteral("%1: not a report buffer (%2)")
                                  .arg(path,
                                      info.isFile() ? QStringLiteral("larger than 16 MiB")
                                                    : QStringLiteral("a device, pipe or folder")));
            status = Cli::ExitFileError;
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            Cli::printProblem(QStringLiteral("%1: %2").arg(path, file.errorString()));
            status = Cli::ExitFileError;
            continue;
        }
        const QByteArray buffer = file.readAll();
        int skipped = 0;
        const int stored = store->storeReport(buffer, reg, &skipped);
        if (skipped > 0 && stored != reportDb::ReportNotStored)
            Cli::printProblem(QStringLiteral("%1: %2 entr%3 with a selector that names no report table, not stored")
                                  .arg(path)
                                  .arg(skipped)
                                  .arg(skipped == 1 ? QStringLiteral("y") : QStringLiteral("ies")));
        switch (stored) {
        case reportDb::ReportStored:
            break;
        case reportDb::ReportMalformed:
            Cli::printProblem(
                QStringLiteral("%1: not a complete report buffer; the complete entries before the fault are stored")
                    .arg(path));
            status = Cli::ExitFileError;
            break;
        default:
            Cli::printProblem(
                QStringLiteral("%1: not stored: the report database failed%2")
                    .arg(path,
                        store->lastFailure().isEmpty() ? QString() : QStringLiteral(": ") + store->lastFailure()));
            status = Cli::ExitFileError;
            break;
        }
    }
    return status;
}

// copy --from SET --to SET [--replace]
QList<QCommandLineOption> copyOptions()
{
    return { QCommandLineOption(QStringLiteral("from"), QString(), QStringLiteral("SET")),
        QCommandLineOption(QStringLiteral("to"), QString(), QStringLiteral("SET")),
        QCommandLineOption(QStringLiteral("replace")) };
}

int copySet(CommandContext& context)
{
    QString from, to;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("from"), &from, &status) || !context.required(QStringLiteral("to"), &to, &status))
        return status;
    if ((status = context.logIn(CategoryNone)))
        return status;
    // A copy reads and writes every table of a set: it needs the permission of each category.
    for (const Category* entry = categoriesBegin(); entry != categoriesEnd(); ++entry)
        if (categoryPermission(entry->number) != 0 && (status = context.session().authorise(entry->number)))
            return status;
    QString error;
    switch (SetCopy::copySet(from, to, context.isSet(QStringLiteral("replace")), &error)) {
    case SetCopy::Copied:
        Cli::printLine(QStringLiteral("copied %1 to %2").arg(shownSetName(from), shownSetName(to)));
        Journal::append(Journal::Save, QString(), QString(),
            QStringLiteral("every table of %1 copied to %2").arg(shownSetName(from), shownSetName(to)),
            QStringLiteral("from: %1\nto: %2\nreplace: %3")
                .arg(canonicalLocation(from), canonicalLocation(to),
                    context.isSet(QStringLiteral("replace")) ? QStringLiteral("yes") : QStringLiteral("no")));
        return Cli::ExitOk;
    case SetCopy::TargetExists:
        // Replacing another set's tables stands for a question the window would ask.
        Cli::printProblem(
            QStringLiteral("%1 holds a set already; nothing was copied (add --replace to replace its tables)")
                .arg(shownSetName(to)));
        return Cli::ExitUsage;
    default:
        // The addresses as shown elsewhere: a password in one is not printed back.
        Cli::printProblem(QStringLiteral("cannot copy %1 to %2: %3; %2 is as it was")
                              .arg(shownSetName(from), shownSetName(to), error));
        return Cli::ExitFileError;
    }
}

// TYPE: a short name or a data type name; the logo only where the command sends it.
struct TypeName {
    const char* shortName;
    int category;
};

const TypeName kTypeNames[] = {
    { "dept", CategoryDept },
    { "plu", CategoryPlu },
    { "tax", CategoryTax },
    { "disc", CategoryDisc },
    { "group", CategoryGroup },
    { "clerk", CategoryClerk },
    { "header", CategoryHeader },
    { "trailer", CategoryTrailer },
    { "extheader", CategoryExtHeader },
    { "net", CategoryNetParm },
    { "sys", CategorySysParm },
};

const char kLogoType[] = "logo";

} // namespace

QStringList cliTypeNames()
{
    QStringList names;
    for (const TypeName& name : kTypeNames)
        names << QLatin1String(name.shortName);
    for (const TypeName& name : kTypeNames)
        names << QLatin1String(categoryByNumber(name.category)->typeName);
    names << QLatin1String(kLogoType);
    return names;
}

namespace {

// The category of `--type`, or a usage error. `logo` allows the logo.
int readType(const CommandContext& context, bool logo, int* category)
{
    QString text;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("type"), &text, &status))
        return status;
    // Either case: the window names the page "PLU", the short names are lower case.
    *category = CategoryNone;
    for (const TypeName& name : kTypeNames)
        if (text.compare(QLatin1String(name.shortName), Qt::CaseInsensitive) == 0)
            *category = name.category;
    if (const Category* entry = categoryByType(text.toUpper().toLatin1()))
        *category = entry->number;
    if (logo
        && (text.compare(QLatin1String(kLogoType), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("GRAPHICDATA"), Qt::CaseInsensitive) == 0))
        *category = CategoryGraphic;
    if (*category == CategoryNone)
        return context.usageError(QStringLiteral("unknown TYPE \"%1\"").arg(text));
    if (*category != CategoryGraphic && !codecForCategory(*category))
        return context.usageError(QStringLiteral("%1: this version cannot encode or decode these records yet")
                                      .arg(QLatin1String(categoryByNumber(*category)->typeName)));
    return Cli::ExitOk;
}

QString typeText(int category)
{
    if (const Category* entry = categoryByNumber(category))
        return QString::fromLatin1(entry->typeName);
    return QString::fromLatin1(kLogoType);
}

// The configuration database at `path` made current; a missing file is not created, and a
// file that SQLite cannot read is not used. The set's texts are read and written in its own
// language, with a note when that is not --language.
int openConfigDatabase(const QString& path)
{
    if (!isServerLocation(path) && !QFileInfo(path).isFile()) {
        Cli::printProblem(QStringLiteral("%1: no such database file").arg(path));
        return Cli::ExitFileError;
    }
    openDatabase(path);
    const DatabaseCheck check = currentDatabaseCheck();
    if (check.opened && check.damage.isEmpty()) {
        if (const QString note = describeSetLanguage(LanguageReader::Tool); !note.isEmpty())
            Cli::printProblem(note);
        return Cli::ExitOk;
    }
    Cli::printProblem(describeDatabaseProblem());
    return Cli::ExitFileError;
}

// Why a table could not be read or saved, in SQLite's words where it gave them.
void tableProblem(const QString& path, const RecordCodec* codec, const char* failed)
{
    const QString reason = lastDatabaseError();
    Cli::printProblem(QStringLiteral("%1: %2 %3%4")
                          .arg(path, QLatin1String(codec->category().table), QLatin1String(failed),
                              reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
}

// The stored rows of `category` as the window's grid shows them.
int loadShownRows(int category, const QString& path, ItemTable* rows, QList<QByteArray>* records = nullptr)
{
    const RecordCodec* codec = codecForCategory(category);
    ItemTable stored;
    if (!codec->loadShownTable(&stored, records)) {
        tableProblem(path, codec, "cannot be read");
        return Cli::ExitFileError;
    }
    *rows = gridTexts(stored, codec, category);
    return Cli::ExitOk;
}

// Writes a table as the window's export writes its file: to `path`, or to standard output
// when `path` is empty.
int writeTable(const QString& path, const ItemTable& table)
{
    QString error;
    if (path.isEmpty()) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && writeCsv(&out, table) && out.flush())
            return Cli::ExitOk;
        Cli::printProblem(QStringLiteral("standard output: %1").arg(out.errorString()));
        return Cli::ExitFileError;
    }
    if (writeCsvFile(path, table, &error))
        return Cli::ExitOk;
    Cli::printProblem(QStringLiteral("%1: %2").arg(path, error));
    return Cli::ExitFileError;
}

ItemRow textCells(const QStringList& texts)
{
    ItemRow row;
    for (const QString& text : texts)
        row.append(text);
    return row;
}

// Header row first, as the window's export collects the grid.
ItemTable withHeader(int category, const ItemTable& rows)
{
    ItemTable table;
    const ItemRow header = categoryHeaderRow(category);
    if (!header.isEmpty())
        table.append(header);
    table += rows;
    return table;
}

int refuseTableless(const CommandContext& context, int category, const char* command)
{
    if (category == CategorySysParm || category == CategoryGraphic)
        return context.usageError(QStringLiteral("%1 has no table to %2; the window shows it on a page of its own")
                                      .arg(typeText(category), QLatin1String(command)));
    return Cli::ExitOk;
}

// export --db FILE --type TYPE [--out FILE.csv]
// A usage error when `out` is the set's own file (the CSV would be written over the set), or
// names a workbook (a CSV under that name opens in no spreadsheet and imports as none).
int refuseOutOverSet(const CommandContext& context, const QString& db, const QString& out)
{
    if (out.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
        || out.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return context.usageError(QStringLiteral("--out %1: the table is written as CSV: give FILE.csv").arg(out));
    const QFileInfo file(out);
    if (out.isEmpty() || db.isEmpty() || !file.exists() || isServerLocation(db)
        || file.canonicalFilePath() != QFileInfo(db).canonicalFilePath())
        return Cli::ExitOk;
    return context.usageError(QStringLiteral("--out %1 is the set itself: give another file").arg(out));
}

QList<QCommandLineOption> exportOptions()
{
    return { QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE.csv")) };
}

int exportTable(CommandContext& context)
{
    QString db;
    int category = CategoryNone;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("db"), &db, &status))
        return status;
    if ((status = readType(context, false, &category)) || (status = refuseTableless(context, category, "export"))
        || (status = refuseOutOverSet(context, db, context.value(QStringLiteral("out")))))
        return status;
    if ((status = context.logIn(category)) || (status = openConfigDatabase(db)))
        return status;
    ItemTable rows;
    if ((status = loadShownRows(category, db, &rows)))
        return status;
    return writeTable(context.value(QStringLiteral("out")), withHeader(category, rows));
}

// "row 3, Name: 27 bytes in windows-1253; the register keeps 25: ..." for each of `fits`;
// `firstRow` numbers the first row, or `fileRows` each row (its line in the file). Columns go by
// the names the files give them.
QStringList fitLines(
    const RecordCodec* codec, const QList<CellFit>& fits, int firstRow, const QList<int>& fileRows = {})
{
    QStringList headers = codec->headers();
    const ItemRow fileHeaders = categoryHeaderRow(codec->category().number);
    for (int c = 0; c < fileHeaders.size() && c < headers.size(); ++c)
        headers[c] = fileHeaders.at(c).toString();
    QStringList lines;
    for (const CellFit& fit : fits)
        lines << QStringLiteral("row %1, %2: %3")
                     .arg(fileRows.isEmpty() ? fit.row + firstRow : fileRows.value(fit.row))
                     .arg(headers.value(fit.column), fit.message());
    return lines;
}

// What the operator should check of the table file `in` as a whole (other columns than the
// table's, rows longer than its header line, codes read from scientific notation), a line each.
void printImportNotes(const QString& in, const TableFile& file, const RecordCodec* codec)
{
    const int category = codec->category().number;
    const int headerColumns = int(categoryHeaderRow(category).size());
    for (const QString& note : importNotes(
             file, headerColumns > 0 ? headerColumns : int(codec->columns().size()), categoryHeaderNames(category)))
        Cli::printProblem(QStringLiteral("%1: %2").arg(in, note));
}

// import --db FILE --type TYPE --in FILE [--add] [--yes]
QList<QCommandLineOption> importOptions()
{
    return { QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("in"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("add")), QCommandLineOption(QStringLiteral("yes")) };
}

int importTable(CommandContext& context)
{
    QString db, in;
    int category = CategoryNone;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("db"), &db, &status) || !context.required(QStringLiteral("in"), &in, &status))
        return status;
    if ((status = readType(context, false, &category)) || (status = refuseTableless(context, category, "import")))
        return status;
    if ((status = context.logIn(category)) || (status = openConfigDatabase(db)))
        return status;
    TableFile file;
    if (!readTableFile(in, &file)) {
        Cli::printProblem(QStringLiteral("cannot import %1: %2; the table is unchanged").arg(in, file.error));
        return Cli::ExitFileError;
    }
    ItemTable rows;
    QList<int> fileRows;
    if (!importRows(file, &rows, &fileRows)) {
        Cli::printProblem(QStringLiteral("%1 holds no rows below its header line; the table is unchanged").arg(in));
        return Cli::ExitOk;
    }
    const RecordCodec* codec = codecForCategory(category);
    printImportNotes(in, file, codec);
    // The stored rows, to add to; the network record's bytes that no column shows (byte 5,
    // what follows a text's NUL) come from the stored record, which loading makes current.
    const bool add = context.isSet(QStringLiteral("add"));
    ItemTable stored;
    QList<QByteArray> records;
    if ((add || category == CategoryNetParm) && (status = loadShownRows(category, db, &stored, &records)))
        return status;
    if (!add)
        records.clear();
    ItemTable table = gridTexts(rows, codec, category);
    // Cells the register would not hold as written ("3,50" in a price, a name too long) are
    // saved only when asked for, as the window's save asks first and by default saves nothing.
    const QList<CellFit> fits = codec->checkTable(rows, &table);
    if (!fits.isEmpty() && !context.isSet(QStringLiteral("yes"))) {
        for (const QString& line : fitLines(codec, fits, 2, fileRows))
            Cli::printProblem(QStringLiteral("%1: %2").arg(in, line));
        return context.usageError(QStringLiteral("%1 cell(s) of %2 would not be stored as written. Nothing was saved: "
                                                 "give --yes to save what the register keeps of them.")
                                      .arg(fits.size())
                                      .arg(in));
    }
    // Added as the window's import adds: PLUs by item code, other rows at the end; the
    // stored rows that no imported row replaces keep their records.
    if (add)
        table = addImportedRows(stored, table, category, &records);
    if (!saveTableJournaled(category, table, records)) {
        tableProblem(db, codec, "not saved, the database keeps its previous rows");
        return Cli::ExitFileError;
    }
    Journal::append(Journal::Import, typeText(category), QString(),
        QStringLiteral("%1 rows imported from %2 into %3%4")
            .arg(rows.size())
            .arg(QFileInfo(in).fileName(), shownSetName(db), add ? QStringLiteral(", added") : QString()),
        QStringLiteral("file: %1\nrows: %2\nmode: %3\nset: %4")
            .arg(QDir::toNativeSeparators(QFileInfo(in).absoluteFilePath()))
            .arg(rows.size())
            .arg(add ? QStringLiteral("add") : QStringLiteral("replace"),
                isServerLocation(db) ? canonicalLocation(db) : QDir::toNativeSeparators(QFileInfo(db).absoluteFilePath())));
    return Cli::ExitOk;
}

// install --db FILE --type TYPE [--command install|add|update|delete] LINK
// install --type logo --image FILE [--size WxH] [--stretch] [--logo-number 1|2] --serial PORT
QList<QCommandLineOption> installOptions()
{
    return QList<QCommandLineOption> { QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("command"), QString(), QStringLiteral("COMMAND")),
        QCommandLineOption(QStringLiteral("image"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("size"), QString(), QStringLiteral("WxH")),
        QCommandLineOption(QStringLiteral("logo-number"), QString(), QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("stretch")), QCommandLineOption(QStringLiteral("verify")),
        QCommandLineOption(QStringLiteral("yes")), QCommandLineOption(QStringLiteral("changes")),
        QCommandLineOption(QStringLiteral("keep-deleted")) }
    + LinkOptions::options();
}

int readCommand(const CommandContext& context, int category, quint8* command)
{
    static const struct {
        const char* name;
        quint8 command;
    } commands[] = { { "install", CommandInstall }, { "add", CommandAdd }, { "update", CommandUpdate },
        { "delete", CommandDelete } };
    *command = CommandInstall;
    if (!context.isSet(QStringLiteral("command")))
        return Cli::ExitOk;
    const QString name = context.value(QStringLiteral("command"));
    *command = 0;
    for (const auto& entry : commands)
        if (name == QLatin1String(entry.name))
            *command = entry.command;
    if (*command == 0)
        return context.usageError(QStringLiteral("--command takes install, add, update or delete"));
    if (*command != CommandInstall && category != CategoryPlu)
        return context.usageError(QStringLiteral("add, update and delete are commands of PLUs only"));
    if (context.isSet(QStringLiteral("changes")))
        return context.usageError(QStringLiteral("--changes sends what differs by itself: it goes without --command"));
    return Cli::ExitOk;
}

// A send that cannot be undone on the register (a PLU delete, clear data) goes only with
// --yes, which stands for the window's question; without it nothing is sent (ExitUsage).
int confirmedUnattended(const CommandContext& context, const QString& question)
{
    if (question.isEmpty() || context.isSet(QStringLiteral("yes")))
        return Cli::ExitOk;
    return context.usageError(
        QStringLiteral("%1 Nothing was sent: give --yes to do it without being asked.").arg(question));
}

// The logo options, checked before the login; the picture is read after it.
int readLogoOptions(const CommandContext& context, const LinkOptions& link, QSize* size, quint8* number)
{
    for (const char* option : { "db", "command" })
        if (context.isSet(QLatin1String(option)))
            return context.usageError(QStringLiteral("--%1 does not go with --type logo").arg(QLatin1String(option)));
    if (!context.isSet(QStringLiteral("image")))
        return context.usageError(QStringLiteral("--type logo needs --image FILE"));
    if (!link.serial)
        return context.usageError(QStringLiteral("the logo is sent over RS-232 only: give --serial PORT"));
    *size = QSize(192, 64);
    if (context.isSet(QStringLiteral("size"))) {
        const QStringList parts = context.value(QStringLiteral("size")).toLower().split(QLatin1Char('x'));
        bool okWidth = false, okHeight = false;
        const int width = parts.value(0).toInt(&okWidth);
        const int height = parts.value(1).toInt(&okHeight);
        *size = Graphic::roundedSize(width, height);
        if (parts.size() != 2 || !okWidth || !okHeight || width < 0 || height < 0 || !Graphic::sizeAllowed(*size))
            return context.usageError(QStringLiteral("--size takes WxH of at least 32x8, at most %1 wide and at most "
                                                     "%2 pixels in all (rounded to multiples of 32x8: %3x%4)")
                                          .arg(Graphic::kMaxWidth)
                                          .arg(Graphic::kMaxPixels)
                                          .arg(size->width())
                                          .arg(size->height()));
    }
    if (Graphic::packedLengthFor(*size) > Graphic::kMaxPackedLength)
        return context.usageError(QStringLiteral("image data is too big."));
    *number = 0;
    if (context.isSet(QStringLiteral("logo-number"))) {
        const QString value = context.value(QStringLiteral("logo-number"));
        if (value != QLatin1String("1") && value != QLatin1String("2"))
            return context.usageError(QStringLiteral("--logo-number takes 1 or 2"));
        *number = quint8(value.toInt() - 1);
    }
    return Cli::ExitOk;
}

int packLogo(const QString& path, const QSize& size, Graphic::Placement placement)
{
    QString error;
    const QImage picture = Graphic::readPicture(path, &error);
    if (picture.isNull()) {
        Cli::printProblem(QStringLiteral("%1 could not be read: %2").arg(path, error));
        return Cli::ExitFileError;
    }
    Graphic::setLogoSize(size);
    Graphic::packLogo(Graphic::monochrome(picture, size, placement));
    return Cli::ExitOk;
}

// Runs `request` on the link; the rows each register acknowledges make the progress. With
// `verify`, every register that ended the send reads the table back, and all must hold it
// as sent.
int send(const LinkOptions& options, const SendRequest& request, int rows)
{
    CliLink link(options);
    int status = link.open();
    if (status != Cli::ExitOk)
        return status;
    status = link.runSend(rows, request);
    // Without a read-back, a register whose replies came late holds what nobody knows.
    if (status == Cli::ExitOk && !request.verify && link.uncertain())
        return Cli::ExitTransferFailed;
    if (status != Cli::ExitOk || !request.verify)
        return status;
    if (link.verifiedRegisters() == 0)
        Cli::printProblem(QStringLiteral("no register sent the table back"));
    return link.verifiedRegisters() > 0 && link.allHeldAsSent() ? Cli::ExitOk : Cli::ExitNotAsShown;
}

// install --changes: each register gets what differs from its baseline in the set; a register
// without a baseline gets nothing (status 1), one whose table is unchanged nothing either.
int sendChanges(const CommandContext& context, const LinkOptions& options, int category, const ItemTable& rows,
    const QList<QByteArray>& records, bool verify)
{
    CliLink link(options);
    int status = link.open();
    if (status != Cli::ExitOk)
        return status;
    bool unknown = false;
    bool unsent = false; // a table that differs could not be sent (no rows, or a link two registers share)
    int most = 0;
    QHash<QString, SendRequest> requests;
    QList<RegisterPlan> plans = planChanges(category, rows, records, link.links(true));
    for (RegisterPlan& plan : plans) {
        unknown = unknown || !plan.hasBaseline;
        unsent = unsent || plan.emptyTable || plan.sharing > 1;
        if (!plan.request.sendable()) {
            Cli::printError(plan.sentence());
            continue;
        }
        Cli::printError(plan.sentence());
        plan.request.verify = verify;
        most = qMax(most, plan.request.rowCount());
        requests.insert(plan.link, plan.request);
    }
    // PLUs gone from the set go from the registers too: only with --yes, as delete; with
    // --keep-deleted the other changes go without them.
    if (context.isSet(QStringLiteral("keep-deleted"))) {
        keepDeleted(&requests);
        most = 0;
        for (const SendRequest& request : std::as_const(requests))
            most = qMax(most, request.rowCount());
    } else if ((status = confirmedUnattended(context, plannedDeletesQuestion(plans)))) {
        return status;
    }
    if (!requests.isEmpty())
        status = link.runEach(most, requests);
    if (status == Cli::ExitOk && verify && !requests.isEmpty() && !link.allHeldAsSent())
        status = Cli::ExitNotAsShown;
    if (status == Cli::ExitOk && !verify && link.uncertain())
        status = Cli::ExitTransferFailed;
    // A register of the fleet that never connected got nothing, changed or not.
    if (status == Cli::ExitOk && !link.complete())
        status = Cli::ExitTransferFailed;
    return status == Cli::ExitOk && (unknown || unsent) ? Cli::ExitTransferFailed : status;
}

// --verify, where the register can send the category back to compare.
int readVerify(const CommandContext& context, int category, quint8 command, bool* verify)
{
    *verify = context.isSet(QStringLiteral("verify"));
    VerifyMode mode = VerifyMode::InOrder;
    const Category* entry = categoryByNumber(category);
    if (*verify && (!entry || !verifyModeFor(*entry, command, &mode)))
        return context.usageError(QStringLiteral("--verify: %1 is not read back from the register to compare")
                                      .arg(typeText(category)));
    return Cli::ExitOk;
}

int install(CommandContext& context)
{
    int category = CategoryNone;
    quint8 command = CommandInstall;
    LinkOptions link;
    bool verify = false;
    int status = Cli::ExitOk;
    if ((status = readType(context, true, &category)) || (status = readCommand(context, category, &command))
        || (status = readVerify(context, category, command, &verify)) || (status = LinkOptions::read(context, &link)))
        return status;
    // Tallvane keeps no baseline of these: there is nothing to send the changes against.
    if (context.isSet(QStringLiteral("changes")) && (category == CategorySysParm || category == CategoryGraphic))
        return context.usageError(QStringLiteral("--changes: %1 is always sent whole").arg(typeText(category)));
    if (context.isSet(QStringLiteral("keep-deleted")) && !context.isSet(QStringLiteral("changes")))
        return context.usageError(QStringLiteral("--keep-deleted goes with --changes"));
    if (context.isSet(QStringLiteral("keep-deleted")) && context.isSet(QStringLiteral("yes")))
        return context.usageError(QStringLiteral("--yes deletes the PLUs, --keep-deleted keeps them: give one"));

    if (category == CategoryGraphic) {
        QSize size;
        quint8 number = 0;
        if ((status = readLogoOptions(context, link, &size, &number)) || (status = context.logIn(category))
            || (status = packLogo(context.value(QStringLiteral("image")), size,
                    context.isSet(QStringLiteral("stretch")) ? Graphic::Placement::Stretch : Graphic::Placement::Fit)))
            return status;
        SendRequest request = installRequest(category, ItemTable());
        request.logoChunks = Graphic::dataList();
        request.logoNumber = number;
        return send(link, request, 0);
    }

    QString db;
    if (!context.required(QStringLiteral("db"), &db, &status))
        return status;
    for (const char* option : { "image", "size", "logo-number", "stretch" })
        if (context.isSet(QLatin1String(option)))
            return context.usageError(QStringLiteral("--%1 goes with --type logo only").arg(QLatin1String(option)));
    if ((status = context.logIn(category)) || (status = openConfigDatabase(db)))
        return status;

    ItemTable rows;
    QList<QByteArray> records; // the stored rows go as they are stored
    if (category == CategorySysParm) {
        if (!System::loadSystemRecord()) {
            tableProblem(db, System::instance(), "cannot be read");
            return Cli::ExitFileError;
        }
    } else if ((status = loadShownRows(category, db, &rows, &records))) {
        return status;
    }
    SendRequest request = command == CommandInstall ? installRequest(category, rows, records)
                                                    : itemRequest(command, category, rows, link.serial, records);
    if (!request.refusals.isEmpty()) {
        for (const QString& refusal : request.refusals)
            Cli::printProblem(refusal);
        Cli::printProblem(QStringLiteral("nothing is sent"));
        return Cli::ExitFileError;
    }
    request.verify = verify;
    if (context.isSet(QStringLiteral("changes")))
        return sendChanges(context, link, category, rows, records, verify);
    // A table of no rows sends no frame: the registers would keep what they hold. A script
    // that meant to send a table is told by the status that none went (an import left it empty).
    if (!request.sendable() || (request.hasTable && request.table.isEmpty())) {
        Cli::printProblem(
            QStringLiteral("%1 holds no %2 rows: nothing is sent").arg(shownSetName(db), typeText(category)));
        return Cli::ExitTransferFailed;
    }
    if (const int refused = confirmedUnattended(context, irreversibleQuestion(request, {})))
        return refused;
    return send(link, request, request.hasTable ? int(request.table.size()) : 1);
}

// check --type TYPE --in FILE | --db FILE
QList<QCommandLineOption> checkOptions()
{
    return { QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("in"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")) };
}

// One line per cell of `shown` that the register would not hold as shown; `sent` holds
// the rows as they would be encoded and `kept` the records of rows sent as stored (see
// RecordCodec::checkTable). `firstRow` numbers the first row.
int printFits(const RecordCodec* codec, const ItemTable& shown, const ItemTable& sent, int firstRow,
    const QList<QByteArray>& kept = {}, const QList<int>& fileRows = {})
{
    const QStringList lines = fitLines(codec, codec->checkTable(shown, &sent, &kept), firstRow, fileRows);
    for (const QString& line : lines)
        Cli::printLine(line);
    return lines.isEmpty() ? Cli::ExitOk : Cli::ExitNotAsShown;
}

int check(CommandContext& context)
{
    int category = CategoryNone;
    int status = Cli::ExitOk;
    if ((status = readType(context, false, &category)) || (status = refuseTableless(context, category, "check")))
        return status;
    const QString in = context.value(QStringLiteral("in"));
    const QString db = context.value(QStringLiteral("db"));
    if (in.isEmpty() == db.isEmpty())
        return context.usageError(QStringLiteral("check takes either --in FILE or --db FILE"));
    if ((status = context.logIn(category)))
        return status;
    const RecordCodec* codec = codecForCategory(category);
    if (!db.isEmpty()) {
        // A stored row is installed as stored: only rows without a record are encoded.
        ItemTable rows;
        QList<QByteArray> records;
        if ((status = openConfigDatabase(db)) || (status = loadShownRows(category, db, &rows, &records)))
            return status;
        return printFits(codec, rows, rows, 1, records);
    }
    TableFile file;
    if (!readTableFile(in, &file)) {
        Cli::printProblem(QStringLiteral("cannot read %1: %2").arg(in, file.error));
        return Cli::ExitFileError;
    }
    ItemTable rows;
    QList<int> fileRows;
    if (!importRows(file, &rows, &fileRows)) {
        Cli::printProblem(QStringLiteral("%1 holds no rows below its header line").arg(in));
        return Cli::ExitOk;
    }
    // What an import would say of the file as a whole comes first, as import says it.
    printImportNotes(in, file, codec);
    // The file's cells against what an import and an install would make of them, each row
    // numbered by its line in the file.
    return printFits(codec, rows, gridTexts(rows, codec, category), 2, {}, fileRows);
}

// download --type TYPE LINK [--db FILE] [--out FILE.csv]
QList<QCommandLineOption> downloadOptions()
{
    return QList<QCommandLineOption> { QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE.csv")) }
    + LinkOptions::options();
}

int download(CommandContext& context)
{
    int category = CategoryNone;
    LinkOptions link;
    int status = Cli::ExitOk;
    if ((status = readType(context, false, &category)) || (status = LinkOptions::read(context, &link)))
        return status;
    const QString db = context.value(QStringLiteral("db"));
    const QString out = context.value(QStringLiteral("out"));
    const bool toStdout = db.isEmpty() && out.isEmpty();
    if (category == CategorySysParm && db.isEmpty())
        return context.usageError(QStringLiteral("the system parameters are kept in a database only: give --db FILE"));
    if (category == CategorySysParm && !out.isEmpty())
        return context.usageError(QStringLiteral("the system parameters have no table to write as CSV"));
    if (!link.serial && link.registers > 1)
        return context.usageError(QStringLiteral("download receives from one register: give --registers 1"));
    if ((status = refuseOutOverSet(context, db, out)))
        return status;
    if ((status = context.logIn(category)))
        return status;
    if (!db.isEmpty() && (status = openConfigDatabase(db)))
        return status;
    // The system record's last two bytes do not travel: the set's own are kept, not a default.
    if (category == CategorySysParm && !System::loadSystemRecord()) {
        tableProblem(db, System::instance(), "cannot be read");
        return Cli::ExitFileError;
    }

    CliLink receiver(link);
    // With the table on standard output, the words go to standard error.
    receiver.setWordsToStderr(toStdout);
    if ((status = receiver.open()))
        return status;
    const QByteArray type = categoryByNumber(category)->typeName;
    status = receiver.run(-1, [&] { return receiver.receive(type); });
    if (status == Cli::ExitOk && receiver.unread())
        status = Cli::ExitTransferFailed;
    if (status != Cli::ExitOk) {
        Cli::printProblem(QStringLiteral("the download did not end: nothing is written"));
        return status;
    }
    const ItemTable received = receiver.received().value(0);
    if (received.isEmpty() && !db.isEmpty())
        Cli::printProblem(QStringLiteral("no rows received: %1 is unchanged").arg(shownSetName(db)));
    if (category == CategorySysParm && !received.isEmpty() && !System::saveSystemRecord()) {
        tableProblem(db, System::instance(), "not saved, the database keeps its previous rows");
        return Cli::ExitFileError;
    }
    if (category == CategorySysParm)
        return Cli::ExitOk;

    const RecordCodec* codec = codecForCategory(category);
    const ItemTable rows = gridTexts(received, codec, category);
    // The file first: one that cannot be written (a folder, a full disk) fails the command
    // before the set is changed, so that a failure leaves the set as it was.
    if (!out.isEmpty() && (status = writeTable(out, withHeader(category, rows))))
        return status;
    // The rows are stored as the register sent them, byte for byte.
    if (!received.isEmpty() && !db.isEmpty()
        && !saveTableJournaled(category, rows, receiver.receivedRecords().value(0))) {
        tableProblem(db, codec, "not saved, the database keeps its previous rows");
        return Cli::ExitFileError;
    }
    if (toStdout)
        return writeTable(out, withHeader(category, rows));
    return Cli::ExitOk;
}

// clear --serial PORT [--db FILE] --yes
QList<QCommandLineOption> clearOptions()
{
    return { QCommandLineOption(QStringLiteral("serial"), QString(), QStringLiteral("PORT")),
        QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("yes")) };
}

int clear(CommandContext& context)
{
    LinkOptions link;
    link.serial = true;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("serial"), &link.port, &status))
        return status;
    SendRequest request = itemRequest(CommandClear, CategoryNone, ItemTable(), true);
    if ((status = confirmedUnattended(context, irreversibleQuestion(request, {})))
        || (status = context.logIn(CategoryNone)))
        return status;
    if (!mayClearRegisters(usrdb::instance()->loginRecord())) {
        Cli::printError(QStringLiteral("No authority: only the administrator may erase a register's tables."));
        return Cli::ExitRefused;
    }
    // The set's baselines of the register become empty tables, as the window's ClearData does.
    if (context.isSet(QStringLiteral("db")) && (status = openConfigDatabase(context.value(QStringLiteral("db")))))
        return status;
    return send(link, request, 1);
}

// diff --db FILE --type TYPE (--register LINK | LINK)
QList<QCommandLineOption> diffOptions()
{
    return QList<QCommandLineOption> { QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("type"), QString(), QStringLiteral("TYPE")),
        QCommandLineOption(QStringLiteral("register"), QString(), QStringLiteral("ID")) }
    + LinkOptions::options();
}

// Prints how the stored table differs from `held` on register `name`; true when it does.
bool printDifference(const RecordCodec& codec, const QString& name, const QList<QByteArray>& held,
    const QList<QByteArray>& current)
{
    const TableDiff diff = diffRecords(codec, held, current);
    Cli::printLine(QStringLiteral("%1: %2").arg(name, diff.summary()));
    for (const RecordChange& change : diff.changes)
        Cli::printLine(QStringLiteral("  ") + change.describe());
    return !diff.isEmpty();
}

int diffTable(CommandContext& context)
{
    int category = CategoryNone;
    QString db;
    int status = Cli::ExitOk;
    if ((status = readType(context, false, &category)) || !context.required(QStringLiteral("db"), &db, &status))
        return status;
    const RecordCodec* codec = codecForCategory(category);
    if (!codec || category == CategorySysParm)
        return context.usageError(QStringLiteral("%1 has no table to compare").arg(typeText(category)));
    const bool byRegister = context.isSet(QStringLiteral("register"));
    LinkOptions link;
    if (byRegister) {
        for (const QCommandLineOption& option : LinkOptions::options())
            if (context.isSet(option.names().constFirst()))
                return context.usageError(QStringLiteral("give --register ID or a LINK, not both"));
        if (context.value(QStringLiteral("register")).trimmed().isEmpty())
            return context.usageError(
                QStringLiteral("--register takes a register: tcp:ADDRESS, serial:PORT or its name"));
    } else if ((status = LinkOptions::read(context, &link))) {
        return status;
    }
    if ((status = context.logIn(category)) || (status = openConfigDatabase(db)))
        return status;
    ItemTable rows;
    QList<QByteArray> records;
    if ((status = loadShownRows(category, db, &rows, &records)))
        return status;
    const QList<QByteArray> current = storedRecords(category, rows, records);

    if (byRegister) {
        // A register by its link, or by the name the operator gave it in the set.
        QString reg = context.value(QStringLiteral("register"));
        // A serial port by any name of its device, as sends record it.
        if (reg.startsWith(QLatin1String("serial:")))
            reg = serialLinkId(reg.mid(7));
        if (!reg.startsWith(QLatin1String("tcp:")) && !reg.startsWith(QLatin1String("serial:"))) {
            QStringList named;
            for (const QString& known : BaselineStore::registers())
                if (BaselineStore::name(known) == reg.trimmed())
                    named << known;
            if (named.size() > 1)
                return context.usageError(
                    QStringLiteral("%1 names %2 registers (%3): give the link")
                        .arg(reg, QString::number(named.size()), named.join(QStringLiteral(", "))));
            if (named.isEmpty())
                return context.usageError(
                    QStringLiteral("no register of %1 is named %2: give a name from the connection table, or the "
                                   "link (tcp:ADDRESS, serial:PORT)")
                        .arg(shownSetName(db), reg));
            reg = named.constFirst();
        }
        QList<QByteArray> baseline;
        if (!BaselineStore::load(reg, category, &baseline)) {
            Cli::printProblem(QStringLiteral("%1 has no baseline of %2 for %3: download to compare, or install the "
                                             "whole table")
                                  .arg(shownSetName(db), typeText(category), reg));
            return Cli::ExitFileError;
        }
        return printDifference(*codec, reg, baseline, current) ? Cli::ExitNotAsShown : Cli::ExitOk;
    }
    // Without a baseline: what the registers send now is compared.
    CliLink receiver(link);
    receiver.setWordsToStderr(true);
    if ((status = receiver.open()))
        return status;
    // The registers that answered are compared even when one did not (status 1 then).
    status = receiver.run(-1, [&] { return receiver.receive(codec->category().typeName); });
    bool differs = false;
    for (const QString& reg : receiver.links())
        if (receiver.received(reg))
            differs = printDifference(*codec, reg, receiver.recordsOf(reg), current) || differs;
    // A register whose rows this link cannot read was not compared: that is no difference, and
    // no agreement either (its sentence says why).
    if (status == Cli::ExitOk && receiver.unread())
        status = Cli::ExitTransferFailed;
    return status != Cli::ExitOk ? status : differs ? Cli::ExitNotAsShown : Cli::ExitOk;
}

// report export --table NAME [--xzno N] [--register NAME] [--db FILE|URL] [--out FILE.csv]
QList<QCommandLineOption> reportExportOptions()
{
    return { QCommandLineOption(QStringLiteral("table"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("xzno"), QString(), QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("register"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE|URL")),
        QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE.csv")) };
}

int reportExport(CommandContext& context)
{
    QString table;
    int status = Cli::ExitOk;
    if (!context.required(QStringLiteral("table"), &table, &status))
        return status;
    if (!isReportTable(table))
        return context.usageError(
            QStringLiteral("no report table \"%1\" (for example dailyplu, clerk1dailytender, zone12grandtotal)")
                .arg(table));
    ReportFilter filter;
    if (context.isSet(QStringLiteral("xzno"))) {
        bool ok = false;
        filter.xzNo = context.value(QStringLiteral("xzno")).toInt(&ok);
        if (!ok)
            return context.usageError(QStringLiteral("--xzno takes a report number"));
    }
    if (context.isSet(QStringLiteral("register")))
        filter.reg = context.value(QStringLiteral("register"));
    if ((status = context.logIn(CategoryNone)))
        return status;
    // Exporting reads a store: a mistyped file name is no empty store to be made.
    const QString location
        = context.isSet(QStringLiteral("db")) ? context.value(QStringLiteral("db")) : reportDb::defaultFileName();
    if (probeStore(location) == StoreProbe::Missing) {
        Cli::printProblem(QStringLiteral("%1: no such report store").arg(location));
        return Cli::ExitFileError;
    }
    reportDb* store = openReportStore(context);
    if (!store)
        return Cli::ExitFileError;
    QList<StoredReportRow> rows;
    if (!store->readRows(table, filter, &rows)) {
        Cli::printProblem(QStringLiteral("%1: %2 cannot be read").arg(shownSetName(store->location()), table));
        return Cli::ExitFileError;
    }
    ItemTable csv { textCells(reportDb::columnNames()) };
    for (const StoredReportRow& stored : rows)
        csv.append(textCells(reportDb::rowTexts(stored)));
    return writeTable(context.value(QStringLiteral("out")), csv);
}

// journal export [--since DATE] [--out FILE.csv]
QList<QCommandLineOption> journalExportOptions()
{
    return { QCommandLineOption(QStringLiteral("since"), QString(), QStringLiteral("DATE")),
        QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE.csv")) };
}

// A date stands for the start of that day on this computer; a date and time without a zone is
// this computer's time too.
bool readSince(const QString& text, QDateTime* since)
{
    // QDate::fromString() also accepts "2024-05-01T14:30" (it stops at the first non-digit after the
    // date), which would drop the time and the zone: a date alone is exactly ten characters.
    if (const QDate date = QDate::fromString(text, Qt::ISODate); text.size() == 10 && date.isValid()) {
        *since = date.startOfDay();
        return true;
    }
    *since = QDateTime::fromString(text, Qt::ISODate);
    return since->isValid();
}

int journalExport(CommandContext& context)
{
    JournalFilter filter;
    filter.oldestFirst = true;
    if (context.isSet(QStringLiteral("since")) && !readSince(context.value(QStringLiteral("since")), &filter.from))
        return context.usageError(
            QStringLiteral("--since takes a date (2024-05-01) or a date and time (2024-05-01T14:30)"));
    if (const int status = context.logIn(CategoryNone))
        return status;
    QList<JournalEntry> entries;
    QString error;
    if (!Journal::read(filter, &entries, &error)) {
        Cli::printProblem(
            QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(Journal::filePath()), error));
        return Cli::ExitFileError;
    }
    ItemTable table { textCells({ QStringLiteral("id"), QStringLiteral("time"), QStringLiteral("user"),
        QStringLiteral("pc"), QStringLiteral("kind"), QStringLiteral("category"), QStringLiteral("register"),
        QStringLiteral("summary"), QStringLiteral("details"), QStringLiteral("hash") }) };
    for (const JournalEntry& entry : entries)
        table.append(textCells({ QString::number(entry.id), entry.time, entry.user, entry.pc, entry.kind,
            entry.category, entry.reg, entry.summary, entry.details, entry.hash }));
    const QString out = context.value(QStringLiteral("out"));
    const int status = writeTable(out, table);
    // What operators did is for the journal's owner alone, in the export as in the journal.
    if (status == Cli::ExitOk && QFileInfo(out).isFile())
        QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return status;
}

// journal verify
int journalVerify(CommandContext& context)
{
    if (const int status = context.logIn(CategoryNone))
        return status;
    const JournalCheck check = Journal::verify();
    if (!check.readable) {
        Cli::printProblem(
            QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(Journal::filePath()), check.reason));
        return Cli::ExitFileError;
    }
    if (!check.ok) {
        Cli::printLine(QStringLiteral("journal broken at entry %1: %2").arg(check.firstBroken).arg(check.reason));
        return Cli::ExitJournalBroken;
    }
    Cli::printLine(check.entries == 1 ? QStringLiteral("journal verified: 1 entry")
                                      : QStringLiteral("journal verified: %1 entries").arg(check.entries));
    return Cli::ExitOk;
}

} // namespace

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands {
        { "new-db", "new-db FILE", true,
            "Creates the configuration database FILE with its twelve tables, as File > new does in\n"
            "the window. An existing FILE is refused (\"FILE is exist.\", status 4).",
            &noOptions, &newDb },
        { "copy", "copy --from SET --to SET [--replace]", false,
            "Copies a whole configuration set between any two of a file and a server set (for\n"
            "example a head office's price list to a shop): the twelve tables row for row, byte\n"
            "for byte, and the language of the register texts. A missing --to set is made; an\n"
            "existing one is replaced only with --replace (otherwise status 2), in one transaction,\n"
            "and keeps the baselines and names of its own registers, so that install --changes\n"
            "then sends each register what differs from what it holds. It needs the permission of\n"
            "every category (else status 3).",
            &copyOptions, &copySet },
        { "export", "export --db FILE --type TYPE [--out FILE.csv]", false,
            "Writes the stored table of TYPE as CSV exactly as the window's export writes the page:\n"
            "UTF-8 with a byte-order mark, the category's header row first, the cells as the grid\n"
            "shows them. Without --out the CSV goes to standard output. The system parameters\n"
            "have no table to export.",
            &exportOptions, &exportTable },
        { "import", "import --db FILE --type TYPE --in FILE [--add] [--yes]", false,
            "Reads a CSV file or the first worksheet of an .xlsx workbook as the window's import does\n"
            "(its first line with text is the header and is dropped) and saves the rows as the\n"
            "window's save does. The stored table is replaced only when the whole file was read; a\n"
            "file without rows below its header line leaves it unchanged. With --add the rows are\n"
            "added to the stored ones instead, as the window's Add answer does: a PLU whose item code\n"
            "is stored already replaces that row, as a numbered row (Indx) does the row of its\n"
            "number; other rows are appended. Notes on the file (columns that differ from the page's\n"
            "in number or name, rows longer than the header line, codes read from scientific\n"
            "notation) go to standard error. A file with cells that the register would not hold as\n"
            "written (see check) is saved only with --yes, as what the register keeps of them;\n"
            "without it the cells are listed on standard error and nothing is saved (status 2), as\n"
            "the window's save asks first.",
            &importOptions, &importTable },
        { "check", "check --type TYPE --in FILE | --db FILE", false,
            "Tells which cells the register would not hold as they are written: one line per cell\n"
            "(\"row 3, Name: 27 bytes in windows-1253; the register keeps 25: ...\") with the reason\n"
            "and what the register would keep, and status 1 when there is any. --in checks a CSV\n"
            "file or .xlsx workbook before it is imported (rows numbered by their line in the file,\n"
            "a sheet's by its row; the cells against what import and install would make of them);\n"
            "--db checks the stored table (rows numbered as the window's grid shows them); a stored\n"
            "row is installed byte for byte as stored, so only the starting rows of an empty table\n"
            "are checked there. The code page is that of the set with --db, else that of --language.",
            &checkOptions, &check },
        { "install",
            "install --db FILE --type TYPE [--command install|add|update|delete [--yes] | --changes [--yes | "
            "--keep-deleted]] [--verify] LINK",
            false,
            "Loads the stored table of TYPE and sends it to the registers as the window's install\n"
            "does, every stored record byte for byte as it is stored; a table the register must not\n"
            "get is refused before any register is waited for (status 4); a table without rows is not\n"
            "sent at all (status 1). --command add, update or\n"
            "delete sends every stored PLU row with that PLU command instead; delete cannot be undone\n"
            "on the register and goes only with --yes (without it nothing is sent, status 2). With\n"
            "--verify each register that ended with END sends the table back and it is compared with\n"
            "what was sent (the PLUs of add and update must be there as sent, those of delete gone):\n"
            "\"verified: 3 rows identical\", or the rows and fields that differ, and status 1 when\n"
            "a register holds anything else. Each register's outcome ends with a sentence on\n"
            "standard error (\"127.0.0.1: 20 PLUs installed and verified\").\n"
            "\n"
            "With --changes each register gets only what differs from its baseline in the set (see\n"
            "diff): PLUs as deletes of the codes gone, updates of the rows changed and adds of the\n"
            "new ones, in that order; other tables whole, to the registers whose baseline differs.\n"
            "Changes that delete PLUs go only with --yes (without it nothing is sent, status 2);\n"
            "--keep-deleted sends the other changes and leaves those PLUs on the registers (they\n"
            "stay in the baselines, so the next send of changes offers them again). A register\n"
            "without a baseline gets nothing and the status is 1.\n"
            "\n"
            "  install --type logo --image FILE [--size WxH] [--stretch] [--logo-number 1|2] --serial PORT\n"
            "\n"
            "packs the picture as the window's logo page does (default size 192x64, rounded to a\n"
            "multiple of 32 by a multiple of 8, at most 384 wide and 40967 pixels; the picture keeps its proportions, "
            "centred, or with\n"
            "--stretch covers the whole logo) and sends it as logo 1 or 2 (default 1) over the\n"
            "serial link.",
            &installOptions, &install },
        { "download", "download --type TYPE LINK [--db FILE] [--out FILE.csv]", false,
            "Asks the register for the table of TYPE. With --db the received rows replace the stored\n"
            "table (as download and save in the window); with --out they are written as CSV as the\n"
            "window's export writes them; without either the CSV goes to standard output and the\n"
            "status words go to standard error. Nothing is written unless the download ended with\n"
            "END; when it brought no rows, the database keeps its table. Over TCP the download\n"
            "takes one register. The system parameters go into a database only (--db).",
            &downloadOptions, &download },
        { "diff", "diff --db FILE --type TYPE (--register ID | LINK)", false,
            "Prints how the stored table of TYPE differs from what a register holds: one line per\n"
            "register (\"tcp:127.0.0.1: 2 new, 3 changed, 1 deleted\"), then one per row (\"1003: Price\n"
            "4.25 \u2192 4.50\"). With --register ID (tcp:ADDRESS, serial:PORT, or the name the set\n"
            "gives the register) against the baseline the set keeps for it (what the register held\n"
            "after its last install, verify or download; status 4 when there is none); with LINK\n"
            "against the table each register sends now. Status 0 when nothing differs, 1 when\n"
            "something does. The set's baselines follow every install, install --changes and\n"
            "download with --db; a diff with LINK downloads, so it updates them as well.",
            &diffOptions, &diffTable },
        { "clear", "clear --serial PORT [--db FILE] --yes", false,
            "Sends the clear-data command to the register on the serial port, as Tool > ClearData\n"
            "does in the window: it erases every table of the register and cannot be undone, so it\n"
            "goes only with --yes (without it nothing is sent, status 2), and only for the\n"
            "administrator (else status 3). With --db the set's baselines of the register become\n"
            "empty tables, so that diff and install --changes know what it holds.",
            &clearOptions, &clear },
        { "report store", "report store [--register NAME] [--db FILE|URL] FILE...", true,
            "Stores report buffers in the report database \"./XZReport.db\" (in the working folder;\n"
            "an installed tallvane-cli keeps XZReport.db in its data folder, ~/.local/share/tallvane):\n"
            "each FILE holds the raw bytes of one buffer as the register sends it. A buffer that is\n"
            "cut short or names no report kind keeps the complete entries before the fault and gives\n"
            "status 4. The rows belong to the register NAME (tcp:192.168.1.31, serial:/dev/ttyUSB0 or\n"
            "any name; without --register, to none): a report of one register never replaces that of\n"
            "another. --db keeps the report database in another file, or on a PostgreSQL server as\n"
            "postgresql://USER@HOST[:PORT]/DATABASE?set=NAME (the tables go into the schema NAME,\n"
            "created when missing; the password comes from ~/.pgpass or PGPASSWORD).",
            &reportStoreOptions, &reportStore },
        { "report export", "report export --table NAME [--xzno N] [--register NAME] [--db FILE|URL] [--out FILE.csv]",
            false,
            "Writes the rows of the report table NAME of the report database (see report store, also\n"
            "for --db), for example dailyplu, clerk3dailytender or zone12grandtotal, or only those of\n"
            "report number N, or of the register NAME (--register \"\" for the rows stored without\n"
            "one), as CSV with a header row of the sixteen column names (Register last); to standard\n"
            "output without --out.",
            &reportExportOptions, &reportExport },
        { "journal export", "journal export [--since DATE] [--out FILE.csv]", false,
            "Writes the journal (Journal.db in the data folder: logins, refused logins, saves,\n"
            "imports and each register's transfer) as CSV, oldest entry first, with a header row:\n"
            "id, time (UTC, ISO 8601), user, pc, kind, category, register, summary, details, hash.\n"
            "--since DATE keeps the entries from the start of that day on this computer, or from a\n"
            "date and time (2024-05-01T14:30, this computer's time unless it ends in Z or an offset).\n"
            "Without --out the CSV goes to standard output.",
            &journalExportOptions, &journalExport },
        { "journal verify", "journal verify", false,
            "Walks the journal's hash chain from its first entry. When every entry follows the one\n"
            "before it and matches its own hash, prints \"journal verified: N entries\" (status 0);\n"
            "otherwise prints the first entry that does not hold and why (\"journal broken at entry 4:\n"
            "entry 3 before it is missing\", status 1). A journal that cannot be read gives status 4.",
            &noOptions, &journalVerify },
    };
    return commands;
}
