#include "app/buttonpictures.h"
#include "app/dialogs/adminmoddialog.h"
#include "app/dialogs/comparedialog.h"
#include "app/dialogs/db_create.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/logindialog.h"
#include "app/dialogs/usrdialog.h"
#include "app/displaylanguage.h"
#include "app/grid/itemgrid.h"
#include "app/help/aboutdialog.h"
#include "app/help/quickstartdialog.h"
#include "app/menustyle.h"
#include "app/transfer/transfermonitor.h"
#include "base/categorynumber.h"
#include "guisupport.h"
#include "link/outcome.h"
#include "records/netparm.h"
#include "records/tablediff.h"
#include "storage/datafolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

// The translations are complete, and the window uses them: under each display language no text
// that the main window or a dialog shows is left in English where the translation has it, and
// Hebrew and Arabic lay the window out right to left.
class TestTranslations : public QObject {
    Q_OBJECT

private:
    struct Catalogue {
        QHash<QString, QString> translations; // source -> translation, finished entries
        QStringList unfinished; // sources without a finished translation
    };

    static Catalogue read(const QString& code)
    {
        Catalogue catalogue;
        QFile file(QStringLiteral(TALLVANE_SOURCE_DIR "/translations/tallvane_%1.ts").arg(code));
        if (!file.open(QIODevice::ReadOnly))
            return catalogue;
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement())
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString text = xml.readElementText();
                if (!finished || text.isEmpty())
                    catalogue.unfinished << source;
                else
                    catalogue.translations.insert(source, text);
            }
        }
        return catalogue;
    }

    // Every text a person sees on `root` and its children: labels, buttons, titles, tool tips,
    // menus, list entries, table and tree headers.
    static QStringList shownTexts(QWidget* root)
    {
        QStringList texts { root->windowTitle(), root->toolTip() };
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets) {
            texts << widget->toolTip();
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            if (auto* button = qobject_cast<QPushButton*>(widget))
                texts << ButtonPictures::caption(button);
            if (auto* group = qobject_cast<QGroupBox*>(widget))
                texts << group->title();
            if (auto* menu = qobject_cast<QMenu*>(widget))
                texts << menu->title();
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                texts << edit->placeholderText();
            // The login's list names each language in its own words, English as English.
            if (auto* box = qobject_cast<QComboBox*>(widget);
                box && box->objectName() != QLatin1String("comboBox_language"))
                for (int i = 0; i < box->count(); ++i)
                    texts << box->itemText(i);
            if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
                texts << tree->headerItem()->text(0);
                for (QTreeWidgetItemIterator it(tree); *it; ++it)
                    texts << (*it)->text(0);
            }
            if (auto* view = qobject_cast<QTableView*>(widget); view && view->model())
                for (int column = 0; column < view->model()->columnCount(); ++column)
                    texts << view->model()->headerData(column, Qt::Horizontal).toString();
        }
        for (QAction* action : root->findChildren<QAction*>())
            texts << action->text() << action->toolTip() << action->statusTip();
        for (QString& text : texts)
            text.remove(QLatin1Char('&'));
        texts.removeAll(QString());
        return texts;
    }

    static QStringList leftInEnglish(const QStringList& shown, const Catalogue& catalogue)
    {
        QStringList left;
        for (const QString& text : shown) {
            const auto it = catalogue.translations.constFind(text);
            if (it != catalogue.translations.cend() && QString(it.value()).remove(QLatin1Char('&')) != text && !left.contains(text))
                left << text;
        }
        return left;
    }

