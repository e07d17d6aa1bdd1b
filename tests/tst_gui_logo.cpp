#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "app/pages/logopage.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "linkharness.h"
#include "logo/graphic.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSerialPort>
#include <QSpinBox>
#include <QSqlQuery>
#include <QStackedWidget>
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

    static QImage fitted(const QImage& picture, const QSize& size)
    {
        return Graphic::monochrome(picture, size, Graphic::Placement::Fit);
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
        QCOMPARE(w.status(), QStringLiteral("logo 192 x 64: 1,552 bytes of 4,016"));
        QCOMPARE(bytesText(w), QStringLiteral("1,552 of 4,016 bytes"));
        QCOMPARE(previewSize(w), QSize(192, 64));
        // The preview is the bitmap as it is sent.
        const QImage photo(m_photo);
        QVERIFY(samePrint(child<QLabel>(w, "label_image")->pixmap().toImage(), fitted(photo, QSize(192, 64))));
        QVERIFY(MessageBox::shown().isEmpty());

        click(w, "imagesize_38464");
        QCOMPARE(w.status(), QStringLiteral("logo 384 x 64: 3,088 bytes of 4,016"));
        QCOMPARE(previewSize(w), QSize(384, 64));
        QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(384, 64));
        QCOMPARE(child<QSpinBox>(w, "spinBox_image_w")->value(), 7);
        QCOMPARE(child<QSpinBox>(w, "spinBox_image_h")->value(), 9);

        customSize(w, 100, 20);
        QCOMPARE(w.status(), QStringLiteral("logo 96 x 24: 304 bytes of 4,016"));
        QCOMPARE(Graphic::logoSize(), QSize(96, 24));
        QCOMPARE(previewSize(w), QSize(96, 24));
        QVERIFY(!child<QRadioButton>(w, "iamgesize_19264")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "imagesize_38464")->isChecked());
        customSize(w, 320, 96);
        QCOMPARE(w.status(), QStringLiteral("logo 320 x 96: 3,856 bytes of 4,016"));
        QVERIFY(MessageBox::shown().isEmpty());

        // Too many pixels, or a size that rounds to nothing: refused, the size stays.
        const QList<QSize> refused { QSize(384, 180), QSize(0, 0), QSize(15, 64) };
        for (const QSize& size : refused) {
            MessageBox::clearShown();
            customSize(w, size.width(), size.height());
            QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: image data is too big.")));
            QCOMPARE(Graphic::logoSize(), QSize(320, 96));
            QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(320, 96));
            QCOMPARE(w.status(), QStringLiteral("logo 320 x 96: 3,856 bytes of 4,016"));
        }

        // 384 x 104 has few enough pixels but packs too big: kept and reported; nothing that
        // will not be printed is shown.
        MessageBox::clearShown();
        customSize(w, 384, 104);
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: image data is too big.")));
        QCOMPARE(Graphic::logoSize(), QSize(384, 104));
        QCOMPARE(w.status(), QStringLiteral("logo 384 x 104: 5,008 bytes of 4,016, more than the register takes"));
        QCOMPARE(bytesText(w), QStringLiteral("5,008 of 4,016 bytes"));
        QVERIFY(child<QLabel>(w, "label_image")->pixmap().isNull());

        // Back to a standard size; a cancelled dialog keeps the picture.
        MessageBox::clearShown();
        click(w, "iamgesize_19264");
        QVERIFY(child<QRadioButton>(w, "iamgesize_19264")->isChecked());
        openPicture(w, QString());
        QCOMPARE(w.status(), QStringLiteral("logo 192 x 64: 1,552 bytes of 4,016"));
        openPicture(w, m_drawing);
        QCOMPARE(w.status(), QStringLiteral("logo 192 x 64: 1,552 bytes of 4,016"));
        // The transparent background is paper, the drawing is dots; the 384 x 64 drawing keeps
        // its proportions as 192 x 32 between paper above and below.
        const QImage printed = child<QLabel>(w, "label_image")->pixmap().toImage();
        QCOMPARE(qGray(printed.pixel(100, 5)), 255);
        QCOMPARE(qGray(printed.pixel(10, 10)), 255);
        QCOMPARE(qGray(printed.pixel(10, 30)), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // A picture keeps its proportions, centred, unless it is stretched over the whole logo.
    void fitOrStretch()
    {
        QImage square(50, 50, QImage::Format_RGB32);
        square.fill(Qt::black);
        const QString path = m_dir.filePath(QStringLiteral("square.png"));
        QVERIFY(square.save(path));
        TestWindow w(m_dir.path());
        click(w, "btn_graphic");
        openPicture(w, path);
        auto dotAt
            = [&](int x) { return qGray(child<QLabel>(w, "label_image")->pixmap().toImage().pixel(x, 32)) < 128; };
        QVERIFY(!dotAt(10) && dotAt(96) && !dotAt(180));
        child<QCheckBox>(w, "check_stretch")->setChecked(true);
        QVERIFY(dotAt(10) && dotAt(96) && dotAt(180));
        QCOMPARE(bytesText(w), QStringLiteral("1,552 of 4,016 bytes"));
        child<QCheckBox>(w, "check_stretch")->setChecked(false);
    }

    // The set keeps the packed logo: it comes back, with its size, whenever the set is shown
    // again; a set without one shows none; a refused save keeps the page as it is.
    void keptInTheSet()
    {
        TestWindow w(m_dir.path());
        QDir().mkpath(w.databaseFolder());
        const QString shop = w.databaseFolder() + QStringLiteral("logo-shop.db");
        const QString other = w.databaseFolder() + QStringLiteral("logo-other.db");
        createDatabase(other);
        createDatabase(shop);
        auto openSet = [&w](const QString& path) {
            FileDialog::setNextFileName(path);
            w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        };
        // The tests after this one start without a logo.
        const auto leaveWithout = qScopeGuard([&] { openSet(other); });
        auto* stack = child<QStackedWidget>(w, "stackedWidget");
        auto* page = child<LogoPage>(w, "page_Image");
        QSignalSpy modified(page, &LogoPage::modifiedChanged);
        QSignalSpy back(page, &LogoPage::backRequested);

        click(w, "btn_graphic");
        QVERIFY(!page->isModified());
        openPicture(w, m_drawing);
        click(w, "imagesize_38464");
        QVERIFY(page->isModified());
        QCOMPARE(modified.size(), 1);
        const QByteArray packed = Graphic::packedLogo();
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QVERIFY(!page->isModified());
        QCOMPARE(w.status(), QStringLiteral("Saved: logo-shop.db keeps this logo."));
        QByteArrayList stored;
        QVERIFY(forEachRow(shop, QStringLiteral("select itemData from table_graphic"),
            [&stored](const QSqlQuery& row) { stored << row.value(0).toByteArray(); }));
        QCOMPARE(stored, QByteArrayList { packed });

        child<QAbstractButton>(page, "btn_return")->click();
        QCOMPARE(back.size(), 1);
        QCOMPARE(stack->currentIndex(), 0);
        openSet(other);
        click(w, "btn_graphic");
        QVERIFY(child<QLabel>(w, "label_image")->pixmap().isNull());
        QVERIFY(bytesText(w).isEmpty());
        QCOMPARE(Graphic::logoSize(), QSize(192, 64));

        click(w, "btn_return");
        openSet(shop);
        click(w, "btn_graphic");
        QVERIFY(!page->isModified());
        QCOMPARE(Graphic::logoSize(), QSize(384, 64));
        QCOMPARE(Graphic::packedLogo(), packed);
        QVERIFY(child<QRadioButton>(w, "imagesize_38464")->isChecked());
        QCOMPARE(child<QWidget>(w, "widget_image")->size(), QSize(384, 64));
        QCOMPARE(bytesText(w), QStringLiteral("3,088 of 4,016 bytes"));
        QVERIFY(
            samePrint(child<QLabel>(w, "label_image")->pixmap().toImage(), fitted(QImage(m_drawing), QSize(384, 64))));

        // The set refuses the new size: the page says so and keeps it, unsaved.
        QVERIFY(withDatabaseFile(shop, [](QSqlQuery& query) {
            return query.exec(QStringLiteral("create trigger refuse before insert on table_graphic "
                                             "begin select raise(abort, 'refused by the test'); end"));
        }));
        click(w, "iamgesize_19264");
        QVERIFY(page->isModified());
        QVERIFY(!page->save());
        QCOMPARE(w.status(), QStringLiteral("Not saved (refused by the test): the database keeps its previous rows."));
        QVERIFY(page->isModified());
        QCOMPARE(Graphic::logoSize(), QSize(192, 64));
        page->reload();
        QVERIFY(!page->isModified());
        QCOMPARE(Graphic::packedLogo(), packed);
        QCOMPARE(modified.size(), 4);
    }

    // A logo saved larger than a register takes is kept as chosen, and said at once to be too big.
    void tooBigLogoSaved()
    {
        TestWindow w(m_dir.path());
        QDir().mkpath(w.databaseFolder());
        const QString big = w.databaseFolder() + QStringLiteral("logo-big.db");
        const QString other = w.databaseFolder() + QStringLiteral("logo-other.db");
        createDatabase(other);
        createDatabase(big);
        auto openSet = [&w](const QString& path) {
            FileDialog::setNextFileName(path);
            w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        };
        openSet(big);
        const auto leaveWithout = qScopeGuard([&] { openSet(other); });
        click(w, "btn_graphic");
        openPicture(w, m_photo);
        customSize(w, 384, 104);
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QCOMPARE(w.status(),
            QStringLiteral(
                "Saved: logo-big.db keeps this logo. It is larger than a register takes (5,008 of 4,016 bytes): "
                "choose a smaller size before installing it."));
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
        QVERIFY(w.log("textEdit_rcv").isEmpty()); // the reason went with the picture's coming
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
                                      << QStringLiteral("END\n%1: the logo installed") << QString() << QByteArray("20 00");
        QTest::newRow("drawing 384x64") << int(English) << QStringLiteral("drawing") << QSize(384, 64) << QStringList()
                                        << QStringLiteral("END\n%1: the logo installed") << QString() << QByteArray("20 00");
        QTest::newRow("photo 320x96, Thai logo 2")
            << int(Thailand) << QStringLiteral("photo") << QSize(320, 96) << QStringList() << QStringLiteral("END\n%1: the logo installed")
            << QString() << QByteArray("20 01");
        QTest::newRow("third chunk refused") << int(English) << QStringLiteral("photo") << QSize(192, 64)
                                             << QStringList { QStringLiteral("--refuse"), QStringLiteral("3:15") }
                                             << QString()
                                             << QStringLiteral("15\n%1: the register refused logo part 3 of %2 (code 15)")
                                             << QByteArray("20 00");
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
        QCOMPARE(w.log("textEdit_snd"), sent.isEmpty() ? sent : sent.arg(pty.first()));
        QCOMPARE(w.log("textEdit_rcv"), errors.isEmpty() ? errors : errors.arg(pty.first()).arg(Graphic::dataList().size()));
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
        QVERIFY(samePrint(received, fitted(QImage(path), size)));
        QVERIFY(samePrint(child<QLabel>(w, "label_image")->pixmap().toImage(), fitted(QImage(path), size)));
        useTestLinkSettings(m_dir.path());
    }
};

QTEST_MAIN(TestGuiLogo)
#include "tst_gui_logo.moc"
