#include "base/language.h"
#include "storage/csv.h"
#include "storage/csvfile.h"
#include "storage/xlsx.h"
#include "testsupport.h"
#include "workbookbuilder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtEndian>
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using WorkbookBuilder::Sheet;

Q_DECLARE_METATYPE(TableFile::Encoding)
Q_DECLARE_METATYPE(WorkbookBuilder::Sheet)

namespace {

ItemTable table(const QList<QStringList>& lines)
{
    ItemTable rows;
    for (const QStringList& line : lines) {
        ItemRow row;
        for (const QString& cell : line)
            row << cell;
        rows << row;
    }
    return rows;
}

// Root may open any file for writing; without CAP_DAC_OVERRIDE it meets a file's
// permission bits as every other user does. Restored when the object goes.
class WithoutOverride {
public:
    WithoutOverride()
    {
        if (geteuid() != 0)
            return;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = { m_saved[0], m_saved[1] };
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutOverride()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct m_saved[2] {};
    bool m_active = false;
};

QStringList temporaryCsvFiles()
{
    return QDir(QDir::tempPath()).entryList({ QStringLiteral("tallvane-*") }, QDir::Files);
}

QByteArray sheetRow(const QByteArray& cells, const QByteArray& reference = "1")
{
    return "<row r=\"" + reference + "\">" + cells + "</row>";
}

// The most memory the process has held so far (VmHWM).
qint64 peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

// Sets the uncompressed size of `part` in the zip's local and central headers to `size`.
bool understate(QByteArray* zip, const QByteArray& part, quint32 size)
{
    int patched = 0;
    for (qsizetype at = zip->indexOf(part); at >= 0; at = zip->indexOf(part, at + 1)) {
        if (at >= 30 && zip->mid(at - 30, 4) == QByteArray("PK\x03\x04", 4)) {
            qToLittleEndian<quint32>(size, zip->data() + at - 30 + 22);
            ++patched;
        } else if (at >= 46 && zip->mid(at - 46, 4) == QByteArray("PK\x01\x02", 4)) {
            qToLittleEndian<quint32>(size, zip->data() + at - 46 + 24);
            ++patched;
        }
    }
    return patched == 2;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

    static ItemTable readBack(const QByteArray& bytes)
    {
        TableFile file;
        readCsvText(bytes, &file);
        return file.rows;
    }

private slots:
    void readLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("two fields") << "a,b"
                                    << "," << QStringList { "a", "b" };
        QTest::newRow("trailing comma gives an empty field") << "a,"
                                                             << "," << QStringList { "a", "" };
        QTest::newRow("empty line") << ""
                                    << "," << QStringList {};
        QTest::newRow("commas only") << ",,"
                                     << "," << QStringList { "", "", "" };
        QTest::newRow("quoted comma in the middle") << "12,\"A,B\",3"
                                                    << "," << QStringList { "12", "A,B", "3" };
        QTest::newRow("quoted comma last") << "12,\"A,B\""
                                           << "," << QStringList { "12", "A,B" };
        QTest::newRow("doubled marks inside quotes") << "\"say \"\"hi\"\"\",1"
                                                     << "," << QStringList { "say \"hi\"", "1" };
        QTest::newRow("text after the closing mark") << "\"ab\"cd,e"
                                                     << "," << QStringList { "abcd", "e" };
        QTest::newRow("marks in an unquoted field stay") << "say \"\"hi\"\""
                                                         << "," << QStringList { "say \"\"hi\"\"" };
        QTest::newRow("quoted empty field") << "\"\""
                                            << "," << QStringList { "" };
        QTest::newRow("line break inside quotes") << "\"two\nlines\",x"
                                                  << "," << QStringList { "two\nlines", "x" };
        QTest::newRow("unclosed quote takes the rest") << "1,\"abc"
                                                       << "," << QStringList { "1", "abc" };
        QTest::newRow("CR LF line end") << "a,b\r\n"
                                        << "," << QStringList { "a", "b" };
        QTest::newRow("E+ with decimals") << "1.5E+3"
                                          << "," << QStringList { "1500" };
        QTest::newRow("E+ code of a spreadsheet") << "1.23457E+11,x"
                                                  << "," << QStringList { "123457000000", "x" };
        QTest::newRow("E+ negative") << "-2.5E+2"
                                     << "," << QStringList { "-250" };
        // A price keeps its cents: cut to an integer, 1.99 became 1.
        QTest::newRow("E+ with a fraction left") << "1.99E+0,1.25E+1"
                                                 << "," << QStringList { "1.99", "12.5" };
        QTest::newRow("E+ inside a word stays") << "TAKE+AWAY"
                                                << "," << QStringList { "TAKE+AWAY" };
        QTest::newRow("E+ followed by text stays") << "5E+3X"
                                                   << "," << QStringList { "5E+3X" };
        QTest::newRow("E+ without digits before stays") << "E+5"
                                                        << "," << QStringList { "E+5" };
        QTest::newRow("lower-case e+ stays") << "1.5e+3"
                                             << "," << QStringList { "1.5e+3" };
        QTest::newRow("E+ beyond 64 bits stays") << "1E+30"
                                                 << "," << QStringList { "1E+30" };
        QTest::newRow("quoted E+ is text") << "\"1.5E+3\""
                                           << "," << QStringList { "1.5E+3" };
        QTest::newRow("semicolon separator") << "a;\"b;c\";d"
                                             << ";" << QStringList { "a", "b;c", "d" };
        QTest::newRow("comma inside a semicolon file") << "1,5;x"
                                                       << ";" << QStringList { "1,5", "x" };
    }

