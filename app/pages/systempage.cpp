#include "app/pages/systempage.h"

#include "app/buttonpictures.h"
#include "app/databasestatus.h"
#include "app/displaylanguage.h"
#include "link/transferjournal.h"
#include "records/system.h"
#include "storage/configdb.h"

#include "ui_systempage.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTime>
#include <QLocale>
#include <QScopedValueRollback>
#include <QStatusBar>

namespace {

// What a spin box shows for a record value, which may lie outside its range.
int shownValue(const QSpinBox* box, qint64 value)
{
    return int(qBound(qint64(box->minimum()), value, qint64(box->maximum())));
}

} // namespace

SystemPage::SystemPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::SystemPage)
    , m_statusBar(statusBar)
{
    ui->setupUi(this);
    for (QWidget* box : { ui->widget_time, ui->widget_itemparm, ui->widget_sysparm })
        box->setStyleSheet(
            QStringLiteral("QWidget#%1{border: 1px solid #000000; border-radius: 5px;}").arg(box->objectName()));
    ui->dateTimeEdit->calendarWidget()->setLocale(QLocale(QLocale::English));
    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    ui->widget_time->hide();

    ui->sb_ecrno->setRange(0, 255);
    ui->sb_ecrno->setEnabled(false);
    ui->sb_printdensity->setRange(0, 4);
    ui->sb_ideltime->setRange(0, 99);
    ui->sb_amountmax->setRange(0, 99999999);
    showRecord();
    ButtonPictures::setBackground(ui->btn_return, imageFolder, "return.png");
    ButtonPictures::pressOnEnter(this);

    // Any field the operator changes makes the page differ from the set; the register's time
    // is no part of the record.
    auto edited = [this] {
        if (!m_showing)
            setModified(true);
    };
    for (QSpinBox* box : { ui->sb_ecrno, ui->sb_ideltime, ui->sb_amountmax, ui->sb_printdensity })
        connect(box, &QSpinBox::valueChanged, this, [this, box, edited] {
            if (!m_showing)
                m_touched.insert(box);
            edited();
        });
    for (QCheckBox* box : ui->widget_sysparm->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, edited);
}

SystemPage::~SystemPage() { delete ui; }

void SystemPage::on_btn_return_clicked() { emit backRequested(); }

void SystemPage::reload()
{
    if (System::loadSystemRecord())
        adoptLoadedVersion(QStringLiteral("table_system"));
    showRecord();
    setModified(false);
}

void SystemPage::fill()
{
    showRecord();
    setModified(true);
}

void SystemPage::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void SystemPage::showRecord()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_touched.clear();
    // A value the box cannot show (an idle time of 150 from a register) is said in its tool
    // tip; it is kept unless the operator changes the box.
    const auto show = [](QSpinBox* box, qint64 value) {
        if (!box->property("ownToolTip").isValid())
            box->setProperty("ownToolTip", box->toolTip());
        const QString own = box->property("ownToolTip").toString();
        box->setValue(shownValue(box, value));
        const QString beyond = shownValue(box, value) == value
            ? QString()
            : tr("The set holds %1, which this box cannot show; it is kept unless you change the box.").arg(value);
        box->setToolTip(own.isEmpty() || beyond.isEmpty() ? own + beyond : own + QLatin1Char('\n') + beyond);
    };
    show(ui->sb_ecrno, System::ecrNo());
    show(ui->sb_ideltime, System::idleTime());
    show(ui->sb_amountmax, System::amountMax());
    show(ui->sb_printdensity, System::printDensity());
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

void SystemPage::read()
{
    // A number the operator left alone keeps the record's own value, which may lie outside what
    // its box shows (an idle time of 150): the check boxes give their bits back as they were. One
    // the operator changed is stored as the box shows it, even when changed back to the value
    // the box showed for the record's (stepped down and up again to 99: 99, not 150).
    const auto changed = [this](QSpinBox* box, qint64 stored) {
        return m_touched.contains(box) || box->value() != shownValue(box, stored);
    };
    if (changed(ui->sb_ecrno, System::ecrNo()))
        System::setEcrNo(ui->sb_ecrno->value());
    if (changed(ui->sb_ideltime, System::idleTime()))
        System::setIdleTime(ui->sb_ideltime->value());
    if (changed(ui->sb_amountmax, System::amountMax()))
        System::setAmountMax(quint32(ui->sb_amountmax->value()));
    if (changed(ui->sb_printdensity, System::printDensity()))
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

bool SystemPage::save()
{
    read();
    QList<QByteArray> before;
    loadRecords(QStringLiteral("table_system"), &before);
    if (!System::saveSystemRecord()) {
        DatabaseStatus::refuseSave(m_statusBar);
        return false;
    }
    journalRecordSave("SYSPARMDATA", before.value(0), System::record());
    showRecord(); // what the set now holds, and which values the boxes cannot show
    m_statusBar->showMessage(tr("Saved the system parameters to %1").arg(shownSet(currentDatabasePath)));
    setModified(false);
    return true;
}
