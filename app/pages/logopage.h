#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QStatusBar;

namespace Ui {
class LogoPage;
}

// The logo page (page_Image): the picture, the logo size, the one-bit preview as the
// register prints it, and whether the packed logo may be installed. GUI thread only.
class LogoPage : public QWidget {
    Q_OBJECT
public:
    explicit LogoPage(QStatusBar* statusBar, QWidget* parent = nullptr);
    ~LogoPage() override;

    // Whether the install command may send the logo now. When not, `reason` says why for the
    // transfer log, or is empty when a message box has said it. `number` gets the logo number
    // of the selector when it is shown (else 0).
    bool readyToInstall(bool serial, quint8* number, QString* reason);

    bool pictureOpened() const { return m_opened; }

private slots:
    void on_btn_open_image_clicked();
    void on_iamgesize_19264_clicked();
    void on_imagesize_38464_clicked();
    void on_btn_set_imagesize_clicked();

private:
    void chooseSize(const QSize& size);
    void changeSize(const QSize& size);
    void pack();
    void showPacking();
    void showPreview();
    void showPackedLength();
    void tooBig();
    void reflectSizeInButtons();

    Ui::LogoPage* ui;
    QStatusBar* m_statusBar;
    QLabel* m_bytes; // "1552 of 4016 bytes" under the preview
    QImage m_picture;
    bool m_opened = false;
};
