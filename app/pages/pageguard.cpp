#include "app/pages/pageguard.h"

#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "app/grid/gridview.h"
#include "app/pages/gridpage.h"
#include "app/pages/logopage.h"
#include "app/pages/systempage.h"
#include "records/categories.h"
#include "storage/configdb.h"

#include <QMainWindow>
#include <QStackedWidget>
#include <QStatusBar>

PageGuard::PageGuard(QStackedWidget* stack, GridPage* grid, LogoPage* logo, SystemPage* system, QObject* parent)
    : QObject(parent)
    , m_stack(stack)
    , m_grid(grid)
    , m_logo(logo)
    , m_system(system)
{
    connect(grid, &GridPage::modifiedChanged, this, &PageGuard::modifiedChanged);
    connect(logo, &LogoPage::modifiedChanged, this, &PageGuard::modifiedChanged);
    connect(system, &SystemPage::modifiedChanged, this, &PageGuard::modifiedChanged);
}

bool PageGuard::modified() const
{
    const QWidget* page = m_stack->currentWidget();
    return (page == m_grid && m_grid->isModified()) || (page == m_logo && m_logo->isModified())
        || (page == m_system && m_system->isModified());
}

bool PageGuard::save()
{
    bool stored = saveShown();
    if (stored || !lastSaveConflicted())
        return stored;
    // Someone else saved the same table since this page loaded it: nothing was stored, and
    // the operator chooses whose work stays. Cancel (the default) keeps the page unsaved.
    const QMessageBox::StandardButton answer = MessageBox::question(m_stack->window(), tr("Saved by someone else"),
        //: %1 says which table, by whom and when
        tr("Nothing was saved: %1.\n\nReload shows what the set holds now and drops your changes; Overwrite "
           "stores this page over theirs; Cancel keeps your changes unsaved.")
            .arg(conflictSentence()),
        QMessageBox::Reset | QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel,
        { { QMessageBox::Reset, tr("Reload") }, { QMessageBox::Save, tr("Overwrite") } });
    auto* window = qobject_cast<QMainWindow*>(m_stack->window());
    if (answer == QMessageBox::Reset) {
        reload();
        if (window)
            window->statusBar()->showMessage(tr("Reloaded: the page shows what the set holds now"));
    } else if (answer == QMessageBox::Save) {
        adoptStoredVersion(shownTable());
        stored = saveShown();
    } else if (window) {
        // The status bar says it as the question did, not in the database's words.
        window->statusBar()->showMessage(tr("Nothing was saved: %1.").arg(conflictSentence()));
    }
    return stored;
}

QString PageGuard::conflictSentence() const
{
    const SaveConflict conflict = lastSaveConflict();
    const QWidget* page = m_stack->currentWidget();
    const Category* category = page == m_grid ? categoryByNumber(m_grid->category()) : nullptr;
    const QString what = page == m_logo ? tr("logo")
        : page == m_system              ? tr("system parameters")
        : category                      ? rowsText(category->typeName)
                                        : QString();
    if (conflict.by.isEmpty() || what.isEmpty())
        return lastDatabaseError();
    //: %1 who ("admin@till-2"), %2 what ("PLUs"), %3 the set ("shop.db"), %4 when
    return tr("%1 saved the %2 of %3 at %4, after this page was loaded")
        .arg(leftToRightRun(conflict.by), what, shownSet(currentDatabasePath), leftToRightRun(conflict.at));
}

bool PageGuard::saveShown()
{
    const QWidget* page = m_stack->currentWidget();
    if (page == m_grid)
        return m_grid->save();
    if (page == m_logo)
        return m_logo->save();
    if (page == m_system)
        return m_system->save();
    // The button page and the journal hold nothing to store; Save says so rather than nothing.
    if (auto* window = qobject_cast<QMainWindow*>(m_stack->window()))
        window->statusBar()->showMessage(tr("Nothing to save here: Save stores the page of a category"));
    return true;
}

QString PageGuard::shownTable() const
{
    const QWidget* page = m_stack->currentWidget();
    if (page == m_logo)
        return QStringLiteral("table_graphic");
    if (page == m_system)
        return QStringLiteral("table_system");
    const Category* category = page == m_grid ? categoryByNumber(m_grid->category()) : nullptr;
    return category ? QLatin1String(category->table) : QString();
}

void PageGuard::reload()
{
    const QWidget* page = m_stack->currentWidget();
    if (page == m_grid)
        m_grid->refresh();
    else if (page == m_logo)
        m_logo->reload();
    else if (page == m_system)
        m_system->reload();
}

bool PageGuard::mayLeave(QWidget* parent, const QString& what)
{
    // A value still being typed is an edit like any other.
    if (m_stack->currentWidget() == m_grid)
        GridView::finishEditing(m_grid->view());
    if (!modified())
        return true;
    const QMessageBox::StandardButton answer = MessageBox::question(parent, tr("unsaved changes"),
        //: %1 is the page's title (and the set's file name)
        tr("%1 has changes that are not saved.\nSave them before going on?").arg(what),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
        //: The button that leaves the page without saving its changes
        { { QMessageBox::Discard, tr("Discard") } });
    if (answer == QMessageBox::Save)
        return save();
    if (answer != QMessageBox::Discard)
        return false;
    reload();
    return true;
}
