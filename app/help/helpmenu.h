#pragma once

#include "app/help/quickstartdialog.h"

#include <QObject>
#include <QPointer>

class QMenu;
class QStackedWidget;

// The Help menu: Quick start (F1 opens it at the section of the page on show) and About.
// GUI thread only.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    HelpMenu(QMenu* menu, QStackedWidget* pages, QWidget* window);

    // The quick start's section for the page on show ("pages" for a grid page, ...).
    QString sectionOfShownPage() const;
    QuickStartDialog* quickStart() const { return m_quickStart; }

    void showQuickStart();
    void showAbout();

private:
    QStackedWidget* m_pages;
    QWidget* m_window;
    QPointer<QuickStartDialog> m_quickStart;
};
