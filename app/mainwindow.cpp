#include "app/mainwindow.h"

#include "app/applog.h"
#include "app/buttonpictures.h"
#include "app/databasestatus.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/usrdialog.h"
#include "app/displaylanguage.h"
#include "app/editmenu.h"
#include "app/help/helpmenu.h"
#include "app/pages/buttonpage.h"
#include "app/pages/categorypages.h"
#include "app/pages/gridpage.h"
#include "app/pages/journalpage.h"
#include "app/pages/logopage.h"
#include "app/pages/pageguard.h"
#include "app/pages/systempage.h"
#include "app/setlibrary.h"
#include "app/transfer/connectionpanel.h"
#include "app/transfer/registercommands.h"
#include "app/transfer/transfercontroller.h"
#include "base/categorynumber.h"
#include "base/language.h"
#include "link/protocol.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "storage/setlocation.h"
#include "users/permissions.h"
#include "users/usrdb.h"

#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QUndoStack>

#include <cstring>

Q_LOGGING_CATEGORY(lcApp, "tallvane.app", QtInfoMsg)

namespace {

QString folderBeside(const QString& base, const char* name)
{
    return QDir::toNativeSeparators(base) + QDir::separator() + QLatin1String(name) + QDir::separator();
}

} // namespace

MainWindow::MainWindow(QWidget* parent, const QString& baseFolder)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    resize(1280, 600);
    if (currentLanguage == Greek)
        applyGreekLabels();

    const QString base = baseFolder.isEmpty() ? dataFolder() : baseFolder;
    m_dbFolder = folderBeside(base, "DB");
    m_imageFolder = folderBeside(base, "Image");

    setUpPages();
    connectActions();
    new HelpMenu(ui->menuHelp_2, ui->stackedWidget, this);
    setUpTree();
    connect(ui->treeWidget_Item, &QTreeWidget::itemClicked, this, &MainWindow::SelectedItem);

    m_sets = new SetLibrary(m_dbViewItem, ui->menuFile, ui->actionSave, m_dbFolder, this);
    connect(m_sets, &SetLibrary::openRequested, this, [this](const QString& path) {
        if (mayLeavePage())
            openSet(path);
    });
    connect(m_sets, &SetLibrary::createRequested, this, [this](const QString& path) {
        if (mayLeavePage())
            createSet(path);
    });
    m_sets->refresh(currentDatabasePath);
    updateTitle();
}

MainWindow::~MainWindow()
{
    // The links go first: their threads end before the pages and logs they report to.
    delete m_panel;
    delete ui;
}

void MainWindow::setUpPages()
{
    // The pages in the stack's order: button page, item grid, logo, system parameters.
    m_buttonPage = new ButtonPage(ui->stackedWidget);
    m_gridPage = new GridPage(statusBar(), m_imageFolder, ui->stackedWidget);
    m_logoPage = new LogoPage(statusBar(), m_imageFolder, ui->stackedWidget);
    m_systemPage = new SystemPage(statusBar(), m_imageFolder, ui->stackedWidget);
    for (QWidget* page : std::initializer_list<QWidget*> { m_buttonPage, m_gridPage, m_logoPage, m_systemPage })
        ui->stackedWidget->addWidget(page);
    statusBar()->addPermanentWidget(m_gridPage->fitLabel());
    // A message longer than the bar (an import's notes) is read whole in the bar's tool tip.
    connect(statusBar(), &QStatusBar::messageChanged, statusBar(), &QWidget::setToolTip);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this,
        [this] { m_gridPage->setOnShow(ui->stackedWidget->currentWidget() == m_gridPage); });
    connect(m_gridPage, &GridPage::backRequested, this, &MainWindow::showButtonPage);
    connect(m_logoPage, &LogoPage::backRequested, this, &MainWindow::showButtonPage);
    connect(m_systemPage, &SystemPage::backRequested, this, &MainWindow::showButtonPage);
    // Alt+Left leaves any page as its Back button does.
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, this, [this] {
        if (ui->stackedWidget->currentWidget() != m_buttonPage && !isBusy())
            showButtonPage();
    });
    m_guard = new PageGuard(ui->stackedWidget, m_gridPage, m_logoPage, m_systemPage, this);
    connect(m_guard, &PageGuard::modifiedChanged, this, &MainWindow::updateTitle);
    // Another import over unsaved changes asks about them first.
    m_gridPage->setLeaveCheck([this] { return mayLeavePage(); });
    connect(m_gridPage, &GridPage::itemCommandRequested, this,
        [this](quint8 command) { m_transfers->itemCommand(command, m_currentCategory); });
    JournalPage::setUp(
        ui->stackedWidget, ui->actionJournal, statusBar(), m_imageFolder,
        [this](QWidget* journal) {
            if (!mayLeavePage())
                return;
            m_currentCategory = CategoryNone;
            showPage(journal);
        },
        [this] { showButtonPage(); });

    for (const CategoryPage& page : categoryPages())
        if (QPushButton* button = page.button ? m_buttonPage->button(page.button) : nullptr) {
            ButtonPictures::setFace(button, m_imageFolder, page.picture);
            connect(button, &QPushButton::clicked, this, [this, number = page.number] { openCategory(number); });
        }
    QPushButton* admin = m_buttonPage->button("btn_admin");
    ButtonPictures::setFace(admin, m_imageFolder, "admin.ico");
    connect(admin, &QPushButton::clicked, this, &MainWindow::manageUsers);

    m_panel = new ConnectionPanel(statusBar(), m_imageFolder, ui->centralWidget);
    ui->layout_central->addWidget(m_panel);
    m_transfers = new TransferController(m_panel, m_gridPage, m_logoPage, m_systemPage, statusBar(), this);
    connect(m_transfers, &TransferController::busyChanged, this, &MainWindow::followBusy);
    connect(m_transfers, &TransferController::rowsReceived, this, &MainWindow::rcvRecords);
    // The panel's Install and Download are the File menu's commands, enabled alike.
    connect(m_panel, &ConnectionPanel::installRequested, ui->actionInstall, &QAction::trigger);
    connect(m_panel, &ConnectionPanel::downloadRequested, ui->actionDownload, &QAction::trigger);
}

