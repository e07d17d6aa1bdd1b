#pragma once

#include <QObject>

class GridPage;
class LogoPage;
class QStackedWidget;
class QWidget;
class SystemPage;

// The pages that hold an operator's work until it is saved (the grid, the logo, the system
// parameters), seen as one: whether the page on show has unsaved changes, saving or
// dropping them, and the question asked before the page goes. GUI thread only.
class PageGuard : public QObject {
    Q_OBJECT
public:
    PageGuard(QStackedWidget* stack, GridPage* grid, LogoPage* logo, SystemPage* system, QObject* parent = nullptr);

    // Whether the page on show holds changes that are not stored.
    bool modified() const;
    // Stores the page on show; true when it is stored (or holds nothing to store). When
    // someone else saved the same table since the page loaded it, asks whether to reload,
    // overwrite or cancel.
    bool save();
    // The page on show takes what the set holds, dropping its changes.
    void reload();
    // When the page on show has unsaved changes, asks about `what` ("PLU — shop.db"):
    // Save (the default) stores them, Discard drops them, Cancel stays. True when the caller
    // may go on.
    bool mayLeave(QWidget* parent, const QString& what);

signals:
    // A page gained or lost unsaved changes.
    void modifiedChanged();

private:
    bool saveShown();
    // The set's table behind the page on show.
    QString shownTable() const;
    // Who saved the page's table over it and when, in the page's words ("admin on till-2 saved
    // the PLUs of shop.db at ..."); the database's own words when it did not say.
    QString conflictSentence() const;

    QStackedWidget* m_stack;
    GridPage* m_grid;
    LogoPage* m_logo;
    SystemPage* m_system;
};
