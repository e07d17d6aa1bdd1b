#include "app/mainwindow.h"

#include "app/applog.h"
#include "app/databasestatus.h"
#include "app/dialogs/db_create.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/usrdialog.h"
#include "app/grid/cellmarks.h"
#include "app/grid/fielddelegate.h"
#include "app/grid/filecommands.h"
#include "app/grid/gridclipboard.h"
#include "app/grid/gridview.h"
#include "app/grid/itemgrid.h"
#include "app/pages/logopage.h"
#include "app/transfer/transfermonitor.h"
#include "base/language.h"
#include "link/linkhost.h"
#include "link/linksettings.h"
#include "link/protocol.h"
#include "link/sendrequest.h"
#include "link/serialserver.h"
#include "link/statusline.h"
#include "link/tcpserver.h"
#include "logo/graphic.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/system.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "users/permissions.h"
#include "users/usrdb.h"

#include "ui_mainwindow.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStandardItemModel>

#include <cstring>

Q_LOGGING_CATEGORY(lcApp, "tallvane.app", QtInfoMsg)

namespace {

// What the window knows of each category: its status text and its page.
struct CategoryPage {
    int number;
    const char* statusText;
    int page;
};

enum Page { PageItems = 0, PageForm = 1, PageImage = 2, PageSystem = 3 };

const CategoryPage kPages[] = {
    { CategoryGroup, "Group", PageForm },
    { CategoryDept, "Dept", PageForm },
    { CategoryPlu, "Plu", PageForm },
    { CategoryTax, "Tax", PageForm },
    { CategoryDisc, "Disc", PageForm },
    { CategoryClerk, "Clerk", PageForm },
    { CategoryHeader, "Header", PageForm },
    { CategoryTrailer, "Trailer", PageForm },
    { CategoryGraphic, "graphic", PageImage },
    { CategoryNetParm, "NetParm", PageForm },
    { CategorySysParm, "SysParm", PageSystem },
    { CategoryExtHeader, "EXTHeader", PageForm },
};

// Hands the links' calls to the window and the window's requests to the links.
class WindowLinkHost : public LinkHost {
public:
    explicit WindowLinkHost(MainWindow* window)
        : LinkHost(window)
        , m_window(window)
    {
    }
    void ackData(QByteArray word) override { m_window->ackData(word); }
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) override { m_window->rcvData(datatype, datas); }
    void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records) override
    {
        m_window->rcvRecords(datatype, datas, records);
    }
    void showConnection(QString ipstr) override { m_window->showConnection(ipstr); }
    void showDisconnection(int connection) override { m_window->showDisconnection(connection); }
    void verified(VerifyReport report) override { m_window->showVerification(report); }

private:
    MainWindow* m_window;
};

const CategoryPage* pageOf(int category)
{
    for (const CategoryPage& page : kPages)
        if (page.number == category)
            return &page;
    return nullptr;
}

// What a spin box of the system page shows for a record value, which may lie outside its range.
int shownValue(const QSpinBox* box, qint64 value)
{
    return int(qBound(qint64(box->minimum()), value, qint64(box->maximum())));
}