void MainWindow::connectActions()
{
    // Log out closes the window as its close button does (asking about unsaved work first).
    connect(ui->actionLogOut, &QAction::triggered, this, [this] { m_loggedOut = close(); });
    // The tool bar's and the menus' commands are those of the buttons of the same names.
    connect(ui->actionInstall, &QAction::triggered, this, [this] { m_transfers->install(m_currentCategory); });
    // A download replaces the page on show: once a register can answer, unsaved changes are asked about.
    connect(ui->actionDownload, &QAction::triggered, this, [this] {
        if (m_transfers->linkReady() && mayLeavePage())
            m_transfers->download(m_currentCategory);
    });
    const struct {
        QAction* action;
        quint8 command;
    } itemCommands[] = { { ui->actionUpdate, CommandUpdate }, { ui->actionAdd, CommandAdd },
        { ui->actionDelet, CommandDelete } };
    for (const auto& entry : itemCommands)
        connect(entry.action, &QAction::triggered, this,
            [this, command = entry.command] { m_transfers->itemCommand(command, m_currentCategory); });
    connect(ui->actionGroup, &QAction::triggered, this, [this] { openCategory(CategoryGroup); });
    connect(ui->actionDept, &QAction::triggered, this, [this] { openCategory(CategoryDept); });
    EditMenu::setUp(ui->menuEdit, { ui->actionInsert, ui->actionCopy, ui->actionPast }, m_gridPage,
        [this] { return ui->stackedWidget->currentWidget() == m_gridPage && !isBusy(); });
    m_registerCommands = new RegisterCommands(
        { ui->actionInstall, ui->actionDownload, ui->actionAdd, ui->actionUpdate, ui->actionDelet, ui->actionClearData,
            ui->menuHelp, ui->mainToolBar, m_gridPage->findChild<QWidget*>(QStringLiteral("btn_add")),
            m_gridPage->findChild<QWidget*>(QStringLiteral("btn_update")),
            m_gridPage->findChild<QWidget*>(QStringLiteral("btn_delete")) },
        m_panel, m_transfers, this);
}

void MainWindow::setUpTree()
{
    auto label = [](int entry) { return shownTreeLabel(entry, fromLocal8Field(languageTexts[entry], kLanguageTextSize)); };
    QTreeWidget* tree = ui->treeWidget_Item;
    tree->setColumnCount(1);
    tree->setHeaderLabel(label(0));

    m_dbViewLabel = label(1);
    m_itemViewLabel = label(6);
    m_dbViewItem = new QTreeWidgetItem(tree, QStringList(m_dbViewLabel));
    auto* itemView = new QTreeWidgetItem(tree, QStringList(m_itemViewLabel));

    m_categoryLabels.clear();
    for (int entry = 7; entry <= 15; ++entry) {
        // The category names are kept in register form; the tree shows them converted.
        char text[kLanguageTextSize];
        std::memcpy(text, languageTexts[entry], kLanguageTextSize);
        textFromRegister(text, kLanguageTextSize);
        const QString name = shownTreeLabel(entry, fromLocal8Field(text, kLanguageTextSize));
        m_categoryLabels << name;
        new QTreeWidgetItem(itemView, QStringList(name));
    }
    m_buttonPage->showLocks(itemView, { { CategoryGroup, ui->actionGroup }, { CategoryDept, ui->actionDept } });
    tree->expandAll();
}

