#include "app/pages/logopage.h"

#include "app/applog.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "logo/graphic.h"

#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QRadioButton>
#include <QStatusBar>

LogoPage::LogoPage(QMainWindow* window, Ui::MainWindow* ui)
    : QObject(window)
    , m_window(window)
    , m_ui(ui)
    , m_bytes(new QLabel(ui->page_Image))
{
    Graphic::setLogoSize(QSize(192, 64));
    m_ui->widget_image->setFixedSize(Graphic::logoSize());
    m_ui->label_image->setAlignment(Qt::AlignCenter);
    m_bytes->setObjectName(QStringLiteral("label_image_bytes"));
    m_ui->layout_image_preview->insertWidget(1, m_bytes);
}

void LogoPage::openImage()
{
    const QString path = FileDialog::getOpenFileName(
        m_window, QString(), QString(), QStringLiteral("Image File(*.jpg *.jpeg *.png *.bmp *.ico)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        qCDebug(lcApp) << "image not read" << path << reader.errorString();
        MessageBox::critical(m_window, QStringLiteral("Warnning!"),
            QStringLiteral("%1 could not be read: %2").arg(QFileInfo(path).fileName(), reader.errorString()));
        return;
    }
    m_picture = picture;
    m_opened = true;
    pack();
    m_window->statusBar()->showMessage(QString::asprintf("image pack data len = %d", Graphic::packedLength()));
    showPacking();
}

void LogoPage::chooseSize(const QSize& size)
{
    changeSize(size);
    reflectSizeInButtons();
}

void LogoPage::setCustomSize()
{
    const QSize size = Graphic::roundedSize(m_ui->spinBox_image_w->value(), m_ui->spinBox_image_h->value());
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
    m_ui->widget_image->setFixedSize(size);
    if (!m_opened)
        return;
    pack();
    m_window->statusBar()->showMessage(QString::asprintf(
        "image size = %d X %d, image pack data len = %d", size.width(), size.height(), Graphic::packedLength()));
    showPacking();
}

void LogoPage::showPacking()
{
    // Too big: the size and the packed logo stay, install refuses to send it, and the frame,
    // which has the new size already, shows no print.
    if (Graphic::packedLength() > Graphic::kMaxPackedLength) {
        m_ui->label_image->clear();
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
    QWidget* frame = m_ui->widget_image;
    qCDebug(lcApp).nospace() << "ui->widget_image->width() = " << frame->width()
                             << ", ui->widget_image->height() = " << frame->height();
    // What goes to the register, decoded back: one screen pixel per printed dot.
    QImage printed = Graphic::unpackLogo(Graphic::packedLogo());
    const QSize room = frame->size().boundedTo(m_ui->label_image->maximumSize());
    if (printed.width() > room.width() || printed.height() > room.height())
        printed = printed.scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation);
    m_ui->label_image->setPixmap(QPixmap::fromImage(printed));
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
        m_window, QStringLiteral("Warnning!"), QStringLiteral("image data is too big."), QMessageBox::Cancel);
}

void LogoPage::reflectSizeInButtons()
{
    const QSize size = Graphic::logoSize();
    QRadioButton* small = m_ui->iamgesize_19264;
    QRadioButton* wide = m_ui->imagesize_38464;
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

bool LogoPage::readyToInstall(bool serial, quint8* number)
{
    *number = 0;
    if (!serial) {
        m_ui->textEdit_rcv->append(QStringLiteral("the logo is sent over RS-232 only"));
        return false;
    }
    if (!m_opened) {
        m_ui->textEdit_rcv->append(QStringLiteral("no logo picture is opened: open a picture first"));
        return false;
    }
    if (Graphic::packedLength() > Graphic::kMaxPackedLength) {
        tooBig();
        return false;
    }
    if (!m_ui->widget_LogId->isHidden())
        *number = quint8(m_ui->comboBox_LogId->currentIndex());
    return true;
}