// Lines that each transfer log keeps; older ones are dropped.
constexpr int kTransferLogLines = 1000;
// A button whose text tells its state is announced by that text.
void setButtonText(QAbstractButton* button, const QString& text)
{
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolTip(text);
}

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
    setWindowTitle(QStringLiteral("Tallvane"));

    if (currentLanguage != Thailand)
        ui->widget_LogId->hide();
    if (currentLanguage == Greek)
        applyGreekLabels();

    const QString base = baseFolder.isEmpty() ? dataFolder() : baseFolder;
    m_dbFolder = folderBeside(base, "DB");
    m_imageFolder = folderBeside(base, "Image");

    m_model = new GridModel(this);
    ui->tableView->setModel(m_model);
    // A refused cell text says why in the status bar; the page's own text comes back after.
    m_fieldDelegate = new FieldDelegate([this] { return codecForCategory(m_currentCategory); },
        [this](const QString& reason) {
            const CategoryPage* page = pageOf(m_currentCategory);
            statusBar()->showMessage(reason.isEmpty() && page ? QString::fromLatin1(page->statusText) : reason);
        },
        ui->tableView);
    ui->tableView->setItemDelegate(m_fieldDelegate);
    m_gridView = new GridView(
        ui->tableView, m_model, [this] { return codecForCategory(m_currentCategory); }, this);
    // Cells that the register would not hold as shown are marked and counted.
    m_marks = new CellMarks(
        m_model, [this] { return codecForCategory(m_currentCategory); }, this);
    m_fitLabel = new QLabel(this);
    m_fitLabel->setObjectName(QStringLiteral("label_fit"));
    statusBar()->addPermanentWidget(m_fitLabel);
    connect(m_marks, &CellMarks::flaggedChanged, this, &MainWindow::showFlagged);
    connect(m_marks, &CellMarks::marksChanged, ui->tableView->viewport(), qOverload<>(&QWidget::update));
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &MainWindow::showFlagged);
    ui->tableView->verticalHeader()->hide();
    QHeaderView* header = ui->tableView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &MainWindow::view_sort);
    // A click on a header sorts the PLU codes or does nothing; it does not select the whole
    // column, which the item commands would then send (or delete) row by row.
    disconnect(header, &QHeaderView::sectionPressed, ui->tableView, nullptr);
    disconnect(header, &QHeaderView::sectionEntered, ui->tableView, nullptr);

    m_host = new WindowLinkHost(this);
    connect(m_host, &LinkHost::signal_transfersEnded, this, [this] { setBusy(false); });
    m_monitor = new TransferMonitor(
        ui->textEdit_snd, ui->textEdit_rcv, ui->progressBar_transfer, kTransferLogLines, this);
    connectActions();
    ui->cb_verify->setChecked(LinkSettings::load().verifyAfterInstall);
    connect(ui->cb_verify, &QCheckBox::toggled, this, [](bool on) { LinkSettings::storeVerifyAfterInstall(on); });

    setUpArtwork();

    ui->stackedWidget->setStyleSheet(
        QStringLiteral("QStackedWidget#stackedWidget{border: 1px solid #000000; border-radius: 5px;}"));
    ui->widget_Connect->setStyleSheet(
        QStringLiteral("QWidget#widget_Connect{border: 1px solid #000000; border-radius: 5px;}"));
    ui->widget_image->setStyleSheet(QStringLiteral("QWidget#widget_image{border: 1px solid #000000;}"));
    ui->widget_image_edit->setStyleSheet(
        QStringLiteral("QWidget#widget_image_edit{border: 1px solid #000000; border-radius: 5px;}"));
    ui->treeWidget_Item->setStyleSheet(QStringLiteral("QTreeWidget#treeWidget_Item{border: 1px solid #000000;}"));
    ui->widget_time->setStyleSheet(QStringLiteral("QWidget#widget_time{border: 1px solid #000000; border-radius: 5px;}"));
    ui->widget_itemparm->setStyleSheet(
        QStringLiteral("QWidget#widget_itemparm{border: 1px solid #000000; border-radius: 5px;}"));
    ui->widget_sysparm->setStyleSheet(
        QStringLiteral("QWidget#widget_sysparm{border: 1px solid #000000; border-radius: 5px;}"));

    // Adding the first entry selects "Serial" and runs the connection change.
    ui->comboBox_Connect->addItem(QStringLiteral("Serial"));
    ui->comboBox_Connect->addItem(QStringLiteral("Tcp"));

    setUpTree();
    connect(ui->treeWidget_Item, &QTreeWidget::itemClicked, this, &MainWindow::SelectedItem);

    m_contextMenu = new QMenu(ui->tableView);
    ui->dateTimeEdit->calendarWidget()->setLocale(QLocale(QLocale::English));
    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    ui->widget_time->hide();

    ui->tableWidget_Tcp->setColumnCount(2);
    ui->tableWidget_Tcp->setHorizontalHeaderLabels({ QStringLiteral("IP"), QStringLiteral("MAC") });

    m_logoPage = new LogoPage(this, ui);
    ui->progressBar_transfer->hide();

    ui->sb_ecrno->setRange(0, 255);
    ui->sb_ecrno->setEnabled(false);
    ui->sb_printdensity->setRange(0, 4);
    ui->sb_ideltime->setRange(0, 99);
    ui->sb_amountmax->setRange(0, 99999999);
    fillSystemPage();
}

MainWindow::~MainWindow()
{
    // The links go first: their threads end before the widgets they report to.
    delete m_tcpLink;
    delete m_serialLink;
    // The grid outlives this destructor and may still ask its delegate about the window.
    m_fieldDelegate->detach();
    delete ui;
}

void MainWindow::connectActions()
{
    // The tool bar's and the menus' commands are those of the buttons of the same names.
    connect(ui->actionInstall, &QAction::triggered, this, &MainWindow::on_btn_install_clicked);
    connect(ui->actionDownload, &QAction::triggered, this, &MainWindow::on_btn_download_clicked);
    connect(ui->actionUpdate, &QAction::triggered, this, &MainWindow::on_btn_update_clicked);
    connect(ui->actionAdd, &QAction::triggered, this, &MainWindow::on_btn_add_clicked);
    connect(ui->actionDelet, &QAction::triggered, this, &MainWindow::on_btn_delete_clicked);
    connect(ui->actionGroup, &QAction::triggered, this, &MainWindow::on_btn_group_clicked);
    connect(ui->actionDept, &QAction::triggered, this, &MainWindow::on_btn_dept_clicked);
    // Insert has no command: rows come from the database, the register or a file.
    ui->actionInsert->setEnabled(false);
    ui->actionCopy->setShortcut(QKeySequence::Copy);
    ui->actionPast->setShortcut(QKeySequence::Paste);
    connect(ui->actionCopy, &QAction::triggered, this, &MainWindow::copyCells);
    connect(ui->actionPast, &QAction::triggered, this, &MainWindow::pasteCells);
    ui->pushButton->setShortcut(QKeySequence(Qt::Key_F5));
}

