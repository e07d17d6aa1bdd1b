#include "app/transfer/connectionpanel.h"

#include "app/buttonpictures.h"
#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"

#include "ui_connectionpanel.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextEdit>
#include <QTextLayout>
#include <QtMath>

namespace {

// The link's names as the settings keep them; the combo box shows them translated.
const char kSerial[] = "Serial";
const char kTcp[] = "Tcp";

// Why the TCP link does not listen, and where its address and port are set.
QString whereListening(const QString& failure)
{
    return QCoreApplication::translate(
        "ConnectionPanel", "%1 The address and port are set under [tcp] in tallvane.ini.")
        .arg(failure);
}

// The serial button is as wide as the longer of its two texts in the display language, and its
// picture is brought to that width: a background picture narrower than its button would repeat.
void fitSerialButton(QPushButton* button, const QString& imageFolder)
{
    QFont bold = button->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int text = qMax(metrics.horizontalAdvance(ConnectionPanel::tr("Open Serial")),
        metrics.horizontalAdvance(ConnectionPanel::tr("Close Serial")));
    button->setFixedWidth(qMax(100, text + 20));
    ButtonPictures::setBackground(button, imageFolder, "openseial.png");
}

// A button whose text tells its state is announced by that text.
void setButtonText(QAbstractButton* button, const QString& text)
{
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolTip(text);
}

} // namespace

ConnectionPanel::ConnectionPanel(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConnectionPanel)
    , m_statusBar(statusBar)
    , m_progress(new QProgressBar(statusBar ? static_cast<QWidget*>(statusBar) : this))
{
    ui->setupUi(this);
    // A widget class of its own draws its style sheet's border only when asked to.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#widget_Connect{border: 1px solid #000000; border-radius: 5px;}"));
    // The third column holds the name the operator gives a register, kept in the open set.
    ui->tableWidget_Tcp->setColumnCount(3);
    ui->tableWidget_Tcp->setHorizontalHeaderLabels({ tr("IP"), tr("MAC"),
        //: Column of the connected registers: the name the operator gives a register.
        tr("Name") });
    ui->tableWidget_Tcp->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(ui->tableWidget_Tcp, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const QTableWidgetItem* address = ui->tableWidget_Tcp->item(item->row(), 0);
        if (item->column() != 2 || !address)
            return;
        const QString reg = QStringLiteral("tcp:") + address->text();
        if (!BaselineStore::setName(reg, item->text())) {
            // The names live in the open set: without one that takes it, the name is not kept.
            const QSignalBlocker quiet(ui->tableWidget_Tcp);
            item->setText(BaselineStore::name(reg));
            m_statusBar->showMessage(currentDatabasePath.isEmpty()
                    ? tr("Not named: a register's name is kept in the open set; open a set first")
                    //: %1 the open set
                    : tr("Not named: %1 cannot keep the register's name").arg(shownSet(currentDatabasePath)));
        }
    });
    // A transfer's progress shows in the status bar, beside its messages: in the panel the
    // bar made the window taller than the screen's 600 lines once the first transfer began.
    m_progress->setObjectName(QStringLiteral("progressBar_transfer"));
    m_progress->setAccessibleName(tr("Transfer progress"));
    m_progress->setMaximumWidth(260);
    m_progress->setMaximumHeight(m_progress->fontMetrics().height() + 2);
    m_progress->hide();
    if (m_statusBar)
        m_statusBar->addPermanentWidget(m_progress);
    // The logs give way first when the window is small, but each keeps two whole lines, so
    // that a two-line message (the address registers must dial) is read without scrolling. A
    // line is measured on the log's own label: the font that draws the display language's
    // script counts, and a Thai line is taller than the widget's Latin font says.
    const auto keepLines = [](QTextEdit* log, const QLabel* label, int lines) {
        QTextLayout sample(label->text(), log->font());
        sample.beginLayout();
        const QTextLine line = sample.createLine();
        sample.endLayout();
        const qreal height = qMax<qreal>(line.height(), log->fontMetrics().lineSpacing());
        const int frame = 2 * (log->frameWidth() + qCeil(log->document()->documentMargin()));
        log->setMinimumHeight(qCeil(lines * height) + frame);
    };
    keepLines(ui->textEdit_snd, ui->label_log, 2);
    keepLines(ui->textEdit_rcv, ui->label_errors, 2);
    // The link's settings take the room of the page on show only: the serial page's six
    // rows would otherwise keep the connected-register list, and with it the window, tall
    // while Tcp is chosen.
    const auto followPage = [this](int shown) {
        for (int i = 0; i < ui->stackedWidget_Connect->count(); ++i) {
            const QSizePolicy::Policy policy = i == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
            ui->stackedWidget_Connect->widget(i)->setSizePolicy(policy, policy);
        }
        ui->stackedWidget_Connect->updateGeometry();
    };
    connect(ui->stackedWidget_Connect, &QStackedWidget::currentChanged, this, followPage);
    followPage(ui->stackedWidget_Connect->currentIndex());
    ui->pushButton->setShortcut(QKeySequence(Qt::Key_F5));
    connect(ui->btn_cancel, &QPushButton::clicked, this, &ConnectionPanel::cancelRequested);
    ui->cb_verify->setChecked(LinkSettings::load().verifyAfterInstall);
    connect(ui->cb_verify, &QCheckBox::toggled, this, [](bool on) { LinkSettings::storeVerifyAfterInstall(on); });

    const struct {
        QPushButton* button;
        const char* file;
    } pictures[] = { { ui->btn_install, "install.png" }, { ui->btn_download, "download.png" },
        { ui->pushButton, "refresh.png" } };
    for (const auto& picture : pictures)
        ButtonPictures::setBackground(picture.button, imageFolder, picture.file);
    fitSerialButton(ui->btn_serial, imageFolder);
    setButtonText(ui->btn_serial, ui->btn_serial->text());
    ButtonPictures::pressOnEnter(this);
}

