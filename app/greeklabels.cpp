#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QShortcut>

#include <iterator>
#include <utility>

// The Greek texts of the menus and tool bar, and the tree's labels in the display language,
// kept apart from the window's shell.
void MainWindow::applyGreekLabels()
{
    ui->menuFile->setTitle(QStringLiteral("Αρχείο"));
    ui->actionNew->setText(QStringLiteral("Νέο"));
    ui->actionOpen->setText(QStringLiteral("Άνοιγμα"));
    ui->actionSave->setText(QStringLiteral("Αποθήκευση"));
    ui->actionInstall->setText(QStringLiteral("Εγκατάσταση"));
    // "Εισαγωγή" is also Edit > Insert: the download from the register gets a word of its own.
    ui->actionDownload->setText(QStringLiteral("Λήψη"));
    ui->actionUpdate->setText(QStringLiteral("Αναβάθμιση"));
    ui->menuEdit->setTitle(QStringLiteral("Επεξεργασία"));
    ui->actionAdd->setText(QStringLiteral("Προσθήκη"));
    ui->actionDelet->setText(QStringLiteral("Διαγραφή"));
    ui->actionInsert->setText(QStringLiteral("Εισαγωγή"));
    ui->actionCopy->setText(QStringLiteral("Αντιγραφή"));
    ui->actionPast->setText(QStringLiteral("Επικόλληση"));
    ui->actionMenu->setText(QStringLiteral("Μενού"));
    ui->actionGroup->setText(QStringLiteral("Κατηγορίες"));
    ui->actionDept->setText(QStringLiteral("Τμήματα"));

    // These titles carry no mnemonic: Alt+F and Alt+E open File and Edit all the same, as they
    // do in every other language.
    const std::pair<QMenu*, Qt::Key> keys[] = { { ui->menuFile, Qt::Key_F }, { ui->menuEdit, Qt::Key_E } };
    for (const auto& [menu, key] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, this,
            [this, menu = menu] { ui->menuBar->setActiveAction(menu->menuAction()); });
    }
}

QString MainWindow::shownTreeLabel(int entry, const QString& label)
{
    static const char* const english[] = { QT_TRANSLATE_NOOP("MainWindow", "NAVIGATION BAR"),
        QT_TRANSLATE_NOOP("MainWindow", "DB VIEW"), QT_TRANSLATE_NOOP("MainWindow", "New Db"),
        QT_TRANSLATE_NOOP("MainWindow", "Open Db"), QT_TRANSLATE_NOOP("MainWindow", "Save Db"),
        QT_TRANSLATE_NOOP("MainWindow", "Close Db"), QT_TRANSLATE_NOOP("MainWindow", "ITEM VIEW"),
        QT_TRANSLATE_NOOP("MainWindow", "group"), QT_TRANSLATE_NOOP("MainWindow", "dept"),
        QT_TRANSLATE_NOOP("MainWindow", "plu"), QT_TRANSLATE_NOOP("MainWindow", "disc"),
        QT_TRANSLATE_NOOP("MainWindow", "tax"), QT_TRANSLATE_NOOP("MainWindow", "clerk"),
        QT_TRANSLATE_NOOP("MainWindow", "header"), QT_TRANSLATE_NOOP("MainWindow", "trailer"),
        QT_TRANSLATE_NOOP("MainWindow", "extheader") };
    if (entry < 0 || entry >= int(std::size(english)) || label != QLatin1String(english[entry]))
        return label;
    return tr(english[entry]);
}