void MainWindow::applyGreekLabels()
{
    ui->menuFile->setTitle(QStringLiteral("Αρχείο"));
    ui->actionNew->setText(QStringLiteral("Νέο"));
    ui->actionOpen->setText(QStringLiteral("Άνοιγμα"));
    ui->actionSave->setText(QStringLiteral("Αποθήκευση"));
    ui->actionInstall->setText(QStringLiteral("Εγκατάσταση"));
    ui->actionDownload->setText(QStringLiteral("Εισαγωγή"));
    ui->actionUpdate->setText(QStringLiteral("Αναβάθμιση"));
    ui->menuEdit->setTitle(QStringLiteral("Επεξεργασία"));
    ui->actionAdd->setText(QStringLiteral("Προσθήκη"));
    ui->actionDelet->setText(QStringLiteral("Διαγραφή"));
    ui->actionInsert->setText(QStringLiteral("Εισαγωγή"));
    ui->actionCopy->setText(QStringLiteral("Αντιγραφή"));
    ui->actionPast->setText(QStringLiteral("Επικόλληση"));
    ui->actionMenu->setText(QStringLiteral("Μενού"));
    ui->actionGroup->setText(QStringLiteral("Κατηγορίες"));
    ui->actionDept->setText(QStringLiteral("Τμήματα"));
}