    void readLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, fields);
        QByteArray bytes = text.toUtf8();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        csv reader;
        reader.setSeparator(separator.at(0));
        reader.setDevice(&buffer);
        QCOMPARE(reader.readLine(), fields);
        QVERIFY(reader.atEnd());
    }

    void conversionsAreCounted()
    {
        QByteArray bytes("Random,Name\n12,TEA\n1.23457E+11,\"1E+5\"\n\n4.5E+2,9.9E+1\n");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        csv reader;
        reader.setDevice(&buffer);
        const ItemTable rows = reader.readAll();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(3), ItemRow {});
        QCOMPARE(rows.at(4), (ItemRow { "450", "99" }));
        QCOMPARE(reader.conversions().count, 3);
        QCOMPARE(reader.conversions().firstLine, 3);
        QCOMPARE(reader.conversions().firstColumn, 1);
        // A new device starts a new count.
        QByteArray other("a,b\n");
        QBuffer otherBuffer(&other);
        otherBuffer.open(QIODevice::ReadOnly);
        reader.setDevice(&otherBuffer);
        reader.readAll();
        QCOMPARE(reader.conversions().count, 0);
    }

    // A large text is read in slices of records on several threads: rows and conversions are
    // what one reader over the whole text gives, whatever runs over lines or looks like a
    // quotation; a row more than the bound refuses the text.
    void largeTextsReadAsOneReader_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QByteArray>("text");
        const QByteArray records = "12,\"A,B\",3\r\n\"say \"\"hi\"\"\",1\n\"two\nlines\r\nhere\",x\n\nsay \"hi,2\n"
                                   "\"ab\"cd,\"e\nf\"\n1.23457E+11,\"1.5E+3\"\na\rb,\"\"\n\"q \"\"x\"\"\nnext\",2\n";
        QTest::newRow("comma") << "," << records.repeated(3000);
        QByteArray semicolons = records;
        semicolons.replace(',', ';');
        QTest::newRow("semicolon, with commas as text") << ";" << semicolons.repeated(3000) + records.repeated(100);
        QTest::newRow("byte-order mark, unclosed quotation at the end")
            << ","
            << "\xEF\xBB\xBF\"x\n" + records.repeated(3000) + "\"open,1\nand more";
        QTest::newRow("conversions late") << "," << QByteArray("a,b\n").repeated(20000) + "7.5E+2,4E+1\n";
        // A byte-order mark is dropped once, at the start; elsewhere it is a character.
        QTest::newRow("byte-order marks beginning records") << "," << "\xEF\xBB\xBF" + QByteArray("\xEF\xBB\xBFR,1\n").repeated(12000);
    }

    void largeTextsReadAsOneReader()
    {
        QFETCH(QString, separator);
        QFETCH(QByteArray, text);
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        csv reader;
        reader.setSeparator(separator.at(0));
        reader.setDevice(&buffer);
        const ItemTable expected = reader.readAll();
        QVERIFY(expected.size() > 10000);

        ItemTable rows;
        csv::Conversions conversions;
        QVERIFY(csv::readText(text, separator.at(0), expected.size(), &rows, &conversions));
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            if (rows.at(i) != expected.at(i))
                QFAIL(qPrintable(QStringLiteral("row %1 differs").arg(i)));
        QCOMPARE(conversions.count, reader.conversions().count);
        QCOMPARE(conversions.firstLine, reader.conversions().firstLine);
        QCOMPARE(conversions.firstColumn, reader.conversions().firstColumn);

        QVERIFY(!csv::readText(text, separator.at(0), expected.size() - 1, &rows, &conversions));
        QVERIFY(rows.isEmpty());
    }

    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "BREAD"
                               << "BREAD";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("comma") << "A,B"
                               << "\"A,B\"";
        QTest::newRow("quotation mark without comma") << "say \"hi\""
                                                      << "\"say \"\"hi\"\"\"";
        QTest::newRow("line break") << "two\nlines"
                                    << "\"two\nlines\"";
        QTest::newRow("carriage return") << "a\rb"
                                         << "\"a\rb\"";
        QTest::newRow("text in scientific notation") << "1E+5"
                                                     << "\"1E+5\"";
        QTest::newRow("E+ inside a word") << "TAKE+AWAY"
                                          << "TAKE+AWAY";
        QTest::newRow("semicolon") << "a;b"
                                   << "a;b";
    }

    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(csv::escape(text), written);
    }

    void writing()
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            csv writer;
            writer.setDevice(&buffer);
            writer.writeField(QStringLiteral("x"));
            writer.writeField(QStringLiteral("A,B"));
            writer.endLine();
            writer.writeTable(table({ { "1", "a" }, { "" }, {}, { "2", "", "b" } }));
            // A table written after an unfinished line continues it, as the header did.
            writer.writeField(QStringLiteral("y"));
            writer.writeTable(table({ { "3" } }));
        }
        QCOMPARE(bytes, QByteArray("x,\"A,B\"\n1,a\n\"\"\n\n2,,b\ny,3\n"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<ItemTable>("rows");
        QTest::newRow("plain") << table({ { "Random", "Name" }, { "12", "TEA" } });
        QTest::newRow("commas and marks")
            << table({ { "A,B", "say \"hi\"", "\"", ",", "\"\"", "x\"" }, { "\"quoted\"", "a\",\"b" } });
        QTest::newRow("line breaks") << table({ { "two\nlines", "x" }, { "\n", "end\n" }, { "a\rb" } });
        QTest::newRow("text in scientific notation") << table({ { "1E+5", "-2.5E+3", "TAKE+AWAY" } });
        QTest::newRow("empty cells and rows") << table({ { "", "", "" }, {}, { "" }, { "a", "" } });
        QTest::newRow("spaces kept") << table({ { " lead", "trail ", " " } });
        QTest::newRow("other scripts") << table({ { "Καφές", "שלום", "قهوة", "กาแฟ", "€" } });
    }

    void roundTrip()
    {
        QFETCH(ItemTable, rows);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            csv writer;
            writer.setDevice(&buffer);
            writer.writeTable(rows);
        }
        QCOMPARE(readBack(bytes), rows);

        // The same through the files that the window writes and reads.
        const QString path = m_dir.filePath(QStringLiteral("round.csv"));
        QString error;
        QVERIFY2(writeCsvFile(path, rows, &error), qPrintable(error));
        TableFile file;
        QVERIFY(readTableFile(path, &file));
        QCOMPARE(file.rows, rows);
        QCOMPARE(file.encoding, TableFile::Encoding::Utf8WithMark);
        QCOMPARE(file.scientificCount, 0);
    }

    void encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<TableFile::Encoding>("encoding");

        auto encoded
            = [](const char* codec, const QString& text) { return QTextCodec::codecForName(codec)->fromUnicode(text); };
        const QByteArray header("Random,Name\n");
        const QString greek = QStringLiteral("Καφές");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + header + "1," + greek.toUtf8() << int(English)
                                         << greek << TableFile::Encoding::Utf8WithMark;
        QTest::newRow("UTF-8 without mark, Greek desktop")
            << header + "1," + greek.toUtf8() << int(Greek) << greek << TableFile::Encoding::Utf8;
        QTest::newRow("windows-1253, Greek desktop")
            << header + "1," + encoded("windows-1253", greek) << int(Greek) << greek << TableFile::Encoding::CodePage;
        QTest::newRow("windows-1255, Hebrew desktop")
            << header + "1," + encoded("windows-1255", QStringLiteral("שלום")) << int(Hebrew) << QStringLiteral("שלום")
            << TableFile::Encoding::CodePage;
        QTest::newRow("windows-1256, Arabic desktop")
            << header + "1," + encoded("windows-1256", QStringLiteral("قهوة")) << int(Arabic) << QStringLiteral("قهوة")
            << TableFile::Encoding::CodePage;
        QTest::newRow("CP874, Thai desktop")
            << header + "1," + encoded("CP874", QStringLiteral("กาแฟ")) << int(Thailand) << QStringLiteral("กาแฟ")
            << TableFile::Encoding::CodePage;
        QTest::newRow("windows-1252, English desktop")
            << header + "1," + encoded("windows-1252", QStringLiteral("Café €")) << int(English)
            << QStringLiteral("Café €") << TableFile::Encoding::CodePage;
        // One byte of windows-1253 in a UTF-8 file spoils one letter, not every other one.
        QTest::newRow("UTF-8 with a stray byte, Greek desktop") << header + "1," + greek.toUtf8() + "\xE1" << int(Greek)
                                                                << greek + QChar(0xFFFD) << TableFile::Encoding::Utf8;
    }

    void encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(TableFile::Encoding, encoding);
        LanguageScope scope(language);
        QVERIFY(scope.isValid());
        TableFile file;
        QVERIFY(readTableFile(write(QStringLiteral("encoded.csv"), bytes), &file));
        scope.restore();
        QCOMPARE(file.encoding, encoding);
        QCOMPARE(file.rows, table({ { "Random", "Name" }, { "1", name } }));
        // How the file was read is said with the import.
        const QStringList notes = importNotes(file, 2);
        QCOMPARE(file.codePage.isEmpty(), encoding != TableFile::Encoding::CodePage);
        if (encoding == TableFile::Encoding::CodePage)
            QCOMPARE(notes, QStringList(QStringLiteral("it is not UTF-8 and was read as ") + file.codePage));
        else if (name.contains(QChar(0xFFFD)))
            QCOMPARE(notes,
                QStringList(
                    QStringLiteral("1 byte(s) are no UTF-8 letter, first in line 2: they show as ") + QChar(0xFFFD)));
        else
            QCOMPARE(notes, QStringList());
    }

    void separator_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<ItemTable>("rows");
        QTest::newRow("semicolons in the header")
            << QByteArray("Random;Name;Price;Stock+\n1;\"A;B\";2,50;-0,5\n2;1,5 kg;,5;1,2,3\n3;\"0,33\";1;1\n") << ";"
            << table({ { "Random", "Name", "Price", "Stock+" }, { "1", "A;B", "2.50", "-0.5" },
                   { "2", "1,5 kg", ",5", "1,2,3" }, { "3", "0,33", "1", "1" } });
        QTest::newRow("semicolons after a mark")
            << QByteArray("\xEF\xBB\xBFRandom;Name\r\n7;X\r\n") << ";" << table({ { "Random", "Name" }, { "7", "X" } });
        QTest::newRow("comma and semicolon in the header")
            << QByteArray("Random,Na;me\n1,2\n") << "," << table({ { "Random", "Na;me" }, { "1", "2" } });
        QTest::newRow("semicolons only below the header")
            << QByteArray("Random,Name\n1;2,3\n") << "," << table({ { "Random", "Name" }, { "1;2", "3" } });
        QTest::newRow("lines ended by CR alone") << QByteArray("Random;Name\r1;2,50\r2;X\r") << ";"
                                                 << table({ { "Random", "Name" }, { "1", "2.50" }, { "2", "X" } });
        QTest::newRow("header of one column")
            << QByteArray("Random\n1;2\n") << "," << table({ { "Random" }, { "1;2" } });
    }

    void separator()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, separator);
        QFETCH(ItemTable, rows);
        TableFile file;
        readCsvText(bytes, &file);
        QCOMPARE(QString(file.separator), separator);
        QCOMPARE(file.rows, rows);
    }

    void readOnlyFile()
    {
        const QString path = write(QStringLiteral("readonly.csv"), "Random,Name\n1,TEA\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        WithoutOverride asUser;
        QFile probe(path);
        QVERIFY2(!probe.open(QIODevice::ReadWrite), "the file must refuse writing for this test to mean anything");
        TableFile file;
        QVERIFY2(readTableFile(path, &file), qPrintable(file.error));
        QCOMPARE(file.rows, table({ { "Random", "Name" }, { "1", "TEA" } }));
    }

    void unreadableFiles()
    {
        TableFile file;
        QVERIFY(!readTableFile(m_dir.filePath(QStringLiteral("missing.csv")), &file));
        QVERIFY(!file.error.isEmpty());
        QVERIFY(file.rows.isEmpty());
        QVERIFY(!readTableFile(m_dir.path(), &file));
    }

    void headerOnlyAndEmptyFiles()
    {
        TableFile file;
        QVERIFY(
            readTableFile(write(QStringLiteral("header.csv"), "\xEF\xBB\xBFRandom,Name,Dept,Price,Stock+\n"), &file));
        QCOMPARE(file.rows, table({ { "Random", "Name", "Dept", "Price", "Stock+" } }));
        QVERIFY(readTableFile(write(QStringLiteral("empty.csv"), ""), &file));
        QVERIFY(file.rows.isEmpty());
        // An exported empty table holds only the byte-order mark: it reads back as no row.
        QString error;
        const QString exported = m_dir.filePath(QStringLiteral("exported-empty.csv"));
        QVERIFY(writeCsvFile(exported, ItemTable(), &error));
        QVERIFY(readTableFile(exported, &file));
        QCOMPARE(file.rows, ItemTable());
        // Blank lines below the header are no rows; only blank ones leave the table as it is.
        ItemTable rows;
        QVERIFY(readTableFile(write(QStringLiteral("blank.csv"), "Random,Name\n\n1001,A\n,\n \t, \n\n"), &file));
        QVERIFY(importRows(file, &rows));
        QCOMPARE(rows, table({ { "1001", "A" } }));
        QVERIFY(readTableFile(write(QStringLiteral("blanks.csv"), "Random,Name\n\n,\n"), &file));
        QVERIFY(!importRows(file, &rows));
        // Blank lines above it (a sheet whose table starts a row down) come before the header;
        // each row keeps its line in the file.
        QList<int> lines;
        QVERIFY(readTableFile(write(QStringLiteral("lower.csv"), "\n,\nRandom,Name\n1001,A\n\n1002,B\n"), &file));
        QVERIFY(importRows(file, &rows, &lines));
        QCOMPARE(rows, table({ { "1001", "A" }, { "1002", "B" } }));
        QCOMPARE(lines, QList<int>({ 4, 6 }));
        QCOMPARE(importNotes(file, 2, { "random", "NAME" }), QStringList());
        // The separator is the header line's, below blank lines too.
        QVERIFY(readTableFile(write(QStringLiteral("semicolons.csv"), "\n;\nRandom;Name\n1001;A,B\n"), &file));
        QVERIFY(importRows(file, &rows));
        QCOMPARE(rows, table({ { "1001", "A,B" } }));
        // Another table's file, and a row moved by an unquoted comma, are said to be.
        QVERIFY(readTableFile(
            write(QStringLiteral("other.csv"), "Indx,Name,Rate,Options\n1,VAT,24,0,,\n2,A,2,50,0\n"), &file));
        QCOMPARE(importNotes(file, 4, { "Indx", "Name", "Group", "Print" }),
            QStringList({ "its header line names other columns than the page's (Indx,Name,Group,Print): the columns "
                          "are read by their place",
                "1 row(s) hold more cells than the header line, first: row 3: check for a comma in a number or "
                "name" }));
        // A file without a header line (its first line opens with a number) loses no row.
        QVERIFY(readTableFile(write(QStringLiteral("headerless.csv"), "\n1,WELCOME\n2,THANK YOU\n"), &file));
        QVERIFY(importRows(file, &rows, &lines));
        QCOMPARE(rows, table({ { "1", "WELCOME" }, { "2", "THANK YOU" } }));
        QCOMPARE(lines, QList<int>({ 2, 3 }));
        QCOMPARE(importNotes(file, 2, { "Indx", "EXTHeader" }),
            QStringList { "it has no header line: its first line is imported as a row" });
    }

    void writeReplacesTheFile()
    {
        const QString path = write(QStringLiteral("old.csv"), QByteArray(1000, 'x'));
        QString error;
        QVERIFY(writeCsvFile(path, table({ { "Indx", "Name" }, { "1", "Καφές" } }), &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBFIndx,Name\n1,") + QStringLiteral("Καφές").toUtf8() + "\n");

        QVERIFY(!writeCsvFile(m_dir.filePath(QStringLiteral("no/such/folder/x.csv")), table({ { "1" } }), &error));
        QVERIFY(!error.isEmpty());
        // A database named by mistake is left as it is.
        const QByteArray database = QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0');
        const QString set = write(QStringLiteral("set.db"), database);
        QVERIFY(!writeCsvFile(set, table({ { "1", "A" } }), &error));
        QVERIFY2(error.contains(QStringLiteral("it is a database")), qPrintable(error));
        QFile kept(set);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), database);
        // A device is written as it is, not replaced by a file; a full one says so.
        if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
            error.clear();
            QVERIFY(!writeCsvFile(QStringLiteral("/dev/full"), table({ { "1", "A" } }), &error));
            QVERIFY(!error.isEmpty());
            QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
        }
    }

    void workbookNumber_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12-digit code") << "123456789012"
                                       << "123456789012";
        QTest::newRow("16-digit code") << "1234567890123456"
                                       << "1234567890123456";
        QTest::newRow("decimal") << "1.5"
                                 << "1.5";
        QTest::newRow("negative") << "-7.25"
                                  << "-7.25";
        QTest::newRow("integer with zeros") << "100"
                                            << "100";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("negative zero") << "-0"
                                       << "0";
        QTest::newRow("trailing zeros") << "1.50"
                                        << "1.5";
        QTest::newRow("below one") << "0.5"
                                   << "0.5";
        QTest::newRow("negative below one") << "-0.5"
                                            << "-0.5";
        QTest::newRow("leading zero") << "05"
                                      << "5";
        QTest::newRow("point without decimals") << "1."
                                                << "1";
        QTest::newRow("15 significant digits kept") << "1234567.12345678"
                                                    << "1234567.12345678";
        QTest::newRow("16 significant digits rounded") << "1234567.123456789"
                                                       << "1234567.12345679";
        QTest::newRow("exponent of a code") << "1.23456789012E+11"
                                            << "123456789012";
        QTest::newRow("large exponent") << "5E+20"
                                        << "500000000000000000000";
        QTest::newRow("negative exponent") << "1E-3"
                                           << "0.001";
        QTest::newRow("lower-case exponent") << "2.5e-2"
                                             << "0.025";
        QTest::newRow("binary noise") << "2.4500000000000002"
                                      << "2.45";
        QTest::newRow("binary noise below one") << "0.30000000000000004"
                                                << "0.3";
        QTest::newRow("rounding carries") << "9.9999999999999999"
                                          << "10";
        QTest::newRow("not a number") << "abc"
                                      << "abc";
    }

    void workbookNumber()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(workbookNumberText(stored), shown);
    }

    void workbook_data()
    {
        QTest::addColumn<QList<Sheet>>("sheets");
        QTest::addColumn<QByteArray>("shared");
        QTest::addColumn<ItemTable>("rows");

        QTest::newRow("shared strings with rich text")
            << QList<Sheet> { { "sheet1.xml",
                   sheetRow("<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" "
                            "t=\"s\"><v>1</v></c>") } }
            << QByteArray("<si><t>Name</t></si><si><r><rPr><b/></rPr><t>Caf</t></r><r><t xml:space=\"preserve\">é "
                          "&amp; co</t></r><rPh sb=\"0\" eb=\"1\"><t>KA</t></rPh></si>")
            << table({ { "Name", "", "Café & co" } });
        QTest::newRow("inline strings") << QList<Sheet> { { "sheet1.xml",
            sheetRow("<c r=\"A1\" t=\"inlineStr\"><is><t>Hi, \"you\"</t></is></c>"
                     "<c r=\"B1\" t=\"inlineStr\"><is><r><t>ri</t></r><r><t>ch</t></r></is></c>") } }
                                        << QByteArray() << table({ { "Hi, \"you\"", "rich" } });
        QTest::newRow("formula results") << QList<Sheet> { { "sheet1.xml",
            sheetRow("<c r=\"A1\" t=\"str\"><f>B2&amp;C2</f><v>ab</v></c><c r=\"B1\" t=\"b\"><f>TRUE()</f><v>1</v></c>"
                     "<c r=\"C1\" t=\"b\"><v>0</v></c><c r=\"D1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>"
                     "<c r=\"E1\"><f>1+1</f><v>2</v></c><c r=\"G1\"><v>1</v></c>") } }
                                         << QByteArray()
                                         << table({ { "ab", "TRUE", "FALSE", "#DIV/0!", "2", "", "1" } });
        QTest::newRow("numbers in full") << QList<Sheet> { { "sheet1.xml",
            sheetRow("<c r=\"A1\"><v>123456789012</v></c><c r=\"B1\" t=\"n\"><v>1.5</v></c>"
                     "<c r=\"C1\" s=\"3\"><v>1.23456789012E+11</v></c><c r=\"D1\"><v>2.4500000000000002</v></c>") } }
                                         << QByteArray()
                                         << table({ { "123456789012", "1.5", "123456789012", "2.45" } });
        QTest::newRow("cells and rows without r") << QList<Sheet> { { "sheet1.xml",
            "<row><c><v>1</v></c><c><v>2</v></c></row><row><c r=\"C2\"><v>3</v></c><c><v>4</v></c></row>" } }
                                                  << QByteArray() << table({ { "1", "2" }, { "", "", "3", "4" } });
        QTest::newRow("skipped cells and rows") << QList<Sheet> { { "sheet1.xml",
            sheetRow("<c r=\"A1\"><v>1</v></c><c r=\"C1\"><v>3</v></c>") + sheetRow("<c r=\"B4\"><v>4</v></c>", "4") } }
                                                << QByteArray() << table({ { "1", "", "3" }, {}, {}, { "", "4" } });
        QTest::newRow("rows of formatting only") << QList<Sheet> { { "sheet1.xml",
            sheetRow("<c r=\"A1\"><v>1</v></c>") + sheetRow("<c r=\"A2\" s=\"1\"/>", "2")
                + sheetRow("<c r=\"A3\"><v>3</v></c><c r=\"B3\" s=\"1\"/>", "3")
                + sheetRow("<c r=\"A9\" s=\"2\"/>", "9") + "<row r=\"10\"/>" } }
                                                 << QByteArray() << table({ { "1" }, {}, { "3" } });
        QTest::newRow("text that looks like notation stays text")
            << QList<Sheet> { { "sheet1.xml", sheetRow("<c r=\"A1\" t=\"inlineStr\"><is><t>1E+5</t></is></c>") } }
            << QByteArray() << table({ { "1E+5" } });
        QTest::newRow("second sheet ignored") << QList<Sheet> { { "sheet1.xml", sheetRow("<c r=\"A1\"><v>1</v></c>") },
            { "sheet2.xml", sheetRow("<c r=\"A1\"><v>2</v></c>") } }
                                              << QByteArray() << table({ { "1" } });
        QTest::newRow("first sheet in another file")
            << QList<Sheet> { { "sheet3.xml", sheetRow("<c r=\"A1\" t=\"str\"><v>first</v></c>") },
                   { "sheet1.xml", sheetRow("<c r=\"A1\" t=\"str\"><v>second</v></c>") } }
            << QByteArray() << table({ { "first" } });
        QTest::newRow("hidden sheets before the first shown")
            << QList<Sheet> { { "sheet1.xml", sheetRow("<c r=\"A1\"><v>1</v></c>"), "hidden" },
                   { "sheet2.xml", sheetRow("<c r=\"A1\"><v>2</v></c>"), "veryHidden" },
                   { "sheet3.xml", sheetRow("<c r=\"A1\"><v>3</v></c>"), "visible" } }
            << QByteArray() << table({ { "3" } });
        QTest::newRow("every sheet hidden")
            << QList<Sheet> { { "sheet1.xml", sheetRow("<c r=\"A1\"><v>1</v></c>"), "hidden" },
                   { "sheet2.xml", sheetRow("<c r=\"A1\"><v>2</v></c>"), "hidden" } }
            << QByteArray() << table({ { "1" } });
        QTest::newRow("prefixed elements") << QList<Sheet> { { "sheet1.xml",
            "<x:row xmlns:x=\"urn:x\" r=\"1\"><x:c r=\"A1\" t=\"inlineStr\"><x:is><x:t>p</x:t></x:is></x:c></x:row>" } }
                                           << QByteArray() << table({ { "p" } });
    }

    void workbook()
    {
        QFETCH(QList<Sheet>, sheets);
        QFETCH(QByteArray, shared);
        QFETCH(ItemTable, rows);
        const QString path = m_dir.filePath(QStringLiteral("book.xlsx"));
        QFile::remove(path);
        QVERIFY(WorkbookBuilder::writeZip(path, WorkbookBuilder::workbook(sheets, shared)));
        TableFile file;
        QVERIFY2(readTableFile(path, &file), qPrintable(file.error));
        QVERIFY(file.fromWorkbook);
        QCOMPARE(file.rows, rows);
        QCOMPARE(file.scientificCount, 0);
        // The error of a formula (D1 of "formula results") is imported as its text, and said.
        const bool error = QTest::currentDataTag() == QLatin1String("formula results");
        QCOMPARE(file.errorCells, error ? 1 : 0);
        if (error)
            QVERIFY(importNotes(file, 0).contains(QStringLiteral(
                "1 cell(s) hold the error of a formula (#N/A and the like), first: D1: imported as that text")));
        QCOMPARE(temporaryCsvFiles(), QStringList());
    }

    void absoluteTargetsAndUpperCaseName()
    {
        WorkbookBuilder::Parts parts
            = WorkbookBuilder::workbook({ { "sheet1.xml", sheetRow("<c r=\"A1\"><v>7</v></c>") } });
        for (auto& part : parts)
            part.second.replace("Target=\"worksheets/", "Target=\"/xl/worksheets/");
        const QString path = m_dir.filePath(QStringLiteral("BOOK.XLSX"));
        QVERIFY(WorkbookBuilder::writeZip(path, parts));
        TableFile file;
        QVERIFY2(readTableFile(path, &file), qPrintable(file.error));
        QCOMPARE(file.rows, table({ { "7" } }));
    }

    void notWorkbook_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing"
                                      << "does not exist";
        QTest::newRow("corrupt zip") << "garbage"
                                     << "not an .xlsx workbook";
        QTest::newRow("truncated zip") << "truncated"
                                       << "not an .xlsx workbook";
        QTest::newRow("zip that is no workbook") << "plain zip"
                                                 << "holds no workbook";
        QTest::newRow("workbook without sheets") << "no sheets"
                                                 << "has no worksheet";
        QTest::newRow("sheet part missing") << "no sheet part"
                                            << "is missing";
        QTest::newRow("damaged sheet XML") << "bad xml"
                                           << "is damaged";
        QTest::newRow("damaged sheet deflate stream") << "bad deflate"
                                                      << "is damaged";
        // Cells that would read as empty: a price of 0, a name of nothing.
        QTest::newRow("formula never worked out") << "formula"
                                                  << "cell B2 holds a formula without its value";
        QTest::newRow("shared text the file lacks") << "shared"
                                                    << "cell B2 names a shared text the file does not hold";
    }

    void notWorkbook()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(kind + QStringLiteral(".xlsx"));
        const WorkbookBuilder::Parts good
            = WorkbookBuilder::workbook({ { "sheet1.xml", sheetRow("<c r=\"A1\"><v>1</v></c>") } });
        WorkbookBuilder::Parts parts = good;
        if (kind == QLatin1String("garbage")) {
            QVERIFY(!write(kind + QStringLiteral(".xlsx"), QByteArray(4000, '\x5a')).isEmpty());
        } else if (kind == QLatin1String("truncated")) {
            QVERIFY(WorkbookBuilder::writeZip(path, good));
            QFile file(path);
            QVERIFY(file.resize(file.size() / 2));
        } else if (kind != QLatin1String("missing")) {
            if (kind == QLatin1String("plain zip"))
                parts = { { QStringLiteral("readme.txt"), "hello" } };
            else if (kind == QLatin1String("no sheets"))
                parts = WorkbookBuilder::workbook({});
            else if (kind == QLatin1String("no sheet part"))
                parts.removeLast();
            else if (kind == QLatin1String("bad xml"))
                parts.last().second = "<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></row>";
            else if (kind == QLatin1String("formula"))
                parts = WorkbookBuilder::workbook({ { "sheet1.xml",
                    sheetRow("<c r=\"A1\"><v>1</v></c>")
                        + sheetRow("<c r=\"A2\"><v>2</v></c><c r=\"B2\"><f>A1*2</f></c>", "2") } });
            else if (kind == QLatin1String("shared"))
                parts = WorkbookBuilder::workbook({ { "sheet1.xml",
                    sheetRow("<c r=\"A1\"><v>1</v></c>")
                        + sheetRow("<c r=\"A2\"><v>2</v></c><c r=\"B2\" t=\"s\"><v>3</v></c>", "2") } });
            QVERIFY(WorkbookBuilder::writeZip(path, parts));
        }
        if (kind == QLatin1String("bad deflate")) {
            // The sheet's compressed data starts with a block of the reserved type: inflating
            // it fails at once, which must end the import, never leave it waiting for data.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray zip = file.readAll();
            const QByteArray name("xl/worksheets/sheet1.xml");
            // The first mention of the name is its local header's (30 bytes before the name).
            const qsizetype header = zip.indexOf(name) - 30;
            QVERIFY(header >= 0 && zip.mid(header, 4) == QByteArray("PK\x03\x04"));
            QCOMPARE(qFromLittleEndian<quint16>(zip.constData() + header + 8), quint16(8)); // deflated
            const int extra = qFromLittleEndian<quint16>(zip.constData() + header + 28);
            zip[header + 30 + name.size() + extra] = char(0xFF);
            QVERIFY(file.seek(0));
            QCOMPARE(file.write(zip), zip.size());
        }
        TableFile file;
        file.rows = table({ { "left", "over" } });
        QVERIFY(!readTableFile(path, &file));
        QVERIFY2(file.error.contains(reason), qPrintable(file.error));
        QVERIFY(file.rows.isEmpty());
        QCOMPARE(temporaryCsvFiles(), QStringList());
    }

    // Files beyond an import's bounds are refused with a sentence, before their rows or their
    // unpacked bytes take the memory.
    void importBounds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("maxRows");
        QTest::addColumn<int>("rows"); // rows read, when the file is read
        QTest::addColumn<QString>("refusal"); // part of the reason; empty: read
        QTest::newRow("csv at the bound") << "csv 3" << 3 << 3 << QString();
        QTest::newRow("csv one row over") << "csv 4" << 3 << 0
                                          << "the file has more than 3 rows, more than an import takes";
        QTest::newRow("line breaks in quotes stay one row") << "csv quoted" << 3 << 3 << QString();
        QTest::newRow("csv over 256 MiB")
            << "csv huge" << kMaxImportRows << 0 << "the file has 257 MiB, more than the 256 MiB an import takes";
        QTest::newRow("sheet at the bound") << "sheet 3" << 3 << 3 << QString();
        QTest::newRow("sheet row over the bound")
            << "sheet 4" << 3 << 0 << "the first worksheet has text in row 4, more than the 3 rows an import takes";
        QTest::newRow("sheet row 2,000,000,000") << "sheet far" << kMaxImportRows << 0
                                                 << "has text in row 2,000,000,000, more than the 1,000,000 rows";
        QTest::newRow("zip bomb") << "bomb" << kMaxImportRows << 0
                                  << "xl/worksheets/sheet1.xml would unpack to 301 MiB, more than the 256 MiB "
                                     "allowed for one part of a workbook";
        QTest::newRow("zip bomb understating its size") << "understated bomb" << kMaxImportRows << 0
                                                        << "the first worksheet (xl/worksheets/sheet1.xml) is damaged";
        QTest::newRow("one long shared string in many cells")
            << "shared bomb" << kMaxImportRows << 0 << "the first worksheet unpacks to more than the 256 MiB";
        QTest::newRow("a device") << "device" << kMaxImportRows << 0 << "not a file but a device or a pipe";
    }

    void importBounds()
    {
        QFETCH(QString, kind);
        QFETCH(int, maxRows);
        QFETCH(int, rows);
        QFETCH(QString, refusal);
        const QStringList words = kind.split(QLatin1Char(' '));
        const QString name = kind + (words.first() == QLatin1String("csv") ? QStringLiteral(".csv") : QStringLiteral(".xlsx"));
        QString path = m_dir.filePath(name);
        if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero"); // read to its end, it has none
        } else if (kind == QLatin1String("shared bomb")) {
            // A 1 MiB shared string named by 300 cells of a row: a few kilobytes packed, 300 MiB
            // as text, refused before the row is written.
            const QByteArray sheet = sheetRow(QByteArray("<c t=\"s\"><v>0</v></c>").repeated(300));
            QVERIFY(WorkbookBuilder::writeZip(path,
                WorkbookBuilder::workbook(
                    { { "sheet1.xml", sheet } }, "<si><t>" + QByteArray(1024 * 1024, 'A') + "</t></si>")));
        } else if (kind == QLatin1String("csv quoted")) {
            QVERIFY(!write(name, QByteArray("\"a\nb\",1\n").repeated(3)).isEmpty());
        } else if (kind == QLatin1String("csv huge")) {
            QFile huge(path); // sparse: it takes no disk
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxCsvBytes + 1));
        } else if (words.first() == QLatin1String("csv")) {
            QVERIFY(!write(name, QByteArray("1,A\n").repeated(words.last().toInt())).isEmpty());
        } else if (kind == QLatin1String("sheet far")) {
            QVERIFY(WorkbookBuilder::writeZip(
                path, WorkbookBuilder::workbook({ { "sheet1.xml", sheetRow("<c><v>1</v></c>", "2000000000") } })));
        } else if (words.first() == QLatin1String("sheet")) {
            QByteArray sheet;
            for (int row = 1; row <= words.last().toInt(); ++row)
                sheet += sheetRow("<c><v>" + QByteArray::number(row) + "</v></c>", QByteArray::number(row));
            QVERIFY(WorkbookBuilder::writeZip(path, WorkbookBuilder::workbook({ { "sheet1.xml", sheet } })));
        } else {
            // 300 MiB of rows, deflated to about 2 MB; the sheet's text is added after the rest.
            WorkbookBuilder::Parts parts = WorkbookBuilder::workbook({ { "sheet1.xml", QByteArray() } });
            const QByteArray sheet = parts.takeLast().second;
            const qsizetype split = sheet.indexOf("</sheetData>");
            const QByteArray row = sheetRow("<c t=\"inlineStr\"><is><t>AAAAAAAAAAAAAAAA</t></is></c>");
            const QByteArray mebibyte = row.repeated(1024 * 1024 / row.size() + 1).left(1024 * 1024);
            QVERIFY(WorkbookBuilder::writeZip(path, parts));
            QVERIFY(WorkbookBuilder::addRepeatedPart(path, QStringLiteral("xl/worksheets/sheet1.xml"),
                sheet.left(split), mebibyte, 300, sheet.mid(split)));
            if (kind == QLatin1String("understated bomb")) {
                QByteArray zip = fileBytes(path);
                QVERIFY(understate(&zip, "xl/worksheets/sheet1.xml", 4096));
                QVERIFY(writeFileBytes(path, zip));
            }
        }

        TableFile file;
        const qint64 peak = peakResidentBytes();
        const bool read = readTableFile(path, &file, maxRows);
        // A bomb is refused before it is unpacked: the process never holds its 300 MiB. (Rows
        // are not weighed so: the sanitizer keeps freed memory resident.)
        if (kind.endsWith(QLatin1String("bomb")))
            QVERIFY2(peakResidentBytes() - peak < 64 * 1024 * 1024,
                qPrintable(QStringLiteral("%1 MiB more held").arg((peakResidentBytes() - peak) >> 20)));
        QCOMPARE(read, refusal.isEmpty());
        if (read) {
            QCOMPARE(file.rows.size(), rows);
        } else {
            QVERIFY2(file.error.contains(refusal), qPrintable(file.error));
            QVERIFY(file.rows.isEmpty());
        }
        QCOMPARE(temporaryCsvFiles(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
