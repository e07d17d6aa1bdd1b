#include "app/pages/logopage.h"

#include "app/applog.h"
#include "app/buttonpictures.h"
#include "app/databasestatus.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "base/language.h"
#include "base/punctuation.h"
#include "link/transferjournal.h"
#include "logo/graphic.h"
#include "storage/configdb.h"

#include "ui_logopage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStatusBar>

namespace {

const QSize kStartSize(192, 64);

} // namespace

LogoPage::LogoPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::LogoPage)
    , m_statusBar(statusBar)
{
    ui->setupUi(this);
    ui->widget_image->setStyleSheet(QStringLiteral("QWidget#widget_image{border: 1px solid #000000;}"));
    ui->widget_image_edit->setStyleSheet(
        QStringLiteral("QWidget#widget_image_edit{border: 1px solid #000000; border-radius: 5px;}"));
    // Only Thai registers keep more than one logo.
    if (currentLanguage != Thailand)
        ui->widget_LogId->hide();
    m_bytes = new QLabel(this);
    Graphic::setLogoSize(kStartSize);
    ui->widget_image->setFixedSize(Graphic::logoSize());
    ui->label_image->setAlignment(Qt::AlignCenter);
    m_bytes->setObjectName(QStringLiteral("label_image_bytes"));
    ui->layout_image_preview->insertWidget(1, m_bytes);
    ButtonPictures::setBackground(ui->btn_return, imageFolder, "return.png");
    ButtonPictures::pressOnEnter(this);
    connect(ui->check_stretch, &QCheckBox::toggled, this, &LogoPage::placementChanged);
}

LogoPage::~LogoPage() { delete ui; }

void LogoPage::on_iamgesize_19264_clicked() { chooseSize(QSize(192, 64)); }
void LogoPage::on_imagesize_38464_clicked() { chooseSize(QSize(384, 64)); }
void LogoPage::on_btn_return_clicked() { emit backRequested(); }

void LogoPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_modified)
        reload();
}

void LogoPage::on_btn_open_image_clicked()
{
    const QString path
        = FileDialog::getOpenFileName(this, QString(), QString(), tr("Image File(*.jpg *.jpeg *.png *.bmp *.ico)"));
    if (path.isEmpty())
        return;
    QString error;
    QImage picture = Graphic::readPicture(path, &error);
    if (picture.isNull()) {
        qCDebug(lcApp) << "image not read" << path << error;
        MessageBox::critical(
            this, tr("Warnning!"), tr("%1 could not be read: %2").arg(QFileInfo(path).fileName(), error));
        return;
    }
    m_picture = picture;
    m_opened = true;
    pack();
    showLogo();
    setModified(true);
}

void LogoPage::chooseSize(const QSize& size)
{
    changeSize(size);
    reflectSizeInButtons();
}

void LogoPage::on_btn_set_imagesize_clicked()
{
    const QSize size = Graphic::roundedSize(ui->spinBox_image_w->value(), ui->spinBox_image_h->value());
    // A size of 0 would leave the previous logo to be sent under it.
    if (!Graphic::sizeAllowed(size)) {
        tooBig();
        return;
    }
    changeSize(size);
    reflectSizeInButtons();
}

void LogoPage::changeSize(const QSize& size)
{
    if (size != Graphic::logoSize())
        setModified(true);
    Graphic::setLogoSize(size);
    ui->widget_image->setFixedSize(size);
    if (!m_opened)
        return;
    pack();
    showLogo();
}

void LogoPage::placementChanged()
{
    if (!m_opened)
        return;
    pack();
    showLogo();
    setModified(true);
}

void LogoPage::showLogo()
{
    m_statusBar->showMessage(sizeText());
    showPacking();
}

QString LogoPage::sizeText() const
{
    const QSize size = Graphic::logoSize();
    const int length = Graphic::packedLength();
    //: Width x height in dots, then the packed logo's bytes and the most the register takes
    const QString text = length > Graphic::kMaxPackedLength
        ? tr("logo %1 x %2: %3 bytes of %4, more than the register takes")
        : tr("logo %1 x %2: %3 bytes of %4");
    return text.arg(size.width())
        .arg(size.height())
        .arg(groupedNumber(length), groupedNumber(Graphic::kMaxPackedLength));
}

void LogoPage::showPacking()
{
    // Too big: the size and the packed logo stay, install refuses to send it, and the frame,
    // which has the new size already, shows no print.
    if (Graphic::packedLength() > Graphic::kMaxPackedLength) {
        ui->label_image->clear();
        tooBig();
    } else {
        showPreview();
    }
}

void LogoPage::pack()
{
    const auto placement = ui->check_stretch->isChecked() ? Graphic::Placement::Stretch : Graphic::Placement::Fit;
    Graphic::packLogo(Graphic::monochrome(m_picture, Graphic::logoSize(), placement));
    showPackedLength();
}