void MainWindow::setUpArtwork()
{
    struct Picture {
        QPushButton* button;
        const char* file;
    };
    // Style sheets name the picture by its path with forward slashes.
    auto pathOf = [this](const Picture& entry) {
        return QString(m_imageFolder + QLatin1String(entry.file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    };
    const Picture categoryButtons[] = {
        { ui->btn_group, "group.ico" },
        { ui->btn_dept, "Dept.ico" },
        { ui->btn_plu, "PLU.ico" },
        { ui->btn_tax, "Tax.ico" },
        { ui->btn_disc, "Disc.ico" },
        { ui->btn_clerk, "Clerk.ico" },
        { ui->btn_th, "TH.ico" },
        { ui->btn_trailer, "TR.ico" },
        { ui->btn_graphic, "graphic.ico" },
        { ui->btn_net, "Net.ico" },
        { ui->btn_system, "System.ico" },
        { ui->btn_admin, "admin.ico" },
    };
    for (const Picture& entry : categoryButtons) {
        const QString path = pathOf(entry);
        entry.button->setStyleSheet(QStringLiteral("QPushButton#%1{border-image:url(%2);}").arg(entry.button->objectName(), path));
    }

    const Picture commandButtons[] = {
        { ui->btn_install, "install.png" },
        { ui->btn_download, "download.png" },
        { ui->pushButton, "refresh.png" },
        { ui->btn_openfile, "openfile.png" },
        { ui->btn_savefile, "savefile.png" },
        { ui->btn_add, "add.png" },
        { ui->btn_update, "update.png" },
        { ui->btn_delete, "delete.png" },
        { ui->btn_return, "return.png" },
        { ui->btn_serial, "openseial.png" },
    };
    for (const Picture& entry : commandButtons) {
        const QString path = pathOf(entry);
        qCDebug(lcApp) << "pngimage ---> " << path;
        // A picture of another size is brought to the button's size once and kept so.
        const QImage picture(path);
        if (!picture.isNull() && picture.size() != entry.button->size())
            picture.scaled(entry.button->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path);
        entry.button->setStyleSheet(
            QStringLiteral("QPushButton#%1{background-image:url(%2);}").arg(entry.button->objectName(), path));
    }
}

void MainWindow::setUpTree()
{
    auto label = [](int entry) { return fromLocal8Field(languageTexts[entry], kLanguageTextSize); };
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
        const QString name = fromLocal8Field(text, kLanguageTextSize);
        m_categoryLabels << name;
        new QTreeWidgetItem(itemView, QStringList(name));
    }
    tree->expandAll();
}

void MainWindow::SelectedItem(QTreeWidgetItem* item, int column)
{
    if (!item)
        return;
    if (item->parent() && item->parent()->text(column) == m_dbViewLabel) {
        DatabaseStatus::open(statusBar(), m_dbFolder + item->text(column));
        if (ui->stackedWidget->currentIndex() == PageForm)
            refreshTable();
        return;
    }
    const QString text = item->text(column);
    if (text == m_itemViewLabel) {
        ui->stackedWidget->setCurrentIndex(PageItems);
        m_currentCategory = CategoryNone;
        return;
    }
    // Tree entries 7 to 15 in the order of the comparison: group, dept, plu, tax, disc,
    // clerk, header, trailer, extheader (the tree lists disc before tax).
    const struct {
        int entry;
        int category;
    } order[] = { { 7, CategoryGroup }, { 8, CategoryDept }, { 9, CategoryPlu }, { 11, CategoryTax },
        { 10, CategoryDisc }, { 12, CategoryClerk }, { 13, CategoryHeader }, { 14, CategoryTrailer },
        { 15, CategoryExtHeader } };
    for (const auto& candidate : order) {
        if (text == m_categoryLabels.value(candidate.entry - 7)) {
            openCategory(candidate.category);
            return;
        }
    }
}

bool MainWindow::mayOpen(int category) const
{
    usrdb* db = usrdb::instance();
    return db && mayOpenCategory(db->loginRecord(), category);
}

void MainWindow::refuseAuthority()
{
    MessageBox::critical(this, QStringLiteral("Warnning!"), QStringLiteral("No authority."), QMessageBox::Cancel);
}

void MainWindow::openCategory(int category)
{
    const CategoryPage* page = pageOf(category);
    if (!page)
        return;
    if (!mayOpen(category)) {
        refuseAuthority();
        return;
    }
    ui->stackedWidget->setCurrentIndex(page->page);
    statusBar()->showMessage(QString::fromLatin1(page->statusText));
    m_currentCategory = category;
    // The item codes are the one column that sorts: no other page shows a sort order.
    ui->tableView->horizontalHeader()->setSortIndicatorShown(category == CategoryPlu);

    if (page->page == PageForm) {
        refreshTable();
    } else if (category == CategorySysParm) {
        System::loadSystemRecord();
        fillSystemPage();
    }
}

void MainWindow::refreshTable()
{
    // The stored rows replace the grid's in one go; an empty or unreadable table still
    // brings the category's columns, and an empty one shows the category's starting rows
    // (they are stored only when saved).
    ItemTable table;
    QList<QByteArray> records;
    const RecordCodec* codec = codecForCategory(m_currentCategory);
    if (codec && m_currentCategory != CategorySysParm)
        codec->loadShownTable(&table, &records);
    fillTable(table, records);
    showDatabaseState();
}

void MainWindow::showDatabaseState()
{
    // Without a database the status bar says how to get one; with one, it names the page.
    const CategoryPage* page = pageOf(m_currentCategory);
    if (currentDatabasePath.isEmpty())
        statusBar()->showMessage(GridView::noDatabaseText());
    else if (page && statusBar()->currentMessage() == GridView::noDatabaseText())
        statusBar()->showMessage(QString::fromLatin1(page->statusText));
}

void MainWindow::fillTable(const ItemTable& table, const QList<QByteArray>& records)
{
    m_gridView->show(table, currentColumns(), m_currentCategory, records);
    m_marks->checkShown(table, m_currentCategory, records);
}

void MainWindow::copyCells()
{
    if (ui->stackedWidget->currentIndex() != PageForm)
        return;
    const QString text = GridClipboard::copyText(ui->tableView);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void MainWindow::pasteCells()
{
    if (ui->stackedWidget->currentIndex() != PageForm || m_busy)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    statusBar()->showMessage(GridClipboard::pasteMessage(GridClipboard::paste(ui->tableView, m_fieldDelegate, text)));
}

void MainWindow::on_comboBox_Connect_currentIndexChanged(int index)
{
    const QString mode = ui->comboBox_Connect->itemText(index);
    if (mode == QLatin1String("Serial")) {
        if (m_tcpLink) {
            ui->tableWidget_Tcp->setRowCount(0);
            ui->tableWidget_Tcp->clearContents();
            delete m_tcpLink;
            m_tcpLink = nullptr;
        }
        ui->pushButton->show();
        ui->stackedWidget_Connect->setCurrentIndex(0);
        statusBar()->showMessage(QStringLiteral("Serial"));
        refreshPortList();
    } else if (mode == QLatin1String("Tcp")) {
        ui->pushButton->hide();
        ui->stackedWidget_Connect->setCurrentIndex(1);
        closeSerialLink();
        m_tcpLink = new TcpServer(m_host, this);
        connect(m_tcpLink, &TcpServer::connectionRefused, this, [this](const QString& address, const QString& reason) {
            statusBar()->showMessage(QStringLiteral("Tcp: connection from %1 refused: %2").arg(address, reason));
        });
        if (m_tcpLink->isListening())
            statusBar()->showMessage(QStringLiteral("Tcp"));
        else
            statusBar()->showMessage(QStringLiteral("Tcp: cannot listen on %1").arg(m_tcpLink->listenError()));
    }
}

void MainWindow::refreshPortList()
{
    const QStringList ports = scanSerialPorts();
    ui->comboBox_ComNum->clear();
    ui->comboBox_ComNum->addItems(ports);
}

void MainWindow::on_pushButton_clicked() { refreshPortList(); }

void MainWindow::closeSerialLink()
{
    if (!m_serialLink)
        return;
    setButtonText(ui->btn_serial, QStringLiteral("Open Serial"));
    m_serialOpen = false;
    delete m_serialLink;
    m_serialLink = nullptr;
    ui->pushButton->setEnabled(true);
    ui->comboBox_ComNum->setEnabled(true);
}

void MainWindow::on_btn_serial_clicked()
{
    const QString port = ui->comboBox_ComNum->currentText();
    if (port.isEmpty()) {
        MessageBox::critical(this, QStringLiteral("can not open serial"), QStringLiteral("no select serial port."));
        return;
    }
    if (m_serialOpen) {
        closeSerialLink();
        return;
    }
    setButtonText(ui->btn_serial, QStringLiteral("Close Serial"));
    m_serialOpen = true;
    ui->pushButton->setEnabled(false);
    ui->comboBox_ComNum->setEnabled(false);
    if (!m_serialLink)
        m_serialLink = new SerialServer(m_host, port, this);
    if (!m_serialLink->isOpen()) {
        // A port that did not open serves no transfer: say so and show the link closed.
        const QString reason = m_serialLink->openError();
        closeSerialLink();
        MessageBox::critical(this, QStringLiteral("can not open serial"),
            QStringLiteral("%1 could not be opened: %2").arg(port, reason));
    }
}

void MainWindow::showConnection(QString ipstr)
{
    QTableWidget* table = ui->tableWidget_Tcp;
    const int row = table->rowCount();
    table->insertRow(row);
    statusBar()->showMessage(ipstr);
    auto* item = new QTableWidgetItem(ipstr);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    table->setItem(row, 0, item);
    table->selectRow(row);
}

void MainWindow::showDisconnection(int connection)
{
    const QString address = ConnectionRegistry::take(connection);
    QTableWidget* table = ui->tableWidget_Tcp;
    if (address.isEmpty() || table->rowCount() == 0)
        return;
    for (int row = table->rowCount() - 1; row >= 0; --row)
        if (table->item(row, 0) && table->item(row, 0)->text() == address)
            table->removeRow(row);
}

void MainWindow::on_btn_group_clicked() { openCategory(CategoryGroup); }
void MainWindow::on_btn_dept_clicked() { openCategory(CategoryDept); }
void MainWindow::on_btn_plu_clicked() { openCategory(CategoryPlu); }
void MainWindow::on_btn_tax_clicked() { openCategory(CategoryTax); }
void MainWindow::on_btn_disc_clicked() { openCategory(CategoryDisc); }
void MainWindow::on_btn_clerk_clicked() { openCategory(CategoryClerk); }
void MainWindow::on_btn_th_clicked() { openCategory(CategoryHeader); }
void MainWindow::on_btn_extth_clicked() { openCategory(CategoryExtHeader); }
void MainWindow::on_btn_trailer_clicked() { openCategory(CategoryTrailer); }
void MainWindow::on_btn_graphic_clicked() { openCategory(CategoryGraphic); }
void MainWindow::on_btn_net_clicked() { openCategory(CategoryNetParm); }
void MainWindow::on_btn_system_clicked() { openCategory(CategorySysParm); }

void MainWindow::on_btn_open_image_clicked() { m_logoPage->openImage(); }
void MainWindow::on_iamgesize_19264_clicked() { m_logoPage->chooseSize(QSize(192, 64)); }
void MainWindow::on_imagesize_38464_clicked() { m_logoPage->chooseSize(QSize(384, 64)); }
void MainWindow::on_btn_set_imagesize_clicked() { m_logoPage->setCustomSize(); }

void MainWindow::on_actionMenu_triggered()
{
    ui->stackedWidget->setCurrentIndex(PageItems);
    statusBar()->showMessage(QStringLiteral("Menu"));
}

void MainWindow::on_btn_return_clicked()
{
    ui->stackedWidget->setCurrentIndex(PageItems);
    m_currentCategory = CategoryNone;
}

void MainWindow::on_btn_admin_clicked()
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
    QDir().mkpath(m_dbFolder);
    const QString path = FileDialog::getOpenFileName(this, QStringLiteral("select db file"), m_dbFolder,
        QStringLiteral("db file(*.db)"));
    if (path.isEmpty()) {
        qCDebug(lcApp).noquote() << QStringLiteral("\"%1\" is empty").arg(path);
        return;
    }
    qCDebug(lcApp) << "open file " << path;
    new QTreeWidgetItem(m_dbViewItem, QStringList(path.section(QLatin1Char('/'), -1)));
    m_dbViewItem->setExpanded(true);
    DatabaseStatus::open(statusBar(), path);
    if (ui->stackedWidget->currentIndex() == PageForm)
        refreshTable();
}

void MainWindow::on_actionNew_triggered()
{
    QDir().mkpath(m_dbFolder);
    db_create dialog(this);
    connect(&dialog, &db_create::nameAccepted, this, [this](const QString& name) { m_newDbName = name + QStringLiteral(".db"); });
    if (dialog.exec() != QDialog::Accepted) {
        qCDebug(lcApp) << "not set db name";
        return;
    }
    if (m_newDbName.isEmpty())
        return;
    DatabaseStatus::create(statusBar(), m_dbFolder + m_newDbName);
    // The grid keeps its rows; an empty page now says how rows arrive.
    m_gridView->updateNote();
    showDatabaseState();
}

void MainWindow::on_actionSave_triggered()
{
    if (m_currentCategory == CategorySysParm) {
        readSystemPage();
        if (!System::saveSystemRecord())
            refuseSave();
        return;
    }
    if (m_currentCategory == CategoryNone || m_currentCategory == CategoryGraphic)
        return;
    const RecordCodec* codec = codecForCategory(m_currentCategory);
    if (!codec)
        return;
    // Rows the operator did not change go back as the records they came from.
    QList<QByteArray> records;
    const ItemTable rows = ItemGrid::collect(m_model, m_currentCategory, m_includeHeader, &records);
    if (!codec->saveTable(rows, records))
        refuseSave();
}

// The grid keeps the operator's rows, so that nothing is lost when the file cannot take them.
void MainWindow::refuseSave()
{
    const QString reason = lastDatabaseError();
    statusBar()->showMessage(reason.isEmpty()
            ? QStringLiteral("Not saved: the database keeps its previous rows.")
            : QStringLiteral("Not saved (%1): the database keeps its previous rows.").arg(reason));
}

void MainWindow::on_btn_savefile_clicked() { FileCommands::exportGrid(this, m_model, m_currentCategory); }

void MainWindow::on_btn_openfile_clicked()
{
    ItemTable rows;
    if (FileCommands::importFile(this, m_model, m_currentCategory, &rows))
        fillTable(rows);
}

void MainWindow::fillSystemPage()
{
    ui->sb_ecrno->setValue(shownValue(ui->sb_ecrno, System::ecrNo()));
    ui->sb_ideltime->setValue(shownValue(ui->sb_ideltime, System::idleTime()));
    ui->sb_amountmax->setValue(shownValue(ui->sb_amountmax, System::amountMax()));
    ui->sb_printdensity->setValue(shownValue(ui->sb_printdensity, System::printDensity()));
    ui->cb_buzzer->setChecked(System::buzzer());
    ui->cb_operobl->setChecked(System::operObl());
    ui->cb_clerkpwd->setChecked(System::clerkPwd());
    ui->cb_prnclerk->setChecked(System::prnClerk());
    ui->cb_subtotalobl->setChecked(System::subtotalObl());
    ui->cb_printitems->setChecked(System::printItems());
    ui->cb_copyreceipt->setChecked(System::copyReceipt());
    ui->cb_decimal->setChecked(System::decimal());
    ui->cb_daylighttime->setChecked(System::daylightTime());
    ui->cb_customercard->setChecked(System::customerCard());
    ui->cb_printtaxamt->setChecked(System::printTaxAmt());
    ui->cb_printdepartmon->setChecked(System::printDepartMon());
}

void MainWindow::readSystemPage()
{
    // A number the operator left as shown keeps the record's own value, which may lie outside
    // what its box shows (an idle time of 150): the check boxes give their bits back as they were.
    if (ui->sb_ecrno->value() != shownValue(ui->sb_ecrno, System::ecrNo()))
        System::setEcrNo(ui->sb_ecrno->value());
    if (ui->sb_ideltime->value() != shownValue(ui->sb_ideltime, System::idleTime()))
        System::setIdleTime(ui->sb_ideltime->value());
    if (ui->sb_amountmax->value() != shownValue(ui->sb_amountmax, System::amountMax()))
        System::setAmountMax(quint32(ui->sb_amountmax->value()));
    if (ui->sb_printdensity->value() != shownValue(ui->sb_printdensity, System::printDensity()))
        System::setPrintDensity(ui->sb_printdensity->value());
    System::setBuzzer(ui->cb_buzzer->isChecked());
    System::setOperObl(ui->cb_operobl->isChecked());
    System::setClerkPwd(ui->cb_clerkpwd->isChecked());
    System::setPrnClerk(ui->cb_prnclerk->isChecked());
    System::setSubtotalObl(ui->cb_subtotalobl->isChecked());
    System::setPrintItems(ui->cb_printitems->isChecked());
    System::setCopyReceipt(ui->cb_copyreceipt->isChecked());
    System::setDecimal(ui->cb_decimal->isChecked());
    System::setDaylightTime(ui->cb_daylighttime->isChecked());
    System::setCustomerCard(ui->cb_customercard->isChecked());
    System::setPrintTaxAmt(ui->cb_printtaxamt->isChecked());
    System::setPrintDepartMon(ui->cb_printdepartmon->isChecked());
}

void MainWindow::on_tableView_customContextMenuRequested(const QPoint& pos)
{
    const QModelIndex current = ui->tableView->currentIndex();
    const int row = current.row();
    const int column = current.column();
    const QString cell = current.data(Qt::EditRole).toString();
    m_contextMenu->clear();
    qCDebug(lcApp) << pos;
    qCDebug(lcApp).nospace() << "row = " << row << ", column = " << column;
    qCDebug(lcApp) << "itemdata = " << cell;
    if (!current.isValid())
        return;

    QStringList entries;
    QByteArray states;
    const RecordCodec* codec = codecForCategory(m_currentCategory);
    const bool offersMenu = m_currentCategory == CategoryDept || m_currentCategory == CategoryTax
        || (m_currentCategory == CategoryDisc && row <= 3) || m_currentCategory == CategoryClerk
        || m_currentCategory == CategoryNetParm;
    if (codec && offersMenu) {
        entries = codec->optionMenuEntries(column);
        states = codec->optionStates(cell, column);
    }
    if (entries.isEmpty())
        return;

    using OptionSlot = void (MainWindow::*)(bool);
    static const OptionSlot optionSlots[10] = { &MainWindow::on_option1_click, &MainWindow::on_option2_click,
        &MainWindow::on_option3_click, &MainWindow::on_option4_click, &MainWindow::on_option5_click,
        &MainWindow::on_option6_click, &MainWindow::on_option7_click, &MainWindow::on_option8_click,
        &MainWindow::on_option9_click, &MainWindow::on_option10_click };
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = m_contextMenu->addAction(entries.at(i));
        action->setCheckable(true);
        action->setChecked(i < states.size() && states.at(i) != 0);
        if (i < 10)
            connect(action, &QAction::triggered, this, optionSlots[i]);
    }
    m_contextMenu->exec(QCursor::pos());
}