ConnectionPanel::~ConnectionPanel()
{
    // The links go first: their threads end before the widgets they report to.
    delete m_tcpLink;
    delete m_serialLink;
    delete m_progress;
    delete ui;
}

void ConnectionPanel::start(LinkHost* host)
{
    m_host = host;
    const LinkSettings settings = LinkSettings::load();
    // Adding the first entry selects "Serial" and runs the connection change.
    //: Connection type: a register on the RS-232 port.
    ui->comboBox_Connect->addItem(tr("Serial"), QLatin1String(kSerial));
    //: Connection type: registers that connect over the network.
    ui->comboBox_Connect->addItem(tr("Tcp"), QLatin1String(kTcp));
    if (settings.link == QLatin1String(kTcp))
        ui->comboBox_Connect->setCurrentIndex(1);
    else if (const int port = ui->comboBox_ComNum->findData(settings.serialPort); port >= 0)
        ui->comboBox_ComNum->setCurrentIndex(port);
    // Remembered from now on; the start itself changes nothing.
    connect(ui->comboBox_Connect, &QComboBox::currentIndexChanged, this,
        [this](int index) { LinkSettings::storeLink(ui->comboBox_Connect->itemData(index).toString()); });
}

bool ConnectionPanel::serialMode() const
{
    return ui->comboBox_Connect->currentData().toString() == QLatin1String(kSerial);
}

QString ConnectionPanel::unusableReason() const
{
    if (serialMode())
        return m_serialLink ? QString() : tr("Open the serial port first.");
    if (!m_tcpLink)
        return tr("Choose Serial or Tcp first.");
    if (!m_tcpLink->isListening())
        return whereListening(m_tcpLink->listenFailure());
    if (ui->tableWidget_Tcp->rowCount() == 0)
        return tr("No register is connected. Registers must connect to %1.").arg(m_tcpLink->dialText());
    return QString();
}

QStringList ConnectionPanel::registerNames() const
{
    if (serialMode())
        return m_serialLink ? QStringList(chosenPort()) : QStringList();
    QStringList names;
    for (int row = 0; row < ui->tableWidget_Tcp->rowCount(); ++row)
        if (const QTableWidgetItem* item = ui->tableWidget_Tcp->item(row, 0))
            names << item->text();
    return names;
}