void LogoPage::showPreview()
{
    QWidget* frame = ui->widget_image;
    // What goes to the register, decoded back: one screen pixel per printed dot.
    QImage printed = Graphic::unpackLogo(Graphic::packedLogo());
    const QSize room = frame->size().boundedTo(ui->label_image->maximumSize());
    if (printed.width() > room.width() || printed.height() > room.height())
        printed = printed.scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation);
    ui->label_image->setPixmap(QPixmap::fromImage(printed));
}

void LogoPage::showPackedLength()
{
    const int length = Graphic::packedLength();
    m_bytes->setText(tr("%1 of %2 bytes").arg(groupedNumber(length), groupedNumber(Graphic::kMaxPackedLength)));
    m_bytes->setStyleSheet(length > Graphic::kMaxPackedLength ? QStringLiteral("color: #c00000;") : QString());
}

void LogoPage::tooBig()
{
    MessageBox::critical(this, tr("Warnning!"), tr("image data is too big."), QMessageBox::Cancel);
}

void LogoPage::reflectSizeInButtons()
{
    const QSize size = Graphic::logoSize();
    QRadioButton* small = ui->iamgesize_19264;
    QRadioButton* wide = ui->imagesize_38464;
    if (size == QSize(192, 64)) {
        small->setChecked(true);
    } else if (size == QSize(384, 64)) {
        wide->setChecked(true);
    } else {
        // A custom size is neither button; exclusive buttons are unchecked one at a time.
        for (QRadioButton* button : { small, wide }) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
}

void LogoPage::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

bool LogoPage::save()
{
    QByteArray before;
    Graphic::loadLogo(&before);
    const QByteArray logo = m_opened ? Graphic::packedLogo() : QByteArray();
    if (!Graphic::saveLogo(logo)) {
        DatabaseStatus::refuseSave(m_statusBar);
        return false;
    }
    journalRecordSave("GRAPHICDATA", before, logo);
    const QString set = shownSet(currentDatabasePath);
    QString saved = m_opened ? tr("Saved: %1 keeps this logo.").arg(set) : tr("Saved: %1 keeps no logo.").arg(set);
    // Kept as chosen, but no register takes it: said now, not first at the install.
    if (m_opened && Graphic::packedLength() > Graphic::kMaxPackedLength)
        saved += QLatin1Char(' ')
            + tr("It is larger than a register takes (%1 of %2 bytes): choose a smaller size before installing it.")
                  .arg(groupedNumber(Graphic::packedLength()), groupedNumber(Graphic::kMaxPackedLength));
    m_statusBar->showMessage(saved);
    setModified(false);
    return true;
}

void LogoPage::reload()
{
    QByteArray packed;
    bool readable = true;
    // Without a set there is nothing to show, and nothing to ask the database about.
    if (!currentDatabasePath.isEmpty() && (readable = Graphic::loadLogo(&packed)))
        adoptLoadedVersion(QStringLiteral("table_graphic"));
    const bool shown = !packed.isEmpty() && Graphic::restoreLogo(packed);
    m_opened = shown;
    if (shown) {
        // The printed dots stand for the picture: a new size or placement starts from them.
        m_picture = Graphic::unpackLogo(packed);
        ui->widget_image->setFixedSize(Graphic::logoSize());
        showPackedLength();
        m_statusBar->showMessage(sizeText());
        // A logo kept too big is said in the status bar, not in a box each time it is shown.
        if (Graphic::packedLength() > Graphic::kMaxPackedLength)
            ui->label_image->clear();
        else
            showPreview();
    } else {
        m_picture = QImage();
        Graphic::setLogoSize(kStartSize);
        ui->widget_image->setFixedSize(kStartSize);
        ui->label_image->clear();
        m_bytes->clear();
        if (!readable || !packed.isEmpty())
            m_statusBar->showMessage(
                tr("The logo kept in %1 cannot be read; the page shows none.").arg(shownSet(currentDatabasePath)));
    }
    reflectSizeInButtons();
    setModified(false);
}

bool LogoPage::readyToInstall(bool serial, quint8* number, QString* reason)
{
    *number = 0;
    reason->clear();
    if (!serial) {
        *reason = tr("the logo is sent over RS-232 only");
        return false;
    }
    if (!m_opened) {
        *reason = tr("no logo picture is opened: open a picture first");
        return false;
    }
    if (Graphic::packedLength() > Graphic::kMaxPackedLength) {
        tooBig();
        return false;
    }
    if (!ui->widget_LogId->isHidden())
        *number = quint8(ui->comboBox_LogId->currentIndex());
    return true;
}
