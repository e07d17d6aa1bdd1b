#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

class QLabel;
class QMainWindow;

namespace Ui {
class MainWindow;
}

// The logo page (page_Image): the picture, the logo size, the one-bit preview as the
// register prints it, and whether the packed logo may be installed. GUI thread only.
class LogoPage : public QObject {
    Q_OBJECT
public:
    LogoPage(QMainWindow* window, Ui::MainWindow* ui);

    // The page's four commands.
    void openImage();
    void chooseSize(const QSize& size);
    void setCustomSize();
    // Whether the install command may send the logo now; when not, the operator is told
    // why. `number` gets the logo number of the selector when it is shown (else 0).
    bool readyToInstall(bool serial, quint8* number);

    bool pictureOpened() const { return m_opened; }

private:
    void changeSize(const QSize& size);
    void pack();
    void showPacking();
    void showPreview();
    void showPackedLength();
    void tooBig();
    void reflectSizeInButtons();

    QMainWindow* m_window;
    Ui::MainWindow* m_ui;
    QLabel* m_bytes; // "1552 of 4016 bytes" under the preview
    QImage m_picture;
    bool m_opened = false;
};