QStringList ConnectionPanel::registerLinks(bool eachRegister) const
{
    QStringList links;
    for (const QString& name : registerNames()) {
        const QString link = serialMode() ? serialLinkId(name) : QStringLiteral("tcp:") + name;
        if (eachRegister || !links.contains(link))
            links << link;
    }
    return links;
}

void ConnectionPanel::setBusy(bool busy)
{
    // While a transfer runs, the keyboard focus of the window waits on Cancel. Left alone, the
    // disabled command would pass it on to the next one (Install to Download), which a later
    // Enter would start. The controller puts it back when the transfer ends.
    if (busy) {
        ui->btn_cancel->setEnabled(true);
        QWidget* focus = QApplication::focusWidget();
        if (focus && window()->isAncestorOf(focus))
            ui->btn_cancel->setFocus(Qt::OtherFocusReason);
    }
    for (QWidget* widget : { static_cast<QWidget*>(ui->comboBox_Connect), static_cast<QWidget*>(ui->pushButton),
             static_cast<QWidget*>(ui->stackedWidget_Connect), static_cast<QWidget*>(ui->cb_verify) })
        widget->setEnabled(!busy);
    // Install, download, compare and send changes follow the page and the busy state
    // (RegisterCommands).
    ui->btn_cancel->setEnabled(busy);
}

void ConnectionPanel::showListening()
{
    QLabel* label = ui->label_listen;
    if (!m_tcpLink) {
        label->clear();
        return;
    }
    const bool listening = m_tcpLink->isListening();
    label->setText(listening ? tr("Registers connect to %1").arg(m_tcpLink->dialText())
                             : whereListening(m_tcpLink->listenFailure()));
    label->setStyleSheet(listening ? QString() : QStringLiteral("color: #b00020;"));
}

bool ConnectionPanel::focusOnCancel() const
{
    return QApplication::focusWidget() == ui->btn_cancel;
}

bool ConnectionPanel::verifyAfterInstall() const { return ui->cb_verify->isChecked(); }
QTextEdit* ConnectionPanel::progressLog() const { return ui->textEdit_snd; }
QTextEdit* ConnectionPanel::errorLog() const { return ui->textEdit_rcv; }
QProgressBar* ConnectionPanel::progressBar() const
{
    return m_progress;
}

void ConnectionPanel::on_btn_install_clicked() { emit installRequested(); }
void ConnectionPanel::on_btn_download_clicked() { emit downloadRequested(); }

void ConnectionPanel::on_comboBox_Connect_currentIndexChanged(int index)
{
    const QString mode = ui->comboBox_Connect->itemData(index).toString();
    if (mode == QLatin1String(kSerial)) {
        if (m_tcpLink) {
            ui->tableWidget_Tcp->setRowCount(0);
            ui->tableWidget_Tcp->clearContents();
            delete m_tcpLink;
            m_tcpLink = nullptr;
        }
        ui->pushButton->show();
        ui->stackedWidget_Connect->setCurrentIndex(0);
        m_statusBar->showMessage(ui->comboBox_Connect->itemText(index));
        showListening();
        refreshPortList();
    } else if (mode == QLatin1String(kTcp)) {
        ui->pushButton->hide();
        ui->stackedWidget_Connect->setCurrentIndex(1);
        closeSerialLink();
        m_tcpLink = new TcpServer(m_host, this);
        connect(m_tcpLink, &TcpServer::connectionRefused, this, [this](const QString& address, const QString& reason) {
            m_statusBar->showMessage(tr("Tcp: connection from %1 refused: %2").arg(address, reason));
        });
        showListening();
        if (m_tcpLink->isListening())
            m_statusBar->showMessage(ui->comboBox_Connect->itemText(index));
        else
            m_statusBar->showMessage(m_tcpLink->listenFailure());
    }
    emit linkChanged();
}

