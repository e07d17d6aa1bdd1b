// A set on a PostgreSQL server used from the window, with a second Tallvane (the command-line
// tool) saving into the same set: the question before a save over someone else's work, and a
// whole set copied file -> server -> file byte for byte.
#include "app/databasestatus.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/serversetdialog.h"
#include "app/grid/gridmodel.h"
#include "app/setlibrary.h"
#include "cliharness.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "pgcluster.h"
#include "records/categories.h"
#include "records/plu.h"
#include "storage/configdb.h"
#include "storage/setlocation.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Every configuration table's rows of the set at `path` (a file), as "table|key|name|hex".
QStringList fileRows(const QString& path)
{
    QStringList rows;
    for (const QString& table : configTableNames())
        forEachRow(path, QStringLiteral("select itemRandom, itemName, itemData from %1").arg(table),
            [&](const QSqlQuery& row) {
                rows << QStringList { table, row.value(0).toString(), row.value(1).toString(),
                    QString::fromLatin1(row.value(2).toByteArray().toHex()) }
                            .join(QLatin1Char('|'));
            });
    forEachRow(path, QStringLiteral("select value from set_info where key = 'language'"),
        [&](const QSqlQuery& row) { rows << QStringLiteral("language|") + row.value(0).toString(); });
    return rows;
}

} // namespace

