#pragma once

#include <QString>

class QWidget;

// The program's file dialogs. A dialog opens in the folder where the last one was closed on
// a file (kept in the program's settings file, tallvane.ini, from run to run) unless its
// caller names a folder of its own; a save dialog gives a name without an extension the
// first one of its filter ("prices" becomes "prices.csv"). Test hooks: a name set by
// setNextFileName() answers the next dialog without showing it, and lastStart() and
// lastFilter() tell what the last dialog opened with. GUI thread only.
class FileDialog {
public:
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
    // `filter` as the dialogs show it: in a right-to-left window each entry's patterns
    // ("(*.csv)") read left to right, as typed.
    static QString shownFilter(const QString& filter);

    static void setNextFileName(const QString& name);
    // Drops the names that no dialog has taken.
    static void clearNextFileNames();
    // The folder (or folder and proposed name) and the filter of the last dialog.
    static QString lastStart();
    static QString lastFilter();

private:
    static QString start(const QString& dir, const QString& filter);
    static void closedOn(const QString& name);
    static bool takeNext(QString* name);
};