void ConnectionPanel::refreshPortList()
{
    QStringList refused;
    const QStringList ports = scanSerialPorts(&refused);
    ui->comboBox_ComNum->clear();
    // A port's path reads left to right on screen ("/dev/ttyUSB0", not "dev/ttyUSB0/" in a
    // right-to-left window); the item keeps the port's own name beside it.
    for (const QString& port : ports)
        ui->comboBox_ComNum->addItem(leftToRightRun(port), port);
    // An empty list says why: on a new PC the user is often not yet in the group that may
    // open the ports, and nothing else would tell.
    const QString why = ports.isEmpty() ? noSerialPortText(refused) : QString();
    ui->comboBox_ComNum->setPlaceholderText(ports.isEmpty() ? tr("no port found") : QString());
    ui->comboBox_ComNum->setToolTip(why);
    if (!why.isEmpty() && m_statusBar)
        m_statusBar->showMessage(why);
}

QString ConnectionPanel::chosenPort() const
{
    const QVariant port = ui->comboBox_ComNum->currentData();
    return port.isValid() ? port.toString() : ui->comboBox_ComNum->currentText();
}

void ConnectionPanel::on_pushButton_clicked() { refreshPortList(); }

void ConnectionPanel::closeSerialLink()
{
    if (!m_serialLink)
        return;
    setButtonText(ui->btn_serial, tr("Open Serial"));
    m_serialOpen = false;
    delete m_serialLink;
    m_serialLink = nullptr;
    ui->pushButton->setEnabled(true);
    ui->comboBox_ComNum->setEnabled(true);
    emit linkChanged();
}

void ConnectionPanel::on_btn_serial_clicked()
{
    const QString port = chosenPort();
    if (port.isEmpty()) {
        MessageBox::critical(this, tr("can not open serial"), tr("no select serial port."));
        return;
    }
    if (m_serialOpen) {
        closeSerialLink();
        return;
    }
    setButtonText(ui->btn_serial, tr("Close Serial"));
    m_serialOpen = true;
    ui->pushButton->setEnabled(false);
    ui->comboBox_ComNum->setEnabled(false);
    if (!m_serialLink)
        m_serialLink = new SerialServer(m_host, port, this);
    if (!m_serialLink->isOpen()) {
        // A port that did not open serves no transfer: say so and show the link closed.
        const QString reason = m_serialLink->openError();
        closeSerialLink();
        MessageBox::critical(this, tr("can not open serial"),
            tr("%1 could not be opened: %2").arg(port, reason));
        return;
    }
    LinkSettings::storeLink(QLatin1String(kSerial), port);
    emit linkChanged();
}

void ConnectionPanel::showConnection(const QString& address)
{
    QTableWidget* table = ui->tableWidget_Tcp;
    const int row = table->rowCount();
    table->insertRow(row);
    m_statusBar->showMessage(address);
    auto* item = new QTableWidgetItem(address);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    table->setItem(row, 0, item);
    auto* mac = new QTableWidgetItem;
    mac->setFlags(mac->flags() & ~Qt::ItemIsEditable);
    table->setItem(row, 1, mac);
    const QSignalBlocker quiet(table);
    table->setItem(row, 2, new QTableWidgetItem(BaselineStore::name(QStringLiteral("tcp:") + address)));
    selectTableRow(table, row);
    emit linkChanged();
}

void ConnectionPanel::showRegisterNames()
{
    QTableWidget* table = ui->tableWidget_Tcp;
    const QSignalBlocker quiet(table);
    for (int row = 0; row < table->rowCount(); ++row)
        if (const QTableWidgetItem* address = table->item(row, 0))
            table->setItem(row, 2, new QTableWidgetItem(BaselineStore::name(QStringLiteral("tcp:") + address->text())));
}

void ConnectionPanel::showDisconnection(int connection)
{
    const QString address = ConnectionRegistry::take(connection);
    QTableWidget* table = ui->tableWidget_Tcp;
    if (address.isEmpty() || table->rowCount() == 0)
        return;
    // One connection ended: one row goes. Two registers may dial from one address (behind a
    // router); the other is still connected and must stay listed, since the questions before a
    // send name the registers from this table.
    for (int row = table->rowCount() - 1; row >= 0; --row)
        if (table->item(row, 0) && table->item(row, 0)->text() == address) {
            table->removeRow(row);
            break;
        }
    emit linkChanged();
}