private slots:
    void everyEntryIsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : { "el", "he", "ar", "th" })
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void everyEntryIsTranslated()
    {
        QFETCH(QString, code);
        const Catalogue catalogue = read(code);
        QVERIFY2(catalogue.translations.size() > 300, qPrintable(QString::number(catalogue.translations.size())));
        QVERIFY2(catalogue.unfinished.isEmpty(), qPrintable(catalogue.unfinished.mid(0, 10).join(QStringLiteral(" | "))));
    }

    void windowShowsNoEnglishLeft_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("rightToLeft");
        // The narrowest the window gets: a screen 1024 pixels wide, but for the Greek captions
        // of the grid's command buttons.
        QTest::addColumn<int>("narrowest");
        QTest::newRow("Greek") << int(Greek) << "el" << false << 1140;
        QTest::newRow("Hebrew") << int(Hebrew) << "he" << true << 1024;
        QTest::newRow("Arabic") << int(Arabic) << "ar" << true << 1024;
        QTest::newRow("Thai") << int(Thailand) << "th" << false << 1024;
    }

    void windowShowsNoEnglishLeft()
    {
        QFETCH(int, language);
        QFETCH(QString, code);
        QFETCH(bool, rightToLeft);
        QFETCH(int, narrowest);
        QTemporaryDir dir;
        GuiTestSession session(dir.path());
        const Catalogue catalogue = read(code);
        installDisplayTranslation(language);
        QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        // Where Qt translates a text too (the buttons of every question), Tallvane's word wins.
        QCOMPARE(
            QCoreApplication::translate("QPlatformTheme", "&No"), catalogue.translations.value(QStringLiteral("&No")));

        QStringList shown;
        copyButtonImages(dir.path());
        {
            TestWindow window(dir.path());
            shown << shownTexts(&window);
            window.openCategory(CategoryPlu);
            shown << shownTexts(&window);
            QCOMPARE(window.isRightToLeft(), rightToLeft);
            QVERIFY2(window.minimumSizeHint().width() <= narrowest,
                qPrintable(QString::number(window.minimumSizeHint().width())));
            // Right to left the command buttons' pictures are mirrored: Back points to the right.
            QCOMPARE(child<QPushButton>(window, "btn_return")->styleSheet().contains(QStringLiteral("-rtl.png")),
                rightToLeft);
            // The journal's dates read year first as its time column does, in every direction.
            const auto* from = child<QDateEdit>(window, "dateEdit_from");
            QCOMPARE(from->text(), from->date().toString(QStringLiteral("yyyy-MM-dd")));
        }
        // Qt's own file dialog, as opening, importing and exporting show it.
        auto files = std::make_unique<QFileDialog>();
        files->setOption(QFileDialog::DontUseNativeDialog);
        std::unique_ptr<QWidget> dialogs[] = { std::make_unique<loginDialog>(), std::make_unique<usrdialog>(),
            std::make_unique<adminmodDialog>(), std::make_unique<db_create>(), std::make_unique<CompareDialog>(),
            std::make_unique<QuickStartDialog>(), std::make_unique<AboutDialog>(), std::move(files) };
        for (const auto& dialog : dialogs)
            shown << shownTexts(dialog.get());
        // The context menus of a text box and of a log (Qt has no Greek or Thai of its own).
        QLineEdit line;
        QTextEdit log;
        QStringList menuTexts;
        for (QMenu* menu : { line.createStandardContextMenu(), log.createStandardContextMenu() }) {
            for (const QAction* action : menu->actions())
                if (!action->isSeparator())
                    menuTexts << action->text().section(QLatin1Char('\t'), 0, 0);
            delete menu;
        }
        QVERIFY(menuTexts.size() >= 8);
        shown << menuTexts;
        installDisplayTranslation(English);

        const QStringList left = leftInEnglish(shown, catalogue);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
    }

    // A changed field in the comparison and in a verify report is named as the grid's column
    // header is, and in Hebrew the arrow points from the old value to the new one leftwards.
    void changedFieldsInTheDisplayLanguage()
    {
        installDisplayTranslation(Hebrew);
        RecordChange change;
        change.kind = RecordChange::Changed;
        change.label = QStringLiteral("1003");
        change.fields = { { 3, QStringLiteral("Price"), QStringLiteral("4.50"), QStringLiteral("4.25") } };
        const QString shown = change.describe();
        RowDifference difference { 0, RowDifference::Differs, QStringLiteral("1003"), change.fields };
        const QString verified = difference.describe();
        const QString english = change.describe(Wording::English);
        // Lists are joined with the language's own comma and semicolon.
        installDisplayTranslation(Arabic);
        change.fields << FieldDifference { 1, QStringLiteral("Name"), QStringLiteral("TEA"), QStringLiteral("CHAI") };
        TableDiff diff;
        RecordChange added;
        added.label = QStringLiteral("1004");
        diff.changes = { change, added };
        const QString arabicChange = change.describe();
        const QString arabicSummary = diff.summary();
        // A cell's problem names its column as the header reads.
        const QString addressProblem = NetParm::instance()->cellProblem(2, QStringLiteral("192.168.1.300"));
        installDisplayTranslation(English);
        QVERIFY2(addressProblem.startsWith(QString::fromUtf8("عنوان IP: ")), qPrintable(addressProblem));
        QVERIFY2(arabicChange.contains(QString::fromUtf8("؛ ")) && !arabicChange.contains(QLatin1Char(';')),
            qPrintable(arabicChange));
        QVERIFY2(arabicSummary.contains(QString::fromUtf8("، ")), qPrintable(arabicSummary));
        QCOMPARE(shown, QString::fromUtf8("1003: מחיר 4.25 ← 4.50"));
        QVERIFY2(verified.contains(QString::fromUtf8("מחיר")) && !verified.contains(QLatin1String("Price")),
            qPrintable(verified));
        QCOMPARE(english, QString::fromUtf8("1003: Price 4.25 → 4.50"));
    }

    // A cell's text reads in the direction of its first letter, whatever the window's: an
    // English journal summary opening with a count in a Hebrew window, a Hebrew name in an
    // English one; a cell without letters keeps the window's direction.
    void cellTextKeepsItsOwnDirection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("windowRightToLeft");
        QTest::addColumn<bool>("textRightToLeft");
        QTest::newRow("summary in a Hebrew window") << "5 PLUs saved: 1 changed" << true << false;
        QTest::newRow("Latin name in an Arabic window") << "6 PACK COLA" << true << false;
        QTest::newRow("Hebrew name in an English window") << QString::fromUtf8("3 חלב") << false << true;
        QTest::newRow("Arabic name in an Arabic window") << QString::fromUtf8("قهوة") << true << true;
        QTest::newRow("price in a Hebrew window") << "3.50" << true << true;
        QTest::newRow("code in an English window") << "1001" << false << false;
        // U+10900 U+10901, right-to-left letters beyond the basic plane, as surrogate pairs.
        QTest::newRow("letters beyond the basic plane") << QString::fromUtf8("\U00010900\U00010901 7") << false << true;
    }

    void cellTextKeepsItsOwnDirection()
    {
        QFETCH(QString, text);
        QFETCH(bool, windowRightToLeft);
        QFETCH(bool, textRightToLeft);
        struct Probe : GridDelegate {
            using GridDelegate::initStyleOption;
        };
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), text);
        QTableView view;
        view.setLayoutDirection(windowRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        view.setModel(&model);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        Probe().initStyleOption(&option, model.index(0, 0));
        QCOMPARE(option.direction, textRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    }

    // A right-to-left button with an icon and a word (every button of a message box) shows the
    // word right beside the icon on its left, the two centred, not pushed against the border.
    // The transfer logs keep room for two whole lines of the display language's script, however
    // small the window: a message that wraps, such as the address registers must dial, is read
    // without scrolling (a Thai line is taller than the Latin font says).
    void logsKeepTwoWholeLines_data() { windowShowsNoEnglishLeft_data(); }
    void logsKeepTwoWholeLines()
    {
        QFETCH(int, language);
        QTemporaryDir dir;
        GuiTestSession session(dir.path());
        installDisplayTranslation(language);
        {
            TestWindow window(dir.path());
            for (const char* name : { "textEdit_snd", "textEdit_rcv" }) {
                auto* log = child<QTextEdit>(window, name);
                const QString line
                    = child<QLabel>(window, name == QByteArray("textEdit_snd") ? "label_log" : "label_errors")->text();
                log->setPlainText(line + QLatin1Char('\n') + line);
                const qreal needed = log->document()->size().height() + 2 * log->frameWidth();
                QVERIFY2(needed <= log->minimumHeight(),
                    qPrintable(
                        QStringLiteral("%1: %2 px needed, %3 kept").arg(name).arg(needed).arg(log->minimumHeight())));
            }
        }
        installDisplayTranslation(English);
    }

    // A path keeps its leading "/" in front in a right-to-left window ("/tmp/shop.db", not
    // "tmp/shop.db/"), and a set's name keeps its words' places: each is isolated as one
    // run there (a path left to right, a name as its first letter reads), and left alone
    // elsewhere.
    void pathsReadLeftToRight_data() { windowShowsNoEnglishLeft_data(); }
    void pathsReadLeftToRight()
    {
        QFETCH(int, language);
        QFETCH(bool, rightToLeft);
        installDisplayTranslation(language);
        AboutDialog dialog;
        const QString about = child<QLabel>(dialog, "label_dataFolder")->text();
        const QString serial = QCoreApplication::translate("SerialServer",
            "%1. Only the members of the group %2 may open %3: add the user to it (sudo adduser %4 %2) and log in "
            "again.");
        // A set's name in a sentence ("Saved 8 lines to shop.db") is one run as well, and so
        // is a register's serial port in the outcome of a transfer.
        const QString set = shownSet(QStringLiteral("/tmp/DB/shop.db"));
        TransferOutcome outcome;
        outcome.peer = QStringLiteral("/dev/ttyS0");
        outcome.datatype = "PLUDATA";
        outcome.total = outcome.done = 3;
        const QString shownOutcome = outcome.sentence();
        const QString journalOutcome = outcome.sentence(Wording::English);
        // In the transfer log the outcome and a bare count are aligned as the window reads.
        QTextEdit progress, errors;
        QProgressBar bar;
        TransferMonitor monitor(&progress, &errors, &bar, 10);
        monitor.addProgress(shownOutcome);
        monitor.addProgress(QStringLiteral("1000"));
        monitor.flush();
        QList<Qt::LayoutDirection> logged;
        for (QTextBlock block = progress.document()->begin(); block.isValid(); block = block.next())
            logged << block.textDirection();
        // A file dialog's patterns "(*.xlsx *.csv)" read as typed, and the dialog still finds them.
        QFileDialog files(nullptr, QString(), QString(),
            FileDialog::shownFilter(QCoreApplication::translate(
                "FileCommands", "all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)")));
        files.setOption(QFileDialog::DontUseNativeDialog);
        const QString shownFilter = files.nameFilters().value(0);
        const QStringList patterns = child<QFileSystemModel>(files, "qt_filesystem_model")->nameFilters();
        installDisplayTranslation(English);
        QCOMPARE(shownFilter.contains(QStringLiteral("\u200E(*.xlsx *.csv)")), rightToLeft);
        QCOMPARE(patterns, QStringList({ QStringLiteral("*.xlsx"), QStringLiteral("*.csv") }));
        QCOMPARE(shownOutcome.startsWith(QStringLiteral("\u2066/dev/ttyS0\u2069: ")), rightToLeft);
        QVERIFY2(shownOutcome.contains(QStringLiteral("/dev/ttyS0: ")) != rightToLeft, qPrintable(shownOutcome));
        QCOMPARE(journalOutcome, QStringLiteral("/dev/ttyS0: 3 PLUs installed"));
        QCOMPARE(logged, QList<Qt::LayoutDirection>(2, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight));
        QCOMPARE(set, rightToLeft ? QStringLiteral("\u2068shop.db\u2069") : QStringLiteral("shop.db"));
        const QString isolated = QChar(0x2066) + QDir::toNativeSeparators(dataFolder()) + QChar(0x2069);
        QCOMPARE(about.contains(isolated), rightToLeft);
        QVERIFY(about.contains(QDir::toNativeSeparators(dataFolder())));
        QCOMPARE(serial.contains(QStringLiteral("\u2066%3\u2069")), rightToLeft);
    }

    // A right-to-left menu shows a shortcut as it is typed: "Ctrl++", not "++Ctrl".
    void menuShortcutsReadLeftToRight()
    {
        const auto drawn = [](QStyle* style, const QString& text, const QKeySequence& keys) {
            QMenu menu;
            menu.setStyle(style);
            QAction* action = menu.addAction(text);
            action->setShortcut(keys);
            action->setShortcutVisibleInContextMenu(true);
            menu.resize(240, menu.sizeHint().height());
            return menu.grab().toImage();
        };
        installDisplayTranslation(Arabic);
        const QString entry = QStringLiteral("Insert row");
        const QKeySequence keys(QStringLiteral("Ctrl++"));
        std::unique_ptr<QStyle> platform(QStyleFactory::create(QStringLiteral("Fusion")));
        const QImage asTyped = drawn(platform.get(), entry + QStringLiteral("\t\u2066Ctrl++\u2069"), {});
        const QImage unmended = drawn(platform.get(), entry, keys);
        MenuStyle mended(QStyleFactory::create(QStringLiteral("Fusion")));
        const QImage shown = drawn(&mended, entry, keys);
        installDisplayTranslation(English);
        QVERIFY(unmended != asTyped); // the sign moved before the keys
        QVERIFY(shown == asTyped);
    }

    void rightToLeftButtonWordBesideItsIcon()
    {
        installDisplayTranslation(Arabic);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QPushButton button(QIcon(red), QStringLiteral("Cancel"));
        button.setFixedSize(200, 30);
        QCOMPARE(button.layoutDirection(), Qt::RightToLeft);
        const QImage image = button.grab().toImage();
        installDisplayTranslation(English);

        int iconLeft = image.width(), textLeft = image.width(), textRight = -1;
        for (int y = 8; y < image.height() - 8; ++y)
            for (int x = 4; x < image.width() - 4; ++x) {
                const QColor color = image.pixelColor(x, y);
                if (color == QColor(Qt::red))
                    iconLeft = qMin(iconLeft, x);
                else if (qGray(color.rgb()) < 110) {
                    textLeft = qMin(textLeft, x);
                    textRight = qMax(textRight, x);
                }
            }
        QVERIFY2(textRight >= 0 && iconLeft < image.width(), "no word or no icon drawn");
        QVERIFY2(textRight < iconLeft && iconLeft - textRight <= 10,
            qPrintable(QStringLiteral("word ends at %1, icon starts at %2").arg(textRight).arg(iconLeft)));
        const int spaceLeft = textLeft, spaceRight = image.width() - (iconLeft + 16);
        QVERIFY2(qAbs(spaceLeft - spaceRight) <= 6,
            qPrintable(QStringLiteral("%1 px left of the label, %2 px right of it").arg(spaceLeft).arg(spaceRight)));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