void MainWindow::applyOptionEntry(int entry, bool flag)
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return;
    const int column = current.column();
    QString value = current.data(Qt::EditRole).toString();
    if (const RecordCodec* codec = codecForCategory(m_currentCategory)) {
        value = codec->applyOption(value, column, entry, flag);
        qCDebug(lcApp) << "item data = " << value;
    }
    m_model->setData(m_model->index(current.row(), column), value, Qt::EditRole);
}

#define TALLVANE_OPTION_SLOT(n)                                                                                       \
    void MainWindow::on_option##n##_click(bool flag)                                                                  \
    {                                                                                                                 \
        applyOptionEntry(n, flag);                                                                                    \
        qCDebug(lcApp).noquote() << QStringLiteral("click %1 %2").arg(n).arg(flag ? "true" : "false");               \
    }
TALLVANE_OPTION_SLOT(1)
TALLVANE_OPTION_SLOT(2)
TALLVANE_OPTION_SLOT(3)
TALLVANE_OPTION_SLOT(4)
TALLVANE_OPTION_SLOT(5)
TALLVANE_OPTION_SLOT(6)
TALLVANE_OPTION_SLOT(7)
TALLVANE_OPTION_SLOT(8)
TALLVANE_OPTION_SLOT(9)
TALLVANE_OPTION_SLOT(10)
#undef TALLVANE_OPTION_SLOT

