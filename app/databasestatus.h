#pragma once

#include <QString>

class QStatusBar;

// The window's side of opening and creating configuration databases: the file becomes the
// current database, and a permanent label in the status bar says what is wrong with it (not a
// database, cut short, tables missing, read-only) for as long as it stays current; another
// (label_dbLanguage) says when its register texts are in another language than the window's.
// GUI thread only.
namespace DatabaseStatus {

void open(QStatusBar* bar, const QString& path);
void create(QStatusBar* bar, const QString& path);

// The label's text: empty while the current database is sound.
QString shown(const QStatusBar* bar);
// Says in the status bar that a save was refused, and why when the database said. The page
// keeps the operator's rows, so that nothing is lost when the file cannot take them.
void refuseSave(QStatusBar* bar);

} // namespace DatabaseStatus
