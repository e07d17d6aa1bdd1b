#include "app/databasestatus.h"

#include "app/displaylanguage.h"
#include "records/netparm.h"
#include "records/system.h"
#include "storage/configdb.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace DatabaseStatus {

namespace {

const char kLabelName[] = "label_dbState";
const char kLanguageLabelName[] = "label_dbLanguage";

// The status bar's permanent label `name`, made on first use.
QLabel* permanentLabel(QStatusBar* bar, const char* name)
{
    auto* label = bar->findChild<QLabel*>(QLatin1String(name));
    if (!label) {
        label = new QLabel(bar);
        label->setObjectName(QLatin1String(name));
        bar->addPermanentWidget(label);
    }
    return label;
}

void showCurrent(QStatusBar* bar)
{
    QLabel* label = permanentLabel(bar, kLabelName);
    label->setStyleSheet(QStringLiteral("QLabel#label_dbState{color: #b00000;}"));
    const QString text = describeDatabaseProblem();
    label->setText(text);
    label->setToolTip(text.isEmpty() ? QString() : shownPath(currentDatabasePath));
    label->setVisible(!text.isEmpty());
    // A set whose register texts are in another language than the window's says so while current.
    // The sentence begins with the set's name: in a right-to-left window a right-to-left mark
    // keeps it a right-to-left sentence, or a Latin name would set it left to right.
    QLabel* language = permanentLabel(bar, kLanguageLabelName);
    const QString notice = describeSetLanguage();
    language->setText(notice.isEmpty() || QGuiApplication::isLeftToRight() ? notice : QChar(0x200F) + notice);
    language->setVisible(!language->text().isEmpty());
}

// The network and system parameters are one record each for the whole process: another set
// starts from a blank network record and the default system record, so that a set without
// them of its own shows nothing of the set open before (nor of a download into it).
void forgetOtherSet(const QString& before)
{
    if (currentDatabasePath == before)
        return;
    NetParm::setRecord(QByteArray());
    System::setRecord(System::defaultRecord());
}

} // namespace

void open(QStatusBar* bar, const QString& path)
{
    const QString before = currentDatabasePath;
    openDatabase(path);
    forgetOtherSet(before);
    showCurrent(bar);
}

void create(QStatusBar* bar, const QString& path)
{
    // A refused name leaves the previous database current and its label says the same again;
    // a set made where opening had just failed (the same path) clears what that failure said.
    const QString before = currentDatabasePath;
    createDatabase(path);
    forgetOtherSet(before);
    showCurrent(bar);
}

QString shown(const QStatusBar* bar)
{
    const auto* label = bar->findChild<const QLabel*>(QLatin1String(kLabelName));
    return label && !label->isHidden() ? label->text() : QString();
}

void refuseSave(QStatusBar* bar)
{
    const QString reason = lastDatabaseError();
    bar->showMessage(reason.isEmpty()
            ? QCoreApplication::translate("DatabaseStatus", "Not saved: the database keeps its previous rows.")
            : QCoreApplication::translate("DatabaseStatus", "Not saved (%1): the database keeps its previous rows.")
                  .arg(reason));
}

} // namespace DatabaseStatus