void MainWindow::view_sort(int column)
{
    if (m_currentCategory != CategoryPlu)
        return;
    QHeaderView* header = ui->tableView->horizontalHeader();
    if (column != 0) {
        // Only the item code sorts; its indicator stays where it was.
        header->setSortIndicator(0, header->sortIndicatorOrder());
        return;
    }
    m_model->sort(0, header->sortIndicatorOrder());
}

bool MainWindow::serialMode() const { return ui->comboBox_Connect->currentText() == QLatin1String("Serial"); }

bool MainWindow::linkUsable(bool needsRegister) const
{
    if (serialMode())
        return m_serialLink != nullptr;
    return m_tcpLink && (!needsRegister || ui->tableWidget_Tcp->rowCount() > 0);
}

void MainWindow::clearTransferLogs() { m_monitor->clearLogs(); }

void MainWindow::setBusy(bool busy)
{
    m_busy = busy;
    ui->treeWidget_Item->setEnabled(!busy);
    ui->stackedWidget->setEnabled(!busy);
    ui->widget_Connect->setEnabled(!busy);
    // The commands of the menus and the tool bar wait as the buttons do.
    for (QAction* action : { ui->actionInstall, ui->actionDownload, ui->actionUpdate, ui->actionAdd, ui->actionDelet,
             ui->actionClearData, ui->actionGroup, ui->actionDept, ui->actionMenu, ui->actionPast })
        action->setEnabled(!busy);
    if (!busy)
        m_monitor->finish();
}

