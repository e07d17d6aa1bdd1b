#include "app/transfer/registercommands.h"

#include "app/transfer/connectionpanel.h"
#include "app/transfer/transfercontroller.h"
#include "base/categorynumber.h"
#include "users/permissions.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace {

// What each PLU item command does, as its tool tip, status tip and accessible description say.
const char* const kItemTips[] = {
    QT_TRANSLATE_NOOP("RegisterCommands", "Add the selected PLUs to the register(s)"),
    QT_TRANSLATE_NOOP("RegisterCommands", "Update the selected PLUs on the register(s)"),
    QT_TRANSLATE_NOOP("RegisterCommands", "Delete the selected PLUs from the register(s)"),
};

void describe(QAction* action, const QString& tip)
{
    action->setToolTip(tip);
    action->setStatusTip(tip);
}

void describe(QWidget* widget, const QString& tip)
{
    widget->setToolTip(tip);
    widget->setStatusTip(tip);
    widget->setAccessibleDescription(tip);
}

bool isAdministrator()
{
    usrdb* db = usrdb::instance();
    return db && mayClearRegisters(db->loginRecord());
}

} // namespace

RegisterCommands::RegisterCommands(
    const Commands& commands, ConnectionPanel* panel, TransferController* transfers, QObject* parent)
    : QObject(parent)
    , m_commands(commands)
    , m_panel(panel)
    , m_transfers(transfers)
    , m_installButton(panel->findChild<QAbstractButton*>(QStringLiteral("btn_install")))
    , m_downloadButton(panel->findChild<QAbstractButton*>(QStringLiteral("btn_download")))
    , m_compareButton(panel->findChild<QAbstractButton*>(QStringLiteral("btn_compare")))
    , m_changesButton(panel->findChild<QAbstractButton*>(QStringLiteral("btn_changes")))
{
    m_commands.install->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_commands.download->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

    m_cancel = new QAction(tr("Cancel transfer"), this);
    m_cancel->setObjectName(QStringLiteral("actionCancel"));
    m_cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancel->setShortcutContext(Qt::WindowShortcut);
    describe(m_cancel, tr("Stop the transfer after the current frame (Esc)"));
    m_commands.toolMenu->addSeparator();
    m_commands.toolMenu->addAction(m_cancel);
    m_commands.toolMenu->setToolTipsVisible(true);
    if (QWidget* window = qobject_cast<QWidget*>(parent))
        window->addAction(m_cancel);
    connect(m_cancel, &QAction::triggered, transfers, &TransferController::cancel);

    // Changes-only sends: the page compared with what each register holds, and only the
    // difference sent.
    m_compare = new QAction(tr("Compare with register"), this);
    m_compare->setObjectName(QStringLiteral("actionCompare"));
    describe(m_compare, tr("Show what this page would change on each connected register"));
    m_changes = new QAction(tr("Send changes"), this);
    m_changes->setObjectName(QStringLiteral("actionSendChanges"));
    describe(m_changes, tr("Send each register only what differs from what it holds"));
    for (QAction* action : { m_compare, m_changes }) {
        m_commands.toolBar->addAction(action);
        m_commands.toolMenu->insertAction(m_cancel, action);
    }
    connect(m_compare, &QAction::triggered, this, [this] { m_transfers->compare(m_category); });
    connect(m_changes, &QAction::triggered, this, [this] { m_transfers->sendChanges(m_category); });
    connect(m_compareButton, &QAbstractButton::clicked, m_compare, &QAction::trigger);
    connect(m_changesButton, &QAbstractButton::clicked, m_changes, &QAction::trigger);
    describe(m_compareButton, m_compare->toolTip());
    describe(m_changesButton, m_changes->toolTip());

    connect(transfers, &TransferController::busyChanged, this, &RegisterCommands::update);
    connect(panel, &ConnectionPanel::linkChanged, this, &RegisterCommands::update);
    update();
}

void RegisterCommands::follow(int category)
{
    m_category = category;
    update();
}

void RegisterCommands::update()
{
    const bool busy = m_transfers->isBusy();
    m_cancel->setEnabled(busy);

    // Install sends the page on show (a table, the logo or the system parameters) and
    // download reads one back; the category buttons and the journal have nothing to send,
    // and a register does not send its logo back.
    const bool page = m_category != CategoryNone;
    //: "install" is the command that sends the page's table to the register.
    const QString install = page ? tr("install: send this page's table to the register(s) (Ctrl+I)")
                                 : tr("install: open a category page first; its table goes to the register(s)");
    //: "download" is the command that reads the page's table from the register.
    const QString download = !page      ? tr("download: open a category page first; its table comes from the register")
        : m_category == CategoryGraphic ? tr("download: a register does not send its logo back")
                                        : tr("download: read this page's table from the register (Ctrl+D)");
    const bool downloadable = page && m_category != CategoryGraphic;
    describe(m_commands.install, install);
    describe(m_installButton, install);
    describe(m_commands.download, download);
    describe(m_downloadButton, download);
    m_commands.install->setEnabled(page && !busy);
    m_installButton->setEnabled(page && !busy);
    m_commands.download->setEnabled(downloadable && !busy);
    m_downloadButton->setEnabled(downloadable && !busy);

    const bool pluPage = m_category == CategoryPlu;
    QAction* const actions[] = { m_commands.add, m_commands.update, m_commands.remove };
    QWidget* const buttons[] = { m_commands.addButton, m_commands.updateButton, m_commands.removeButton };
    for (int i = 0; i < 3; ++i) {
        const QString what = tr(kItemTips[i]);
        const QString tip = pluPage
            ? what
            : tr("%1 (on the PLU page only: the other pages go to the register whole, with install)").arg(what);
        describe(actions[i], tip);
        describe(buttons[i], tip);
        if (QWidget* toolButton = m_commands.toolBar->widgetForAction(actions[i]))
            toolButton->setAccessibleDescription(tip);
        actions[i]->setEnabled(pluPage && !busy);
        buttons[i]->setEnabled(pluPage && !busy);
    }

    // Clear data erases every table of the register on the serial link; it is given from any
    // page but the PLU page, by the administrator.
    QString why;
    if (!isAdministrator())
        why = tr("only the administrator may erase a register's tables");
    else if (!m_panel->serialMode())
        why = tr("clear data goes to a register on the serial link only");
    else if (pluPage)
        why = tr("clear data is not given from the PLU page");
    describe(m_commands.clearData, why.isEmpty()
            ? tr("Erase every table of the register on the serial port (asks first)")
            //: %1 says why the command is disabled.
            : tr("Erase every table of the register: %1").arg(why));
    m_commands.clearData->setEnabled(why.isEmpty() && !busy);

    // A table page can be compared and its changes sent.
    const bool table = m_category != CategoryNone && m_category != CategoryGraphic && m_category != CategorySysParm;
    for (QAction* action : { m_compare, m_changes })
        action->setEnabled(table && !busy);
    // The panel's buttons trigger the same commands and look as they do.
    m_compareButton->setEnabled(table && !busy);
    m_changesButton->setEnabled(table && !busy);
}
