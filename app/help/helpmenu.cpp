#include "app/help/helpmenu.h"

#include "app/help/aboutdialog.h"
#include "app/help/quickstartdialog.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStackedWidget>

HelpMenu::HelpMenu(QMenu* menu, QStackedWidget* pages, QWidget* window)
    : QObject(window)
    , m_pages(pages)
    , m_window(window)
{
    QAction* quickStart = menu->addAction(tr("&Quick start"), this, &HelpMenu::showQuickStart);
    quickStart->setObjectName(QStringLiteral("actionQuickStart"));
    quickStart->setShortcut(QKeySequence::HelpContents);
    quickStart->setShortcutContext(Qt::ApplicationShortcut);
    quickStart->setStatusTip(tr("A short guide from a new set to a verified install, at this page's step"));
    menu->addSeparator();
    QAction* about = menu->addAction(tr("&About Tallvane"), this, &HelpMenu::showAbout);
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setStatusTip(tr("The version, the licence and the data folder in use"));
}

QString HelpMenu::sectionOfShownPage() const
{
    static const struct {
        const char* page;
        const char* section;
    } sections[] = {
        { "ButtonPage", "sets" },
        { "GridPage", "pages" },
        { "SystemPage", "pages" },
        { "LogoPage", "logo" },
        { "JournalPage", "verify" },
    };
    // The connection panel beside the pages has a step of its own, asked for where it has the focus.
    for (const QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (widget->inherits("ConnectionPanel"))
            return QStringLiteral("connect");
    const QWidget* page = m_pages->currentWidget();
    for (const auto& entry : sections)
        if (page && page->inherits(entry.page))
            return QLatin1String(entry.section);
    return QString();
}

void HelpMenu::showQuickStart()
{
    if (!m_quickStart) {
        m_quickStart = new QuickStartDialog(m_window);
        m_quickStart->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_quickStart->showSection(sectionOfShownPage());
}

void HelpMenu::showAbout()
{
    AboutDialog about(m_window);
    about.exec();
}
