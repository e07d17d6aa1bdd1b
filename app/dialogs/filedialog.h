#pragma once

#include <QString>

class QWidget;

// The program's file dialogs, with a test hook: a name set by setNextFileName() answers
// the next dialog without showing it.
class FileDialog {
public:
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);

    static void setNextFileName(const QString& name);

private:
    static bool takeNext(QString* name);
};
