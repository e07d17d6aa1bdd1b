#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "linkharness.h"
#include "logo/graphic.h"
#include "testsupport.h"
#include "base/language.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

class TestGuiLogo : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    QString m_photo; // a colour picture
    QString m_drawing; // black on white

    static QSize previewSize(MainWindow& w) { return child<QLabel>(w, "label_image")->pixmap().size(); }
    static QString bytesText(MainWindow& w) { return child<QLabel>(w, "label_image_bytes")->text(); }

    static void openPicture(MainWindow& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        click(w, "btn_open_image");
    }

    static void customSize(MainWindow& w, int width, int height)
    {
        child<QSpinBox>(w, "spinBox_image_w")->setValue(width);
        child<QSpinBox>(w, "spinBox_image_h")->setValue(height);
        click(w, "btn_set_imagesize");
    }

    static bool openSerial(MainWindow& w, const QString& port)
    {
        auto* ports = child<QComboBox>(w, "comboBox_ComNum");
        ports->setCurrentIndex(ports->findText(port));
        click(w, "btn_serial");
        return w.serialLink() && w.serialLink()->isOpen();
    }

    // Pixel for pixel: dark in `shown` exactly where `mono` has a printed dot.
    static bool samePrint(const QImage& shown, const QImage& mono)
    {
        if (shown.size() != mono.size())
            return false;
        for (int y = 0; y < mono.height(); ++y)
            for (int x = 0; x < mono.width(); ++x)
                if ((qGray(shown.pixel(x, y)) < 128) != (mono.pixelIndex(x, y) == 1))
                    return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        useTestLinkSettings(m_dir.path());

        // A colour "photo": a gradient sky, a red sun, a green hill.
        QImage photo(640, 360, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, 0, 360);
        sky.setColorAt(0, QColor(40, 90, 200));
        sky.setColorAt(1, QColor(250, 220, 160));
        painter.fillRect(photo.rect(), sky);
        painter.setBrush(QColor(220, 40, 20));
        painter.drawEllipse(QPoint(480, 100), 60, 60);
        painter.setBrush(QColor(30, 140, 50));
        painter.drawEllipse(QPoint(200, 420), 400, 160);
        painter.end();
        m_photo = m_dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(photo.save(m_photo, "JPG"));

        // A black-and-white logo with a transparent background.
        QImage drawing(384, 64, QImage::Format_ARGB32);
        drawing.fill(Qt::transparent);
        painter.begin(&drawing);
        painter.fillRect(QRect(8, 8, 48, 48), Qt::black);
        painter.setPen(QPen(Qt::black, 6));
        painter.drawLine(70, 56, 370, 8);
        painter.end();
        m_drawing = m_dir.filePath(QStringLiteral("logo.png"));
        QVERIFY(drawing.save(m_drawing, "PNG"));
    }

    void cleanupTestCase()
    {
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }

    void init()
    {
        MessageBox::clearShown();
        Graphic::setLogoSize(QSize(192, 64));
    }

    void beforeAnyPicture()
    {
        TestWindow w(m_dir.path());
        click(w, "btn_graphic");
        QCOMPARE(w.status(), QStringLiteral("graphic"));
        QCOMPARE(Graphic::logoSize(), QSize(192, 64));

        // The size buttons resize the preview's frame only.
        click(w, "imagesize_38464");
        QCOMPARE(Graphic::logoSize(), QSize(384, 64));
        QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(384, 64));
        customSize(w, 100, 20);
        QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(96, 24));
        QCOMPARE(w.status(), QStringLiteral("graphic"));
        QVERIFY(child<QLabel>(w, "label_image")->pixmap().isNull());
        QVERIFY(bytesText(w).isEmpty());

        // A cancelled dialog opens nothing: the size buttons still only resize.
        openPicture(w, QString());
        click(w, "iamgesize_19264");
        QCOMPARE(w.status(), QStringLiteral("graphic"));
        QVERIFY(child<QLabel>(w, "label_image")->pixmap().isNull());
        QVERIFY(MessageBox::shown().isEmpty());

        // A file that is no picture is reported and opens nothing either.
        const QString broken = m_dir.filePath(QStringLiteral("broken.png"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        openPicture(w, broken);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().startsWith(QStringLiteral("Warnning!: broken.png could not be read")));
        click(w, "imagesize_38464");
        QCOMPARE(w.status(), QStringLiteral("graphic"));
    }

    void openAndResize()
    {
        TestWindow w(m_dir.path());
        click(w, "btn_graphic");
        child<QSpinBox>(w, "spinBox_image_w")->setValue(7);
        child<QSpinBox>(w, "spinBox_image_h")->setValue(9);
        openPicture(w, m_photo);
        QCOMPARE(w.status(), QStringLiteral("image pack data len = 1552"));
        QCOMPARE(bytesText(w), QStringLiteral("1552 of 4016 bytes"));
        QCOMPARE(previewSize(w), QSize(192, 64));
        // The preview is the bitmap as it is sent.
        const QImage photo(m_photo);
        QVERIFY(
            samePrint(child<QLabel>(w, "label_image")->pixmap().toImage(), Graphic::monochrome(photo, QSize(192, 64))));
        QVERIFY(MessageBox::shown().isEmpty());

        click(w, "imagesize_38464");
        QCOMPARE(w.status(), QStringLiteral("image size = 384 X 64, image pack data len = 3088"));
        QCOMPARE(previewSize(w), QSize(384, 64));
        QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(384, 64));
        QCOMPARE(child<QSpinBox>(w, "spinBox_image_w")->value(), 7);
        QCOMPARE(child<QSpinBox>(w, "spinBox_image_h")->value(), 9);

        customSize(w, 100, 20);
        QCOMPARE(w.status(), QStringLiteral("image size = 96 X 24, image pack data len = 304"));
        QCOMPARE(Graphic::logoSize(), QSize(96, 24));
        QCOMPARE(previewSize(w), QSize(96, 24));
        QVERIFY(!child<QRadioButton>(w, "iamgesize_19264")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "imagesize_38464")->isChecked());
        customSize(w, 320, 96);
        QCOMPARE(w.status(), QStringLiteral("image size = 320 X 96, image pack data len = 3856"));
        QVERIFY(MessageBox::shown().isEmpty());

        // Too many pixels, or a size that rounds to nothing: refused, the size stays.
        const QList<QSize> refused { QSize(384, 180), QSize(0, 0), QSize(15, 64) };
        for (const QSize& size : refused) {
            MessageBox::clearShown();
            customSize(w, size.width(), size.height());
            QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: image data is too big.")));
            QCOMPARE(Graphic::logoSize(), QSize(320, 96));
            QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(320, 96));
            QCOMPARE(w.status(), QStringLiteral("image size = 320 X 96, image pack data len = 3856"));
        }

        // 384 x 104 has few enough pixels but packs too big: kept and reported; nothing that
        // will not be printed is shown.
        MessageBox::clearShown();
        customSize(w, 384, 104);
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: image data is too big.")));
        QCOMPARE(Graphic::logoSize(), QSize(384, 104));
        QCOMPARE(w.status(), QStringLiteral("image size = 384 X 104, image pack data len = 5008"));
        QCOMPARE(bytesText(w), QStringLiteral("5008 of 4016 bytes"));
        QVERIFY(child<QLabel>(w, "label_image")->pixmap().isNull());

        // Back to a standard size; a cancelled dialog keeps the picture.
        MessageBox::clearShown();
        click(w, "iamgesize_19264");
        QVERIFY(child<QRadioButton>(w, "iamgesize_19264")->isChecked());
        openPicture(w, QString());
        QCOMPARE(w.status(), QStringLiteral("image size = 192 X 64, image pack data len = 1552"));
        openPicture(w, m_drawing);
        QCOMPARE(w.status(), QStringLiteral("image pack data len = 1552"));
        // The transparent background is paper, the drawing is dots.
        const QImage printed = child<QLabel>(w, "label_image")->pixmap().toImage();
        QCOMPARE(qGray(printed.pixel(100, 5)), 255);
        QCOMPARE(qGray(printed.pixel(10, 10)), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void installOverTcpSendsNothing()
    {
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        w.showConnection(QStringLiteral("10.0.0.9"));
        click(w, "btn_graphic");
        openPicture(w, m_photo);
        QSignalSpy sends(w.linkHost(), &LinkHost::signal_MsendData);
        click(w, "btn_install");
        QCOMPARE(sends.size(), 0);
        QVERIFY(w.idle());
        QCOMPARE(w.log("textEdit_rcv"), QStringLiteral("the logo is sent over RS-232 only"));
        QVERIFY(w.log("textEdit_snd").isEmpty());
    }

    void serialInstallRefusals()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        useTestLinkSettings(m_dir.path(), pty.first());
        QSerialPort registerPort;
        registerPort.setPortName(pty.second());
        QVERIFY(registerPort.open(QIODevice::ReadWrite));
        FakeRegister ecr(&registerPort);
        TestWindow w(m_dir.path());
        QVERIFY(openSerial(w, pty.first()));
        click(w, "btn_graphic");
        QSignalSpy sends(w.linkHost(), &LinkHost::signal_MsendData);

        // Before any picture: nothing to send, and the operator is told why.
        click(w, "btn_install");
        QCOMPARE(w.log("textEdit_rcv"), QStringLiteral("no logo picture is opened: open a picture first"));
        QVERIFY(w.idle());

        // A packed logo above the register's limit is not sent.
        openPicture(w, m_photo);
        customSize(w, 384, 104);
        MessageBox::clearShown();
        click(w, "btn_install");
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: image data is too big.")));
        QVERIFY(w.log("textEdit_rcv").isEmpty());
        QVERIFY(w.idle());
        QCOMPARE(sends.size(), 0);
        QVERIFY(ecr.quietFor(200));
        useTestLinkSettings(m_dir.path());
    }

    void installOverSerial_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QByteArray>("typeWord");
        QTest::newRow("photo 192x64") << int(English) << QStringLiteral("photo") << QSize(192, 64) << QStringList()
                                      << QStringLiteral("END") << QString() << QByteArray("20 00");
        QTest::newRow("drawing 384x64") << int(English) << QStringLiteral("drawing") << QSize(384, 64) << QStringList()
                                        << QStringLiteral("END") << QString() << QByteArray("20 00");
        QTest::newRow("photo 320x96, Thai logo 2")
            << int(Thailand) << QStringLiteral("photo") << QSize(320, 96) << QStringList() << QStringLiteral("END")
            << QString() << QByteArray("20 01");
        QTest::newRow("third chunk refused") << int(English) << QStringLiteral("photo") << QSize(192, 64)
                                             << QStringList { QStringLiteral("--refuse"), QStringLiteral("3:15") }
                                             << QString() << QStringLiteral("15") << QByteArray("20 00");
    }

    void installOverSerial()
    {
        QFETCH(int, language);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        QFETCH(QStringList, faults);
        QFETCH(QString, sent);
        QFETCH(QString, errors);
        QFETCH(QByteArray, typeWord);
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        useTestLinkSettings(m_dir.path(), pty.first());
        const QString png = m_dir.filePath(QStringLiteral("received-%1.png").arg(QTest::currentDataTag()));
        Simulator ecr(
            QStringList { QStringLiteral("--serial"), pty.second(), QStringLiteral("--logo-out"), png } + faults);
        QVERIFY(ecr.waitReady());

        LanguageScope scope(language);
        TestWindow w(m_dir.path());
        scope.restore();
        QVERIFY(openSerial(w, pty.first()));
        click(w, "btn_graphic");
        child<QComboBox>(w, "comboBox_LogId")->setCurrentIndex(1);
        const QString path = picture == QLatin1String("photo") ? m_photo : m_drawing;
        openPicture(w, path);
        if (size == QSize(384, 64))
            click(w, "imagesize_38464");
        else if (size != QSize(192, 64))
            customSize(w, size.width(), size.height());
        QCOMPARE(Graphic::logoSize(), size);

        click(w, "btn_install");
        QVERIFY(w.isBusy());
        QVERIFY(w.waitIdle(20000));
        QCOMPARE(w.log("textEdit_snd"), sent);
        QCOMPARE(w.log("textEdit_rcv"), errors);
        QVERIFY(ecr.output().contains("recv 04 03 " + typeWord + " 55 43 4F"));
        if (!errors.isEmpty()) {
            // Nothing after the refused chunk: the end block never went out.
            QVERIFY(!ecr.output().contains("recv 04 03 " + typeWord + " 55 43 41"));
            QVERIFY(!QFile::exists(png));
            return;
        }
        QVERIFY(QTest::qWaitFor([&] { return ecr.output().contains("logo written to"); }, 3000));
        const QImage received(png);
        QVERIFY(!received.isNull());
        QVERIFY(samePrint(received, Graphic::monochrome(QImage(path), size)));
        QVERIFY(
            samePrint(child<QLabel>(w, "label_image")->pixmap().toImage(), Graphic::monochrome(QImage(path), size)));
        useTestLinkSettings(m_dir.path());
    }
};

QTEST_MAIN(TestGuiLogo)
#include "tst_gui_logo.moc"
