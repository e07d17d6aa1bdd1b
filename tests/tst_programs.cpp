#include "base/programinfo.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

// What the three programs say of themselves without a display, their manual pages against
// their --help, and the completion script of tallvane-cli against its commands.
class TestPrograms : public QObject {
    Q_OBJECT

private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    // Runs a program of the build without any display: no X or Wayland display, no platform.
    static Run run(const QString& program, const QStringList& arguments, const QByteArray& input = QByteArray())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process.setProcessEnvironment(environment);
        process.start(program.startsWith(QLatin1Char('/'))
                ? program
                : QCoreApplication::applicationDirPath() + QLatin1Char('/') + program,
            arguments);
        if (!input.isNull()) {
            process.write(input);
            process.closeWriteChannel();
        }
        Run result;
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static QStringList programs()
    {
        return { QStringLiteral("tallvane"), QStringLiteral("tallvane-cli"), QStringLiteral("tallvane-ecrsim") };
    }

private slots:
    void versionAndHelpNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("firstLine"); // a prefix
        for (const QString& program : programs()) {
            QTest::addRow("%s --version", qPrintable(program))
                << program << "--version" << QStringLiteral("%1 %2").arg(program, tallvaneVersion());
            QTest::addRow("%s --help", qPrintable(program)) << program << "--help" << QStringLiteral("Usage: ");
        }
    }

    void versionAndHelpNeedNoDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QFETCH(QString, firstLine);
        const Run result = run(program, { argument });
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.section(QLatin1Char('\n'), 0, 0).startsWith(firstLine), qPrintable(result.out));
        QVERIFY2(result.out.contains(program), qPrintable(result.out));
        if (argument == QLatin1String("--version"))
            QVERIFY(result.out.contains(QStringLiteral("GPL-3.0-or-later")));
    }

    // The manual page is made from --help: every option, command and exit status that --help
    // lists stands in the rendered page, and groff renders it without a warning.
    void manualPagesFollowTheHelp_data()
    {
        QTest::addColumn<QString>("program");
        for (const QString& program : programs())
            QTest::newRow(qPrintable(program)) << program;
    }

    void manualPagesFollowTheHelp()
    {
        QFETCH(QString, program);
        const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
        if (groff.isEmpty())
            QSKIP("groff is needed to render manual pages");
        const Run help = run(program, { QStringLiteral("--help") });
        const Run page = run(program, { QStringLiteral("--help-man") });
        QCOMPARE(page.status, 0);
        QVERIFY(page.out.startsWith(
            QStringLiteral(".TH %1 1 ").arg(program.toUpper().replace(QLatin1Char('-'), QStringLiteral("\\-")))));

        const Run warnings = run(groff,
            { QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"), QStringLiteral("-z") },
            page.out.toUtf8());
        QCOMPARE(warnings.status, 0);
        QCOMPARE(warnings.err, QString());
        // At the terminal's usual 80 columns the synopsis wraps rather than running past them.
        const Run narrow = run(groff,
            { QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-P-cbu"), QStringLiteral("-rLL=78n") },
            page.out.toUtf8());
        const QString synopsis
            = narrow.out.section(QStringLiteral("SYNOPSIS"), 1).section(QStringLiteral("DESCRIPTION"), 0, 0);
        QVERIFY(!synopsis.trimmed().isEmpty());
        for (const QString& line : synopsis.split(QLatin1Char('\n')))
            QVERIFY2(line.size() <= 80, qPrintable(line));
        // Wide lines, so that no term is broken; no overstriking.
        const Run rendered = run(groff,
            { QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-P-cbu"), QStringLiteral("-rLL=300n") },
            page.out.toUtf8());
        QCOMPARE(rendered.status, 0);
        const QString text = rendered.out.simplified()
                                 .replace(QStringLiteral("\u2010"), QStringLiteral("-"))
                                 .replace(QStringLiteral("\u2212"), QStringLiteral("-"));

        // The terms of --help: the lines that start two columns in (options, commands, exit
        // statuses), up to the gap before their description.
        static const QRegularExpression term(QStringLiteral("^  (\\S.*?)(?: {2,}|$)"));
        int terms = 0;
        for (const QString& line : help.out.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = term.match(line);
            if (!match.hasMatch())
                continue;
            ++terms;
            const QString expected = match.captured(1).simplified();
            QVERIFY2(text.contains(expected), qPrintable(QStringLiteral("%1 is not in the manual page").arg(expected)));
        }
        QVERIFY(terms >= 3);
    }

    // The completion script offers what the command table holds.
    void completionFollowsTheCommands_data()
    {
        QTest::addColumn<QStringList>("words"); // the last one is being completed
        QTest::addColumn<QString>("expected");
        QTest::newRow("command") << QStringList { "--user", "admin", "ins" } << "install";
        QTest::newRow("second word") << QStringList { "report", "" } << "store|export";
        QTest::newRow("global option") << QStringList { "--lang" } << "--language";
        QTest::newRow("language") << QStringList { "--language", "gr" } << "greek";
        QTest::newRow("command option") << QStringList { "--user", "admin", "install", "--ve" } << "--verify";
        QTest::newRow("two-word command option") << QStringList { "journal", "export", "--" } << "--since|--out|--help";
        QTest::newRow("type") << QStringList { "install", "--type", "PL" } << "PLUDATA";
        QTest::newRow("logo, a type of install") << QStringList { "install", "--type", "lo" } << "logo";
        QTest::newRow("logo, no type of export") << QStringList { "export", "--type", "lo" } << "";
        QTest::newRow("a set to copy") << QStringList { "copy", "--from", "/dev/nul" } << "/dev/null";
        QTest::newRow("plu command") << QStringList { "install", "--command", "d" } << "delete";
        QTest::newRow("no guess for a number") << QStringList { "install", "--port", "" } << "";
        // Files in the test's folder ("%1"): names whole, patterns not expanded.
        QTest::newRow("file name with a blank") << QStringList { "import", "--in", "%1/my" } << "%1/my shop.csv";
        QTest::newRow("file name that is a pattern") << QStringList { "import", "--in", "%1/a*" } << "%1/a*.csv";
        // bash splits --opt=value into three words.
        QTest::newRow("value after =") << QStringList { "--language", "=", "gr" } << "greek";
        QTest::newRow("value right at =") << QStringList { "install", "--command", "=" } << "install|add|update|delete";
        QTest::newRow("command after --opt=value") << QStringList { "--user", "=", "admin", "ins" } << "install";
    }

    void completionFollowsTheCommands()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, expected);
        QTemporaryDir files;
        for (const char* name : { "my shop.csv", "a*.csv", "ab.csv" }) {
            QFile file(files.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        words.last().replace(QStringLiteral("%1"), files.path());
        expected.replace(QStringLiteral("%1"), files.path());
        const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
        if (bash.isEmpty())
            QSKIP("bash is needed");
        const Run script = run(QStringLiteral("tallvane-cli"), { QStringLiteral("--bash-completion") });
        QCOMPARE(script.status, 0);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(script.out.toUtf8());
        file.close();
        words.prepend(QStringLiteral("tallvane-cli"));
        const QString call
            = QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                             "_tallvane_cli; IFS='|'; echo \"${COMPREPLY[*]}\"");
        const Run completed
            = run(bash, QStringList { QStringLiteral("-c"), call, QStringLiteral("bash"), file.fileName() } + words);
        QCOMPARE(completed.err, QString());
        QCOMPARE(completed.out.trimmed(), expected);
    }
};

QTEST_GUILESS_MAIN(TestPrograms)
#include "tst_programs.moc"