void MainWindow::showFlagged()
{
    const int cells = ui->stackedWidget->currentIndex() == PageForm ? m_marks->flaggedCells() : 0;
    m_fitLabel->setText(cells == 0 ? QString()
            : cells == 1           ? QStringLiteral("1 cell will not reach the register as shown")
                                   : QStringLiteral("%1 cells will not reach the register as shown").arg(cells));
}

void MainWindow::startTransfer(int frames, const std::function<int()>& request)
{
    const int registers = request();
    if (registers == 0) {
        // Nothing will ever report back: say so instead of waiting.
        m_monitor->addError(QStringLiteral("no register connected"));
        m_monitor->flush();
        return;
    }
    setBusy(true);
    m_monitor->start(frames, registers);
}

void MainWindow::on_btn_install_clicked()
{
    if (!linkUsable(true))
        return;
    clearTransferLogs();
    ItemTable rows;
    QList<QByteArray> records; // rows the operator did not change go as they were loaded
    quint8 logo = 0;
    switch (m_currentCategory) {
    case CategoryNone:
        return;
    case CategoryGraphic:
        if (!m_logoPage->readyToInstall(serialMode(), &logo))
            return;
        break;
    case CategorySysParm:
        readSystemPage();
        break;
    default:
        rows = ItemGrid::collect(m_model, m_currentCategory, m_includeHeader, &records);
        break;
    }
    SendRequest request = installRequest(m_currentCategory, rows, records);
    request.verify = ui->cb_verify->isChecked();
    if (m_currentCategory == CategoryGraphic) {
        request.logoChunks = Graphic::dataList();
        request.logoNumber = logo;
    }
    // A table the register must not get is not sent at all; the error log says why.
    if (!request.refusals.isEmpty()) {
        for (const QString& refusal : request.refusals)
            m_monitor->addError(refusal);
        m_monitor->flush();
        qCDebug(lcApp) << "not sent:" << request.refusals;
        return;
    }
    if (!request.sendable())
        return;
    if (request.hasTable && !confirmSend(this, codecForCategory(m_currentCategory), request.table, {}, request.records))
        return;
    m_marks->clearVerifyMarks();
    m_marks->setSentRows({});
    startTransfer(request.hasTable ? int(request.table.size()) : 1, [&] { return m_host->send(request); });
}

