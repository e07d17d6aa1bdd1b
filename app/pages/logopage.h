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
// register prints it, whether the packed logo may be installed, and the logo that the open
// set keeps. GUI thread only.
class LogoPage : public QWidget {
    Q_OBJECT
public:
    LogoPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent = nullptr);
    ~LogoPage() override;

    // Whether the install command may send the logo now. When not, `reason` says why for the
    // transfer log, or is empty when a message box has said it. `number` gets the logo number
    // of the selector when it is shown (else 0).
    bool readyToInstall(bool serial, quint8* number, QString* reason);

    // Whether there is a logo: a picture opened, or the set's logo shown.
    bool pictureOpened() const { return m_opened; }

    // Whether the logo or its size differ from what the open set keeps.
    bool isModified() const { return m_modified; }
    // Stores the packed logo (or that there is none) in the open set. False when the set
    // refuses it, which the status bar then says; the page keeps its logo.
    bool save();
    // Shows the logo the open set keeps, or the empty page at 192 x 64 when it keeps none,
    // dropping unsaved changes.
    void reload();

signals:
    void modifiedChanged(bool modified);
    void backRequested();

protected:
    // A page without unsaved changes shows what the set keeps now.
    void showEvent(QShowEvent* event) override;

private slots:
    void on_btn_open_image_clicked();
    void on_iamgesize_19264_clicked();
    void on_imagesize_38464_clicked();
    void on_btn_set_imagesize_clicked();
    void on_btn_return_clicked();

private:
    void chooseSize(const QSize& size);
    void changeSize(const QSize& size);
    void placementChanged();
    void pack();
    void showLogo();
    void showPacking();
    void showPreview();
    void showPackedLength();
    void tooBig();
    void reflectSizeInButtons();
    void setModified(bool modified);
    QString sizeText() const;

    Ui::LogoPage* ui;
    QStatusBar* m_statusBar;
    QLabel* m_bytes; // "1,552 of 4,016 bytes" under the preview
    QImage m_picture;
    bool m_opened = false;
    bool m_modified = false;
};
