#pragma once

#include <QString>

// The window's texts in the display language chosen at login: Tallvane's own translation
// (embedded, ":/i18n/tallvane_LANG.qm") and Qt's for its standard buttons and dialogs, and the
// layout direction, right to left for Hebrew and Arabic. English installs none. Call after
// each login, before the main window is built. GUI thread only.
void installDisplayTranslation(int language);

// The code of a display language for file names ("el", "he", "ar", "th"); empty for English.
const char* displayLanguageCode(int language);

// `text` that reads left to right whatever it sits in (a time stamp, an address) for a
// sentence on screen: in a right-to-left window it is isolated as one left-to-right run, or
// its digits, letters and signs would be reordered among the sentence's words.
QString leftToRightRun(const QString& text);

// The direction of a paragraph of `text`: that of its first letter outside isolated runs
// (what leftToRightRun() makes), or `otherwise` when it has none ("1000"). Grid cells and
// log lines take it: a rich text edit aligns each paragraph by its first letter, inside
// isolates too, so a log line that begins with an isolated register ("/dev/ttyS0: ...")
// would be aligned left in a right-to-left window although it reads right to left.
Qt::LayoutDirection paragraphDirection(const QString& text, Qt::LayoutDirection otherwise);

// `path` with the system's separators for a text on screen. In a right-to-left window it is
// isolated as one left-to-right run: its leading "/" would otherwise be shown at its end
// ("tmp/shop.db/").
QString shownPath(const QString& path);

// The name of the configuration set at `path` (a file or a server set) for a sentence on
// screen: one run, in the direction of its first letter.
QString shownSet(const QString& path);

class QTableView;
// Makes `row` of `view` its current and only selected row, in either direction.
// QTableView::selectRow cannot be used in a right-to-left window: there it looks for the first
// column one pixel past the viewport's edge, finds none, and clears the selection instead.
void selectTableRow(QTableView* view, int row);