class TestGuiServerSets : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    std::unique_ptr<CliProgram> m_cli;

    // Answers the server set dialog that the next action opens.
    void answerServerSetDialog(const QString& url, bool create)
    {
        QTimer::singleShot(0, this, [url, create] {
            auto* dialog = qobject_cast<ServerSetDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>(QStringLiteral("comboBox_serverSet"))->setEditText(url);
            dialog->findChild<QPushButton*>(create ? QStringLiteral("pushButton_create") : QStringLiteral("pushButton_open"))
                ->click();
        });
    }

    // The other operator: tallvane-cli imports `rows` PLUs named OTHER into the set.
    void otherOperatorImports(const QString& url, int rows)
    {
        QString csv = QStringLiteral("PLU Code,Name,Dept,Price,Status\n");
        for (int i = 0; i < rows; ++i)
            csv += QStringLiteral("%1,OTHER%2,1,1.00,0\n").arg(2001 + i).arg(i);
        const QString in = m_dir.filePath(QStringLiteral("other.csv"));
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv.toUtf8());
        file.close();
        const CliProgram::Result result
            = m_cli->run(asAdmin({ QStringLiteral("import"), QStringLiteral("--db"), url, QStringLiteral("--type"),
                QStringLiteral("plu"), QStringLiteral("--in"), in }));
        QVERIFY2(result.status == 0, result.err.constData());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Registers dial a port of this test's own, not the one other tests may listen on.
        QVERIFY(useTestLinkSettings(m_dir.path()));
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        m_cli = std::make_unique<CliProgram>(m_dir.filePath(QStringLiteral("cli")));
        QVERIFY(m_cli->ok());
    }

    void cleanupTestCase()
    {
        currentDatabasePath.clear();
        LinkSettings::setFilePath(QString());
    }

    void twoOperatorsOneSet()
    {
        TALLVANE_REQUIRE_CLUSTER(cluster);
        const QString url = cluster->url(QStringLiteral("chain_shop"));
        copyButtonImages(m_dir.filePath(QStringLiteral("window")));
        TestWindow w(m_dir.filePath(QStringLiteral("window")));
        // A set that is not there yet: said as for a file, shown but not remembered.
        answerServerSetDialog(url, false);
        child<QAction>(w, "actionOpenServerSet")->trigger();
        QCOMPARE(MessageBox::shown(),
            QStringList { QStringLiteral("can not open database: Unable to establish a database connection.") });
        QVERIFY(DatabaseStatus::shown(w.statusBar()).endsWith(QStringLiteral("no such set on the server.")));
        QVERIFY(w.sets()->recentSets().isEmpty());
        MessageBox::clearShown();
        // Made there, it opens empty and the failure is no longer said.
        answerServerSetDialog(url, true);
        child<QAction>(w, "actionOpenServerSet")->trigger();
        QCOMPARE(currentDatabasePath, url);
        QCOMPARE(DatabaseStatus::shown(w.statusBar()), QString());
        w.openCategory(CategoryPlu);
        QCOMPARE(w.windowTitle(), QStringLiteral("PLU \u2014 chain_shop (tallvane on this PC)"));
        // The server set is listed in the tree and remembered, without a password.
        const QTreeWidgetItem* listed = child<QTreeWidget>(w, "treeWidget_Item")->currentItem();
        QCOMPARE(listed->text(0), QStringLiteral("chain_shop (tallvane on this PC)"));
        QCOMPARE(listed->toolTip(0), QStringLiteral("chain_shop (tallvane on this PC)\n") + url);
        QCOMPARE(w.sets()->recentSets().value(0), url);
        // Another server set, then the first again from its entry in the tree.
        answerServerSetDialog(cluster->url(QStringLiteral("chain_two")), true);
        child<QAction>(w, "actionOpenServerSet")->trigger();
        QCOMPARE(currentDatabasePath, cluster->url(QStringLiteral("chain_two")));
        QTreeWidget* tree = child<QTreeWidget>(w, "treeWidget_Item");
        const QList<QTreeWidgetItem*> entries = tree->findItems(
            QStringLiteral("chain_shop (tallvane on this PC)"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(entries.size(), 1);
        emit tree->itemClicked(entries.first(), 0);
        QCOMPARE(currentDatabasePath, url);

        // This operator's rows, saved.
        GridModel* model = w.itemModel();
        model->insertRows(0, 1);
        model->setData(model->index(0, 0), QStringLiteral("1001"));
        model->setData(model->index(0, 1), QStringLiteral("COFFEE"));
        model->setData(model->index(0, 2), QStringLiteral("1"));
        child<QAction>(w, "actionSave")->trigger();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::shown().join('\n')));
        QCOMPARE(w.status(), QStringLiteral("Saved 1 PLU to chain_shop (tallvane on this PC)"));

        // The other operator saves into the same set; this one's next save is asked about.
        otherOperatorImports(url, 3);
        model->setData(model->index(0, 1), QStringLiteral("ESPRESSO"));
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(MessageBox::shown().size(), 1);
        // Who saved the page's table, in the page's words.
        QVERIFY2(
            MessageBox::shown().first().startsWith(QStringLiteral("Saved by someone else: Nothing was saved: admin@"))
                && MessageBox::shown().first().contains(QStringLiteral(" saved the PLUs of chain_shop")),
            qPrintable(MessageBox::shown().first()));
        QVERIFY(w.windowTitle().endsWith(QLatin1Char('*'))); // still unsaved, still on the page
        QVERIFY2(w.status().startsWith(QStringLiteral("Nothing was saved: admin@")), qPrintable(w.status()));
        ItemTable stored;
        Plu::instance()->loadTable(&stored);
        QCOMPARE(stored.size(), 3); // theirs kept

        // Overwrite: this page replaces theirs.
        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Save);
        child<QAction>(w, "actionSave")->trigger();
        Plu::instance()->loadTable(&stored);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().value(1).toString(), QStringLiteral("ESPRESSO"));
        QVERIFY(!w.windowTitle().endsWith(QLatin1Char('*')));

        // Reload: this page drops its change and shows theirs.
        otherOperatorImports(url, 2);
        model->setData(model->index(0, 1), QStringLiteral("LATTE"));
        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Reset);
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("OTHER0"));
        QCOMPARE(w.status(), QStringLiteral("Reloaded: the page shows what the set holds now"));
        QVERIFY(!w.windowTitle().endsWith(QLatin1Char('*')));
        // And saves again without a question.
        model->setData(model->index(1, 1), QStringLiteral("OTHER1B"));
        MessageBox::clearShown();
        child<QAction>(w, "actionSave")->trigger();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::shown().join('\n')));

        // What the server set holds goes to a register as a file's would.
        auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("register.db")));
        QVERIFY(ecr);
        click(w, "btn_install");
        QVERIFY(w.waitIdle());
        QVERIFY2(w.log("textEdit_snd").endsWith(QStringLiteral("127.0.0.1: 2 PLUs installed")),
            qPrintable(w.log("textEdit_snd")));
    }

    // A head office publishes its set, a shop takes it: file -> server -> file, byte for byte.
    void copyRoundTrip()
    {
        TALLVANE_REQUIRE_CLUSTER(cluster);
        const QString head = m_dir.filePath(QStringLiteral("head.db"));
        {
            LanguageScope greek(Greek);
            createDatabase(head);
            QVERIFY(Plu::instance()->saveTable(
                { textRow({ "1001", QStringLiteral("ΚΑΦΕΣ"), "1", "2.50", "0" }), textRow({ "1002", "TEA", "1", "1.80", "0" }) }));
            QList<RecordEntry> odd;
            QByteArray record(47, '\xff');
            odd << RecordEntry::make("1", "\xc3\xc1\xcb\xc1", record);
            QVERIFY(saveRecords(QStringLiteral("table_dept"), odd));
        }
        currentDatabasePath.clear();
        const QString server = cluster->url(QStringLiteral("published"));
        const QString shop = m_dir.filePath(QStringLiteral("shop.db"));
        const auto copy = [this](const QString& from, const QString& to, bool replace) {
            QStringList command { QStringLiteral("copy"), QStringLiteral("--from"), from, QStringLiteral("--to"), to };
            if (replace)
                command << QStringLiteral("--replace");
            return m_cli->run(asAdmin(command));
        };
        CliProgram::Result result = copy(head, server, false);
        QVERIFY2(result.status == 0, result.err.constData());
        result = copy(server, shop, false);
        QVERIFY2(result.status == 0, result.err.constData());
        QCOMPARE(fileRows(shop), fileRows(head));
        QVERIFY(fileRows(head).contains(QStringLiteral("language|2")));

        // An existing set is replaced only when asked.
        result = copy(head, server, false);
        QCOMPARE(result.status, 2);
        QVERIFY(result.err.contains("--replace"));
        result = copy(shop, server, true);
        QVERIFY2(result.status == 0, result.err.constData());
        result = copy(m_dir.filePath(QStringLiteral("missing.db")), server, true);
        QCOMPARE(result.status, 4);

        // A set without one of the tables is refused: copied, that table would replace the
        // target's rows with none.
        const QString older = m_dir.filePath(QStringLiteral("older.db"));
        QVERIFY(QFile::copy(head, older));
        QVERIFY(withDatabaseFile(
            older, [](QSqlQuery& query) { return query.exec(QStringLiteral("drop table table_clerk")); }));
        result = copy(older, server, true);
        QCOMPARE(result.status, 4);
        QVERIFY2(result.err.contains("it lacks the table(s) table_clerk"), result.err.constData());

        // An empty schema (made by hand, or left by a copy cut short) holds nothing to replace.
        QVERIFY(cluster->exec(QStringLiteral("CREATE SCHEMA emptied")));
        result = copy(head, cluster->url(QStringLiteral("emptied")), false);
        QVERIFY2(result.status == 0, result.err.constData());
    }
};

QTEST_MAIN(TestGuiServerSets)
#include "tst_gui_serversets.moc"
