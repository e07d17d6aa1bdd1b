#include "app/pages/logopage.h"

#include "app/applog.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "base/language.h"
#include "logo/graphic.h"

#include "ui_logopage.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStatusBar>

LogoPage::LogoPage(QStatusBar* statusBar, QWidget* parent)
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
    Graphic::setLogoSize(QSize(192, 64));
    ui->widget_image->setFixedSize(Graphic::logoSize());
    ui->label_image->setAlignment(Qt::AlignCenter);
    m_bytes->setObjectName(QStringLiteral("label_image_bytes"));
    ui->layout_image_preview->insertWidget(1, m_bytes);
}

LogoPage::~LogoPage() { delete ui; }

void LogoPage::on_iamgesize_19264_clicked() { chooseSize(QSize(192, 64)); }
void LogoPage::on_imagesize_38464_clicked() { chooseSize(QSize(384, 64)); }

void LogoPage::on_btn_open_image_clicked()
{
    const QString path = FileDialog::getOpenFileName(
        this, QString(), QString(), QStringLiteral("Image File(*.jpg *.jpeg *.png *.bmp *.ico)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        qCDebug(lcApp) << "image not read" << path << reader.errorString();
        MessageBox::critical(this, QStringLiteral("Warnning!"),
            QStringLiteral("%1 could not be read: %2").arg(QFileInfo(path).fileName(), reader.errorString()));
        return;
    }
    m_picture = picture;
    m_opened = true;
    pack();
    m_statusBar->showMessage(QString::asprintf("image pack data len = %d", Graphic::packedLength()));
    showPacking();
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
    Graphic::setLogoSize(size);
    ui->widget_image->setFixedSize(size);
    if (!m_opened)
        return;
    pack();
    m_statusBar->showMessage(QString::asprintf(
        "image size = %d X %d, image pack data len = %d", size.width(), size.height(), Graphic::packedLength()));
    showPacking();
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
    Graphic::packLogo(Graphic::monochrome(m_picture, Graphic::logoSize()));
    showPackedLength();
}

void LogoPage::showPreview()
{
    QWidget* frame = ui->widget_image;
    qCDebug(lcApp).nospace() << "ui->widget_image->width() = " << frame->width()
                             << ", ui->widget_image->height() = " << frame->height();
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
    m_bytes->setText(QStringLiteral("%1 of %2 bytes").arg(length).arg(Graphic::kMaxPackedLength));
    m_bytes->setStyleSheet(length > Graphic::kMaxPackedLength ? QStringLiteral("color: #c00000;") : QString());
}

void LogoPage::tooBig()
{
    MessageBox::critical(
        this, QStringLiteral("Warnning!"), QStringLiteral("image data is too big."), QMessageBox::Cancel);
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

bool LogoPage::readyToInstall(bool serial, quint8* number, QString* reason)
{
    *number = 0;
    reason->clear();
    if (!serial) {
        *reason = QStringLiteral("the logo is sent over RS-232 only");
        return false;
    }
    if (!m_opened) {
        *reason = QStringLiteral("no logo picture is opened: open a picture first");
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
