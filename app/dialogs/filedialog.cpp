#include "app/dialogs/filedialog.h"

#include <QFileDialog>
#include <QStringList>

namespace {
QStringList& nextNames()
{
    static QStringList names;
    return names;
}
} // namespace

bool FileDialog::takeNext(QString* name)
{
    if (nextNames().isEmpty())
        return false;
    *name = nextNames().takeFirst();
    return true;
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString name;
    if (takeNext(&name))
        return name;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString name;
    if (takeNext(&name))
        return name;
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void FileDialog::setNextFileName(const QString& name) { nextNames() << name; }
