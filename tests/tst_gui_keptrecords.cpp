#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "hostilerecords.h"
#include "records/categories.h"
#include "records/gridcells.h"
#include "records/recordcodec.h"
#include "records/system.h"
#include "records/translation.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Pages saved by the window as an operator saves them: rows nobody changed keep their
// records byte for byte, rows typed into, set through a menu or pasted into are encoded.
class TestGuiKeptRecords : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    // Saves, storing cells that would be cut when asked (the rows are hostile on purpose).
    static void save(MainWindow& w)
    {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QAction>(w, "actionSave")->trigger();
        MessageBox::clearAnswers();
    }
    static QString tableOf(const RecordCodec* codec) { return QString::fromLatin1(codec->category().table); }

    // A new database whose table of `codec` holds `records`, stored once the way the program
    // stores them (its keys and names): what a page shows and saves again.
    QString shopWith(const RecordCodec* codec, const QList<QByteArray>& records)
    {
        const QString path = m_dir.filePath(QStringLiteral("shop%1.db").arg(++m_serial));
        createDatabase(path);
        QList<RecordEntry> entries;
        for (int i = 0; i < records.size(); ++i)
            entries << RecordEntry::make(QByteArray::number(i + 1), "x", records.at(i));
        saveRecords(tableOf(codec), entries);
        ItemTable rows;
        QList<QByteArray> kept;
        codec->loadTable(&rows, &kept);
        codec->saveTable(gridTexts(rows, codec, codec->category().number), kept);
        return path;
    }

    std::unique_ptr<TestWindow> windowOn(int category)
    {
        auto w = std::make_unique<TestWindow>(m_dir.path());
        w->openCategory(category);
        return w;
    }

    // The record the program stores for row `row` of the grid as it now stands.
    static QByteArray encodedRow(MainWindow& w, const RecordCodec* codec, int row)
    {
        QByteArray record;
        codec->encodeRow(ItemGrid::collect(w.itemModel(), w.currentCategory(), false).at(row), &record);
        return record.left(codec->storedSize());
    }

    static void type(MainWindow& w, int row, int column, const QString& text)
    {
        QTableView* view = child<QTableView>(w, "tableView");
        const QModelIndex index = w.itemModel()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        QLineEdit* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(text);
        QPointer<QLineEdit> watched(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return watched.isNull() || !watched->isVisible(); }, 500));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
    }

    void cleanupTestCase() { m_session.reset(); }

    void pageSavedUnchangedKeepsItsRows_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("reserved");
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c) {
            if (!c->codec || c->number == CategorySysParm)
                continue;
            QTest::addRow("%s/cut UTF-8 names", c->typeName) << c->number << int(English) << false;
            QTest::addRow("%s/reserved bytes", c->typeName) << c->number << int(English) << true;
        }
        QTest::newRow("DEPTDATA/Greek") << int(CategoryDept) << int(Greek) << false;
        QTest::newRow("DEPTDATA/Hebrew") << int(CategoryDept) << int(Hebrew) << false;
        QTest::newRow("DEPTDATA/Arabic") << int(CategoryDept) << int(Arabic) << false;
    }

    // Open the page, save, and every stored row (key, name, record) is as it was; then one
    // typed cell changes its row and no other.
    void pageSavedUnchangedKeepsItsRows()
    {
        QFETCH(int, category);
        QFETCH(int, language);
        QFETCH(bool, reserved);
        const LanguageScope scope(language);
        const RecordCodec* codec = codecForCategory(category);
        const QString path = shopWith(codec, hostileRecords(codec, language, reserved));
        const QStringList before = storedRows(path, tableOf(codec));
        QCOMPARE(before.size(), 3);

        auto w = windowOn(category);
        QCOMPARE(w->itemModel()->rowCount(), 3);
        save(*w);
        QCOMPARE(storedRows(path, tableOf(codec)), before);

        const int column = category == CategoryNetParm ? 10 : 1;
        type(*w, 1, column, QStringLiteral("EDITED"));
        QCOMPARE(w->itemModel()->index(1, column).data().toString(), QStringLiteral("EDITED"));
        const QByteArray edited = encodedRow(*w, codec, 1);
        save(*w);
        const QStringList after = storedRows(path, tableOf(codec));
        QCOMPARE(after.size(), 3);
        QCOMPARE(after.at(0), before.at(0));
        QCOMPARE(after.at(2), before.at(2));
        QCOMPARE(storedData(path, tableOf(codec)).at(1), edited);
    }

    // A value set through an option menu or pasted changes its row too.
    void menuAndPasteChangeTheirRows()
    {
        const RecordCodec* codec = codecForCategory(CategoryDept);
        const QList<QByteArray> records = hostileRecords(codec, English, true, 4);
        const QString path = shopWith(codec, records);
        auto w = windowOn(CategoryDept);
        QTableView* view = child<QTableView>(*w, "tableView");

        view->setCurrentIndex(w->itemModel()->index(0, 3)); // "Print"
        const bool active = w->itemModel()->index(0, 3).data().toString().startsWith(QLatin1Char('1'));
        w->on_option1_click(!active);
        QApplication::clipboard()->setText(QStringLiteral("4.75"));
        view->setCurrentIndex(w->itemModel()->index(2, 6)); // "Price"
        view->setFocus();
        child<QAction>(*w, "actionPast")->trigger();
        QCOMPARE(w->itemModel()->index(2, 6).data(Qt::EditRole), QVariant(4.75));
        const QByteArray first = encodedRow(*w, codec, 0);
        const QByteArray third = encodedRow(*w, codec, 2);
        save(*w);
        QCOMPARE(storedData(path, tableOf(codec)), (QList<QByteArray> { first, records.at(1), third, records.at(3) }));
    }

    // Sorted by item code, PLU rows take their records with them.
    void sortedPlusKeepTheirRecords()
    {
        const RecordCodec* codec = codecForCategory(CategoryPlu);
        QList<QByteArray> records = hostileRecords(codec, English, false);
        const qint64 codes[] = { 30, 4, 200 };
        for (int i = 0; i < 3; ++i) {
            translation::unitsToBcd(records[i].data(), 7, codes[i]);
            records[i][56] = char(0x99); // the reserved amount
        }
        const QString path = shopWith(codec, records);
        auto w = windowOn(CategoryPlu);
        w->view_sort(0);
        QCOMPARE(w->itemModel()->index(0, 0).data(Qt::EditRole).toLongLong(), 4);
        save(*w);
        QCOMPARE(storedData(path, tableOf(codec)), (QList<QByteArray> { records.at(1), records.at(0), records.at(2) }));
        // Typed into after the sort, the row that moved is the one encoded.
        type(*w, 2, 3, QStringLiteral("9.99"));
        const QByteArray edited = encodedRow(*w, codec, 2);
        QVERIFY(edited != records.at(2));
        save(*w);
        QCOMPARE(storedData(path, tableOf(codec)), (QList<QByteArray> { records.at(1), records.at(0), edited }));
    }

    // Rows imported from a file have no records: they are encoded.
    void importedRowsAreEncoded()
    {
        const RecordCodec* codec = codecForCategory(CategoryDept);
        const QList<QByteArray> records = hostileRecords(codec, English, true);
        const QString path = shopWith(codec, records);
        auto w = windowOn(CategoryDept);
        const QString file = m_dir.filePath(QStringLiteral("dept%1.csv").arg(m_serial));
        FileDialog::setNextFileName(file);
        child<QPushButton>(*w, "btn_savefile")->click();
        FileDialog::setNextFileName(file);
        MessageBox::setNextAnswer(QMessageBox::Yes); // replace the page's rows
        child<QPushButton>(*w, "btn_openfile")->click();
        QCOMPARE(w->itemModel()->rowCount(), 3);
        save(*w);
        const QList<QByteArray> stored = storedData(path, tableOf(codec));
        QCOMPARE(stored.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stored.at(i), encodedRow(*w, codec, i));
        QVERIFY(stored != records);
    }

    // The system page gives back every byte it does not change, also values its boxes cannot
    // show; a box the operator changes writes its own field only.
    void systemPageSavedUnchangedKeepsItsRecord()
    {
        createDatabase(m_dir.filePath(QStringLiteral("system%1.db").arg(++m_serial)));
        QByteArray record = hostileRecords(System::instance(), English, true, 1).first();
        record[21] = char(150); // idle time above the box's 99
        record[17] = char(9); // print density above 4
        for (int i = 54; i < 58; ++i)
            record[i] = char(0xFF); // maximum amount above 99999999
        QVERIFY(saveRecords(QStringLiteral("table_system"), { RecordEntry::make("1", "sysparm", record) }));
        auto w = windowOn(CategorySysParm);
        QCOMPARE(child<QSpinBox>(*w, "sb_ideltime")->value(), 99);
        // The box says what it cannot show.
        QVERIFY2(child<QSpinBox>(*w, "sb_ideltime")
                     ->toolTip()
                     .endsWith(QStringLiteral(
                         "The set holds 150, which this box cannot show; it is kept unless you change the box.")),
            qPrintable(child<QSpinBox>(*w, "sb_ideltime")->toolTip()));
        save(*w);
        QCOMPARE(storedData(currentDatabasePath, QStringLiteral("table_system")), QList<QByteArray> { record });

        child<QSpinBox>(*w, "sb_printdensity")->setValue(2);
        QCheckBox* buzzer = child<QCheckBox>(*w, "cb_buzzer");
        buzzer->setChecked(!buzzer->isChecked());
        save(*w);
        record[17] = char(2);
        record[4] = char(record[4] ^ 0x01);
        QCOMPARE(storedData(currentDatabasePath, QStringLiteral("table_system")), QList<QByteArray> { record });
        QVERIFY(!child<QSpinBox>(*w, "sb_printdensity")->toolTip().contains(QStringLiteral("The set holds")));

        // Stepped down and up again to the 99 it shows, the idle time is the operator's 99.
        QSpinBox* idle = child<QSpinBox>(*w, "sb_ideltime");
        idle->stepDown();
        idle->stepUp();
        save(*w);
        record[21] = char(99);
        QCOMPARE(storedData(currentDatabasePath, QStringLiteral("table_system")), QList<QByteArray> { record });
    }
};

QTEST_MAIN(TestGuiKeptRecords)
#include "tst_gui_keptrecords.moc"
