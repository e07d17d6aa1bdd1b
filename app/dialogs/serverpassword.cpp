#include "app/dialogs/serverpassword.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QWidget>

bool askServerPassword(const QString& account, const QString& reason, QString* password)
{
    const bool retry = reason.contains(QLatin1String("authentication failed"));
    const QString prompt = retry
        ? QCoreApplication::translate("ServerPassword", "The server refused the password of %1. Password:")
        : QCoreApplication::translate("ServerPassword", "Password of %1 on the server:");
    bool ok = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(),
        QCoreApplication::translate("ServerPassword", "Server password"), prompt.arg(account), QLineEdit::Password,
        QString(), &ok);
    if (!ok)
        return false;
    *password = typed;
    return true;
}