void MainWindow::SelectedItem(QTreeWidgetItem* item, int column)
{
    if (!item)
        return;
    if (const QString path = SetLibrary::pathOf(item); !path.isEmpty()) {
        if (SetLibrary::isOpen(path))
            return;
        if (mayLeavePage())
            openSet(path);
        else
            m_sets->refresh(currentDatabasePath);
        return;
    }
    const QString text = item->text(column);
    if (text == m_itemViewLabel) {
        showButtonPage();
        return;
    }
    for (const CategoryPage& page : categoryPages()) {
        if (page.treeEntry != 0 && text == m_categoryLabels.value(page.treeEntry - 7)) {
            // The entry stays marked while its page is on show; refused or cancelled, the open set is.
            openCategory(page.number);
            if (shownCategory() == page.number)
                ui->treeWidget_Item->setCurrentItem(item);
            else
                m_sets->selectOpen();
            return;
        }
    }
}

void MainWindow::refuseAuthority()
{
    MessageBox::critical(this, tr("Warnning!"), tr("No authority."), QMessageBox::Cancel);
}

void MainWindow::showPage(QWidget* page)
{
    // The logs tell of the last transfer of the page (and category) that was on show.
    const bool another = ui->stackedWidget->currentWidget() != page;
    ui->stackedWidget->setCurrentWidget(page);
    if (another || shownCategory() != m_logsCategory)
        m_transfers->clearLogs();
    m_logsCategory = shownCategory();
    m_registerCommands->follow(shownCategory());
    // The tree marks the open set again once a page is on show (see SelectedItem).
    if (m_sets)
        m_sets->selectOpen();
    updateTitle();
}

int MainWindow::shownCategory() const
{
    return ui->stackedWidget->currentWidget() == m_buttonPage ? int(CategoryNone) : m_currentCategory;
}

bool MainWindow::mayLeavePage() { return m_guard->mayLeave(this, pageTitle()); }

void MainWindow::reloadShownPage()
{
    m_transfers->clearLogs(); // they told of the set before
    m_guard->reload();
    m_panel->showRegisterNames();
    updateTitle();
}

QString MainWindow::pageTitle() const
{
    const CategoryPage* page = pageOf(m_currentCategory);
    const bool onPage = page && ui->stackedWidget->currentWidget() != m_buttonPage;
    const QString set = currentDatabasePath.isEmpty() ? QString() : shownSetName(currentDatabasePath);
    const QString title
        = onPage ? QCoreApplication::translate("CategoryPage", page->title) : QStringLiteral("Tallvane");
    return set.isEmpty() ? title : title + QStringLiteral(" \u2014 ") + set;
}

void MainWindow::updateTitle()
{
    setWindowTitle(m_guard->modified() ? pageTitle() + QStringLiteral(" *") : pageTitle());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unsaved work first (Cancel keeps a transfer running), and again after: a download may have filled the page.
    event->setAccepted(mayLeavePage() && m_transfers->stopBeforeClosing() && mayLeavePage());
}

void MainWindow::openSet(const QString& path)
{
    DatabaseStatus::open(statusBar(), path);
    m_sets->opened(path);
    reloadShownPage();
}

void MainWindow::reopenLastSet()
{
    // After a log out the set is still open, read in the new login's language: it is opened
    // anew (the user's last set, else that one), so that its own language applies again.
    const QString last = m_sets->lastSet();
    if (!last.isEmpty()) {
        openSet(last);
    } else if (!currentDatabasePath.isEmpty()) {
        // The previous user's set stays open for this one, but is not written into this user's
        // last and recent sets: those are the sets this user opened.
        DatabaseStatus::open(statusBar(), currentDatabasePath);
        m_sets->refresh(currentDatabasePath);
        reloadShownPage();
    }
}

void MainWindow::openCategory(int category)
{
    const CategoryPage* page = pageOf(category);
    if (!page)
        return;
    usrdb* db = usrdb::instance();
    if (!db || !mayOpenCategory(db->loginRecord(), category)) {
        refuseAuthority();
        return;
    }
    if (!mayLeavePage())
        return;
    QWidget* const pages[] = { m_buttonPage, m_gridPage, m_logoPage, m_systemPage };
    const QString status = QCoreApplication::translate("CategoryPage", page->statusText);
    m_currentCategory = category;
    showPage(pages[int(page->page)]);
    statusBar()->showMessage(status);
    if (page->page == Page::Grid)
        m_gridPage->open(category, status);
    else if (page->page == Page::System)
        m_systemPage->reload();
}

