#include "app/pages/pageguard.h"

#include "app/dialogs/messagebox.h"
#include "app/pages/gridpage.h"
#include "app/pages/logopage.h"
#include "app/pages/systempage.h"

#include <QStackedWidget>

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
    const QWidget* page = m_stack->currentWidget();
    if (page == m_grid)
        return m_grid->save();
    if (page == m_logo)
        return m_logo->save();
    if (page == m_system)
        return m_system->save();
    return true;
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
    if (!modified())
        return true;
    const QMessageBox::StandardButton answer = MessageBox::question(parent, tr("unsaved changes"),
        //: %1 is the page's title (and the set's file name)
        tr("%1 has changes that are not saved.\nSave them before going on?").arg(what),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    if (answer != QMessageBox::Discard)
        return false;
    reload();
    return true;
}
