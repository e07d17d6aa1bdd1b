#include "app/mainwindow.h"

#include "ui_mainwindow.h"

// The Greek texts of the menus and tool bar, kept apart from the window's shell.
void MainWindow::applyGreekLabels()
{
    ui->menuFile->setTitle(QStringLiteral("Αρχείο"));
    ui->actionNew->setText(QStringLiteral("Νέο"));
    ui->actionOpen->setText(QStringLiteral("Άνοιγμα"));
    ui->actionSave->setText(QStringLiteral("Αποθήκευση"));
    ui->actionInstall->setText(QStringLiteral("Εγκατάσταση"));
    ui->actionDownload->setText(QStringLiteral("Εισαγωγή"));
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
}