void MainWindow::on_btn_download_clicked()
{
    if (!linkUsable(false))
        return;
    clearTransferLogs();
    const Category* category = categoryByNumber(m_currentCategory);
    if (!category || m_currentCategory == CategoryGraphic)
        return;
    qCDebug(lcApp) << "MainWindow signal_MrcvData";
    startTransfer(-1, [&] { return m_host->receive(category->typeName); });
}

void MainWindow::on_btn_add_clicked() { itemSend(CommandAdd); }
void MainWindow::on_btn_update_clicked() { itemSend(CommandUpdate); }
void MainWindow::on_btn_delete_clicked() { itemSend(CommandDelete); }

void MainWindow::itemSend(quint8 command)
{
    if (!linkUsable(true))
        return;
    clearTransferLogs();
    const bool itemCommand = command == CommandAdd || command == CommandUpdate || command == CommandDelete;
    const bool pluItems = m_currentCategory == CategoryPlu && itemCommand;
    QList<QByteArray> records;
    const ItemTable rows
        = pluItems ? ItemGrid::collectSelected(m_model, ui->tableView->selectionModel(), &records) : ItemTable();
    const QList<int> gridRows = pluItems ? selectedGridRows(ui->tableView->selectionModel()) : QList<int>();
    SendRequest request = itemRequest(command, m_currentCategory, rows, serialMode(), records);
    request.verify = ui->cb_verify->isChecked();
    if (!request.sendable())
        return;
    // Added and updated rows are checked before they go; a deleted one needs only its code.
    if (pluItems && command != CommandDelete
        && !confirmSend(this, codecForCategory(CategoryPlu), rows, gridRows, request.records))
        return;
    m_marks->clearVerifyMarks();
    m_marks->setSentRows(gridRows);
    startTransfer(request.hasTable ? int(request.table.size()) : 1, [&] { return m_host->send(request); });
}

void MainWindow::on_actionClearData_triggered()
{
    const QMessageBox::StandardButton answer = MessageBox::warning(this, QStringLiteral("warning"),
        QStringLiteral("Clear Data"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        qCDebug(lcApp) << "Yes";
        itemSend(CommandClear);
    } else if (answer == QMessageBox::No) {
        qCDebug(lcApp) << "NO";
    }
}

void MainWindow::ackData(QByteArray word)
{
    // The words only fill the logs; the busy state ends with the transfers themselves.
    const StatusLine line = statusLine(word);
    if (line.kind == StatusLine::Error) {
        m_monitor->addError(line.text);
        return;
    }
    qCDebug(lcApp) << (line.download ? "ackdata = " : ">>>ackdata = ") << word.mid(line.download ? 9 : 7);
    if (line.kind == StatusLine::Row)
        m_monitor->addRow(line.text, line.download);
    else
        m_monitor->addProgress(line.text);
}

void MainWindow::showVerification(VerifyReport report)
{
    // A table the register holds as sent goes to the progress log, anything else to the errors.
    for (const QString& line : report.lines()) {
        if (report.identical())
            m_monitor->addProgress(line);
        else
            m_monitor->addError(line);
    }
    m_marks->markVerified(report);
}

void MainWindow::rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) { rcvRecords(datatype, datas, nullptr); }

void MainWindow::rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, const QList<QByteArray>* records)
{
    qCDebug(lcApp) << ">>>>>>rcv Data";
    if (!datas)
        return;
    const int page = ui->stackedWidget->currentIndex();
    if (page == PageForm) {
        static const char* const withColumns[] = { "DEPTDATA", "PLUDATA", "TAXDATA", "DISCDATA", "GROUPDATA",
            "CLERKDATA", "HEADERDATA", "TRAILERDATA", "NETPARMDATA" };
        for (const char* name : withColumns) {
            if (datatype == name) {
                if (const RecordCodec* codec = codecForType(datatype))
                    codec->initColumns();
                break;
            }
        }
        // Records are kept only for rows of the page's own category, which its save stores.
        const Category* category = categoryByType(datatype);
        const bool own = records && category && category->number == m_currentCategory;
        fillTable(*datas, own ? *records : QList<QByteArray>());
    } else if (page == PageSystem && datatype == "SYSPARMDATA") {
        if (!datas->isEmpty() && datas->first().size() == 64)
            fillSystemPage();
    }
}