void MainWindow::on_btn_extth_clicked() { openCategory(CategoryExtHeader); }

void MainWindow::on_actionMenu_triggered()
{
    if (!mayLeavePage())
        return;
    showPage(m_buttonPage);
    //: The status bar on the page of category buttons
    statusBar()->showMessage(tr("Menu"));
}

void MainWindow::showButtonPage()
{
    if (!mayLeavePage())
        return;
    m_currentCategory = CategoryNone;
    showPage(m_buttonPage);
}

void MainWindow::manageUsers()
{
    usrdb* db = usrdb::instance();
    if (!db || db->loginRecord().UserGroup != 1) {
        refuseAuthority();
        return;
    }
    usrdialog dialog(this);
    dialog.exec();
}

void MainWindow::on_actionOpen_triggered()
{
    if (const QString path = m_sets->askForFile(this); !path.isEmpty() && mayLeavePage())
        openSet(path);
}

void MainWindow::on_actionNew_triggered()
{
    // "shop.db" in the database folder, or a server set's URL typed as the name.
    if (const QString name = m_sets->askForNewName(this); !name.isEmpty() && mayLeavePage())
        createSet(isServerLocation(m_newDbName = name) ? name : m_dbFolder + name);
}

void MainWindow::createSet(const QString& location)
{
    const QString path = canonicalLocation(location);
    DatabaseStatus::create(statusBar(), path);
    if (currentDatabasePath != path)
        return;
    // The new set opens empty: the page on show takes its (empty) table, nothing carried over.
    m_sets->opened(path);
    reloadShownPage();
    m_gridPage->showDatabaseState();
    if (currentDatabaseCheck().opened) // else the status bar already says why it cannot be used
        statusBar()->showMessage(tr("%1 created: every page of it is empty").arg(shownSet(path)));
}

void MainWindow::on_actionSave_triggered() { m_guard->save(); }

void MainWindow::on_actionClearData_triggered()
{
    m_transfers->clearData(shownCategory());
}

void MainWindow::followBusy(bool busy)
{
    ui->treeWidget_Item->setEnabled(!busy);
    ui->stackedWidget->setEnabled(!busy);
    // Nothing that could change what is sent or where the rows land: no other set, no save,
    // no other page. The register commands follow the controller themselves.
    for (QAction* action : { ui->actionNew, ui->actionOpen, ui->actionSave, ui->actionGroup, ui->actionDept,
             ui->actionMenu, ui->actionPast, ui->actionInsert, ui->actionJournal })
        action->setEnabled(!busy);
    for (const char* name : { "actionOpenServerSet", "actionCut", "actionClearCells", "actionDeleteRows" })
        findChild<QAction*>(QLatin1String(name))->setEnabled(!busy);
    QMenu* recent = findChild<QMenu*>(QStringLiteral("menuRecent"));
    recent->setEnabled(!busy && !recent->isEmpty());
    // The grid stays as the transfer found it: no step is undone or redone meanwhile.
    const QUndoStack* steps = m_gridPage->undoStack();
    findChild<QAction*>(QStringLiteral("actionUndo"))->setEnabled(!busy && steps->canUndo());
    findChild<QAction*>(QStringLiteral("actionRedo"))->setEnabled(!busy && steps->canRedo());
}

void MainWindow::ackData(QByteArray word) { m_transfers->ackData(word); }

void MainWindow::showVerification(VerifyReport report) { m_transfers->showVerification(report); }

void MainWindow::showConnection(QString ipstr) { m_panel->showConnection(ipstr); }

void MainWindow::showDisconnection(int connection) { m_panel->showDisconnection(connection); }

void MainWindow::rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) { rcvRecords(datatype, datas, nullptr); }

void MainWindow::rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, const QList<QByteArray>* records)
{
    qCDebug(lcApp) << ">>>>>>rcv Data";
    if (!datas)
        return;
    QWidget* page = ui->stackedWidget->currentWidget();
    if (page == m_gridPage)
        m_gridPage->showReceived(datatype, *datas, records);
    else if (page == m_systemPage && datatype == "SYSPARMDATA" && !datas->isEmpty() && datas->first().size() == 64)
        m_systemPage->fill();
}

GridModel* MainWindow::itemModel() const { return m_gridPage->model(); }
void MainWindow::setIncludeHeader(bool on) { m_gridPage->setIncludeHeader(on); }
TcpServer* MainWindow::tcpLink() const { return m_panel->tcpLink(); }
SerialServer* MainWindow::serialLink() const { return m_panel->serialLink(); }
bool MainWindow::isBusy() const { return m_transfers->isBusy(); }
LinkHost* MainWindow::linkHost() const { return m_transfers->host(); }
