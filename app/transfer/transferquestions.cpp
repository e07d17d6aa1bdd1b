#include "app/transfer/transferquestions.h"

#include "app/applog.h"
#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "records/categories.h"

#include <QCoreApplication>

namespace TransferQuestions {

// The questions keep the translations they had as the transfer controller's own.
bool irreversible(QWidget* parent, const QString& question, bool clear)
{
    if (question.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = clear
        ? MessageBox::warning(parent, QCoreApplication::translate("TransferController", "warning"), question,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        : MessageBox::question(parent, QCoreApplication::translate("TransferController", "Delete from the register"),
            question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    qCDebug(lcApp) << (answer == QMessageBox::Yes ? "Yes" : "NO");
    return answer == QMessageBox::Yes;
}

WholeInstall wholeInstall(QWidget* parent, int category, int rows, const QString& registers)
{
    const Category* entry = categoryByNumber(category);
    const QString count = countText(category, rows);
    // PLUs go with the add code: the register's PLUs that the page does not name stay.
    QString text = category == CategoryPlu
        ? QCoreApplication::translate("TransferController",
            "Install sends all the page's %1 to %2 again; PLUs not on the page stay on the register. PLU totals "
            "kept by the register may be lost.")
              .arg(count, registers)
        : QCoreApplication::translate(
            "TransferController", "Install replaces the whole %1 table of %2 with the page's %3.")
              .arg(QCoreApplication::translate("Category", entry ? entry->rowName : ""), registers, count);
    text
        += QStringLiteral("\n\n") + QCoreApplication::translate("TransferController", "Send only the changes instead?");
    // Enter takes the answer that replaces nothing on the register.
    //: Title of the question before a whole table is sent to the register(s).
    const QMessageBox::StandardButton answer
        = MessageBox::question(parent, QCoreApplication::translate("TransferController", "Install"), text,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
            { { QMessageBox::Yes, QCoreApplication::translate("TransferController", "Send changes") },
                { QMessageBox::No, QCoreApplication::translate("TransferController", "Install all") } });
    return answer == QMessageBox::Yes ? WholeInstall::Changes
        : answer == QMessageBox::No   ? WholeInstall::Whole
                                      : WholeInstall::Cancelled;
}

PlannedDeletes plannedDeletes(QWidget* parent, const QString& question)
{
    // The other changes need not wait for the deletes: a PLU kept on the register stays in its
    // baseline, and the next send of changes asks about it again.
    const QMessageBox::StandardButton answer
        = MessageBox::question(parent, QCoreApplication::translate("TransferController", "Delete from the register"),
            question + QStringLiteral("\n\n")
                + QCoreApplication::translate(
                    "TransferQuestions", "Send the other changes without deleting them, or nothing at all (Cancel)."),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
            //: Buttons: delete those PLUs and send the other changes; send the other changes only
            { { QMessageBox::Yes, QCoreApplication::translate("TransferQuestions", "Delete and send") },
                { QMessageBox::No, QCoreApplication::translate("TransferQuestions", "Send without deleting") } });
    qCDebug(lcApp) << "planned deletes:" << answer;
    return answer == QMessageBox::Yes ? PlannedDeletes::Delete
        : answer == QMessageBox::No   ? PlannedDeletes::Keep
                                      : PlannedDeletes::Cancelled;
}

} // namespace TransferQuestions
