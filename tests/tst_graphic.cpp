#include "link/protocol.h"
#include "logo/graphic.h"
#include "testsupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// The toolkit writes no GIF: this writes one with 128 grey levels, each code eight bits wide
// and the code table cleared before it would grow wider.
static QByteArray gif(const QImage& picture)
{
    QByteArray out("GIF89a");
    const auto le16 = [&out](int value) { out += char(value & 0xFF), out += char(value >> 8); };
    le16(picture.width());
    le16(picture.height());
    out += QByteArray("\xF6\x00\x00", 3); // 128-colour global table follows
    for (int i = 0; i < 128; ++i)
        out += QByteArray(3, char(i * 2));
    out += ',';
    le16(0), le16(0), le16(picture.width()), le16(picture.height());
    out += QByteArray("\x00\x07", 2); // no local table; codes start at 7 bits + 1
    QByteArray codes;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if ((y * picture.width() + x) % 126 == 0)
                codes += char(128);
            codes += char(qGray(picture.pixel(x, y)) / 2);
        }
    codes += char(129);
    for (int at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += QByteArray("\x00;", 2);
    return out;
}

class TestGraphic : public QObject {
    Q_OBJECT

private:
    // A one-bit image of `size` in `format` whose bytes are all `fill`, with Qt's own
    // colour table for a new image (colour 0 black, colour 1 white): packing reads indexes.
    static QImage bitImage(const QSize& size, QImage::Format format, uchar fill)
    {
        QImage image(size, format);
        for (int y = 0; y < size.height(); ++y)
            memset(image.scanLine(y), fill, size_t(image.bytesPerLine()));
        return image;
    }

    static QImage picture(const QSize& size, QImage::Format format, QColor colour)
    {
        QImage image(size, format);
        image.fill(colour);
        return image;
    }

    static QByteArray bitmapOf(const QByteArray& packed) { return packed.mid(Graphic::kHeaderSize); }

private slots:
    void init() { Graphic::setLogoSize(QSize(192, 64)); }

    void packedLengthsAndChunks_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("packedLength");
        QTest::addColumn<int>("chunks");
        QTest::addColumn<int>("lastPicturePiece");
        QTest::addColumn<bool>("registerTakesIt");
        QTest::newRow("192x64") << QSize(192, 64) << 1552 << 10 << 152 << true;
        QTest::newRow("384x64") << QSize(384, 64) << 3088 << 18 << 88 << true;
        QTest::newRow("320x96") << QSize(320, 96) << 3856 << 22 << 56 << true;
        QTest::newRow("256x128") << QSize(256, 128) << 4112 << 23 << 112 << false;
        QTest::newRow("384x104 passes the pixel limit") << QSize(384, 104) << 5008 << 28 << 8 << false;
    }

    void packedLengthsAndChunks()
    {
        QFETCH(QSize, size);
        QFETCH(int, packedLength);
        QFETCH(int, chunks);
        QFETCH(int, lastPicturePiece);
        QFETCH(bool, registerTakesIt);
        Graphic::setLogoSize(size);
        QVERIFY(Graphic::packLogo(bitImage(size, QImage::Format_Mono, 0x00)));
        QCOMPARE(Graphic::packedLength(), packedLength);
        QCOMPARE(Graphic::packedLengthFor(size), packedLength);
        QCOMPARE(Graphic::packedLength() <= Graphic::kMaxPackedLength, registerTakesIt);

        const QList<QByteArray> list = Graphic::dataList();
        QCOMPARE(list.size(), chunks);
        QCOMPARE(list.first(), QByteArray("UCO"));
        QCOMPARE(list.last(), QByteArray("UCA"));
        for (int i = 1; i < list.size() - 2; ++i)
            QCOMPARE(list.at(i).size(), 200);
        QCOMPARE(list.at(list.size() - 2).size(), lastPicturePiece);
        QCOMPARE(list.mid(1, list.size() - 2).join(), Graphic::packedLogo());
    }

    void headerOfTheSmallLogo()
    {
        QVERIFY(Graphic::packLogo(bitImage(QSize(192, 64), QImage::Format_MonoLSB, 0x00)));
        const QByteArray packed = Graphic::packedLogo();
        QCOMPARE(packed.left(16), hexBytes("18 00 00 00 00 00 00 00 40 00 00 00 00 06 00 00"));
        QCOMPARE(bitmapOf(packed), QByteArray(1536, '\0'));

        Graphic::setLogoSize(QSize(384, 64));
        QVERIFY(Graphic::packLogo(bitImage(QSize(384, 64), QImage::Format_Mono, 0x00)));
        QCOMPARE(Graphic::packedLogo().left(16), hexBytes("30 00 00 00 00 00 00 00 40 00 00 00 00 0C 00 00"));
    }

    void bitOrders_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("firstByte");
        QTest::addColumn<int>("packedByte");
        QTest::newRow("lsb first pixel") << int(QImage::Format_MonoLSB) << 0x01 << 0x80;
        QTest::newRow("lsb mixed") << int(QImage::Format_MonoLSB) << 0x0B << 0xD0;
        QTest::newRow("msb first pixel") << int(QImage::Format_Mono) << 0x80 << 0x80;
        QTest::newRow("msb copied") << int(QImage::Format_Mono) << 0x0B << 0x0B;
    }

    void bitOrders()
    {
        QFETCH(int, format);
        QFETCH(int, firstByte);
        QFETCH(int, packedByte);
        QImage image = bitImage(QSize(192, 64), QImage::Format(format), 0x00);
        image.scanLine(0)[0] = uchar(firstByte);
        image.scanLine(63)[23] = uchar(firstByte);
        QVERIFY(Graphic::packLogo(image));
        const QByteArray bitmap = bitmapOf(Graphic::packedLogo());
        QCOMPARE(int(uchar(bitmap.at(0))), packedByte);
        QCOMPARE(int(uchar(bitmap.at(1535))), packedByte);
        QCOMPARE(bitmap.count('\0'), 1534);
        // The first pixel of the picture is the first bit on the wire.
        QCOMPARE(image.pixelIndex(0, 0), (packedByte & 0x80) ? 1 : 0);
    }

    void blackIsAPrintedDot_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("bitmapByte");
        QTest::newRow("black rgb") << int(QImage::Format_RGB32) << QColor(Qt::black) << 0xFF;
        QTest::newRow("white rgb") << int(QImage::Format_RGB32) << QColor(Qt::white) << 0x00;
        QTest::newRow("transparent is paper") << int(QImage::Format_ARGB32) << QColor(Qt::transparent) << 0x00;
        QTest::newRow("opaque black with alpha") << int(QImage::Format_ARGB32) << QColor(Qt::black) << 0xFF;
    }

    void blackIsAPrintedDot()
    {
        QFETCH(int, source);
        QFETCH(QColor, colour);
        QFETCH(int, bitmapByte);
        const QImage mono = Graphic::monochrome(
            picture(QSize(500, 300), QImage::Format(source), colour), QSize(192, 64), Graphic::Placement::Stretch);
        QCOMPARE(mono.size(), QSize(192, 64));
        QCOMPARE(mono.format(), QImage::Format_MonoLSB);
        QCOMPARE(mono.color(0), qRgb(255, 255, 255));
        QCOMPARE(mono.color(1), qRgb(0, 0, 0));
        // Both bit orders of the same picture pack alike.
        for (const QImage& image : { mono, mono.convertToFormat(QImage::Format_Mono) }) {
            QVERIFY(Graphic::packLogo(image));
            QCOMPARE(bitmapOf(Graphic::packedLogo()), QByteArray(1536, char(bitmapByte)));
        }
    }

    void leftHalfBlack()
    {
        QImage source(400, 100, QImage::Format_RGB32);
        source.fill(Qt::white);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                source.setPixel(x, y, qRgb(0, 0, 0));
        const QImage mono = Graphic::monochrome(source, QSize(192, 64), Graphic::Placement::Stretch);
        for (const QImage& image : { mono, mono.convertToFormat(QImage::Format_Mono) }) {
            QVERIFY(Graphic::packLogo(image));
            const QByteArray bitmap = bitmapOf(Graphic::packedLogo());
            const QByteArray row = QByteArray(12, char(0xFF)) + QByteArray(12, '\0');
            QCOMPARE(bitmap.left(24), row);
            QCOMPARE(bitmap.right(24), row);
        }
    }

    void aOneBitPictureWithBlackFirst()
    {
        // A one-bit file may list black as colour 0; black still prints.
        QImage source = bitImage(QSize(192, 64), QImage::Format_Mono, 0x00);
        QCOMPARE(source.color(0), qRgb(0, 0, 0));
        const QImage mono = Graphic::monochrome(source, QSize(192, 64), Graphic::Placement::Stretch);
        QCOMPARE(mono.pixelIndex(5, 5), 1);
        QVERIFY(Graphic::packLogo(mono));
        QCOMPARE(bitmapOf(Graphic::packedLogo()), QByteArray(1536, char(0xFF)));
    }

    void whatIsNotPackedKeepsThePreviousPacking_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("eight bits") << picture(QSize(192, 64), QImage::Format_Indexed8, Qt::black);
        QTest::newRow("colour") << picture(QSize(192, 64), QImage::Format_RGB32, Qt::black);
        QTest::newRow("null") << QImage();
        QTest::newRow("other size") << bitImage(QSize(384, 64), QImage::Format_Mono, 0xFF);
    }

    void whatIsNotPackedKeepsThePreviousPacking()
    {
        QFETCH(QImage, image);
        QVERIFY(Graphic::packLogo(bitImage(QSize(192, 64), QImage::Format_Mono, 0x5A)));
        const QByteArray before = Graphic::packedLogo();
        const QList<QByteArray> chunks = Graphic::dataList();
        QVERIFY(!Graphic::packLogo(image));
        QCOMPARE(Graphic::packedLogo(), before);
        QCOMPARE(Graphic::dataList(), chunks);
    }

    void splitIntoChunks_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("pieces");
        QTest::newRow("three bytes") << 3 << 200 << QList<int> { 3 };
        QTest::newRow("empty") << 0 << 200 << QList<int> {};
        QTest::newRow("exact multiple") << 400 << 200 << QList<int> { 200, 200 };
        QTest::newRow("size capped at 1024") << 2100 << 5000 << QList<int> { 1024, 1024, 52 };
    }

    void splitIntoChunks()
    {
        QFETCH(int, length);
        QFETCH(int, size);
        QFETCH(QList<int>, pieces);
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes.append(char(i * 7));
        const QList<QByteArray> chunks = Graphic::splitIntoChunks(bytes, size);
        QList<int> sizes;
        for (const QByteArray& chunk : chunks)
            sizes << int(chunk.size());
        QCOMPARE(sizes, pieces);
        QCOMPARE(chunks.join(), bytes);
    }

    void customSizes_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QSize>("rounded");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("100x20") << 100 << 20 << QSize(96, 24) << true;
        QTest::newRow("112x12") << 112 << 12 << QSize(128, 16) << true;
        QTest::newRow("384x180") << 384 << 180 << QSize(384, 184) << false;
        QTest::newRow("384x104") << 384 << 104 << QSize(384, 104) << true;
        QTest::newRow("remainders that round down") << 111 << 11 << QSize(96, 8) << true;
        QTest::newRow("width rounds to 0") << 15 << 64 << QSize(0, 64) << false;
        QTest::newRow("height rounds to 0") << 192 << 3 << QSize(192, 0) << false;
        QTest::newRow("smallest") << 16 << 4 << QSize(32, 8) << true;
        QTest::newRow("tallest that fits") << 200 << 180 << QSize(192, 184) << true;
        QTest::newRow("wider than the printer") << 480 << 64 << QSize(480, 64) << false;
    }

    // A picture cut short reads with a grey, black or background lower part: it is refused.
    void cutPictureRefused_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("jpeg") << "JPG"
                              << "the JPEG file is cut short";
        QTest::newRow("bmp") << "BMP"
                             << "the BMP file is cut short";
        QTest::newRow("gif") << "GIF"
                             << "the GIF file is cut short";
    }

    void cutPictureRefused()
    {
        QFETCH(QString, format);
        QFETCH(QString, sentence);
        QTemporaryDir dir;
        // Picture data (a pattern that does not compress to nothing) makes most of the file.
        QImage source(256, 256, QImage::Format_RGB32);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                source.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
        QByteArray whole;
        if (format == QLatin1String("GIF")) {
            whole = gif(source);
        } else {
            QBuffer buffer(&whole);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && source.save(&buffer, qPrintable(format)));
        }
        for (const QByteArray& bytes : { whole, whole.left(whole.size() * 2 / 3), whole.chopped(1) }) {
            const bool isWhole = bytes.size() == whole.size();
            const QString path = dir.filePath(QStringLiteral("picture"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            QString error;
            const QImage read = Graphic::readPicture(path, &error);
            QCOMPARE(read.isNull(), !isWhole);
            QCOMPARE(error, isWhole ? QString() : sentence);
            if (isWhole)
                QCOMPARE(read.size(), source.size());
        }
    }

    void customSizes()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(QSize, rounded);
        QFETCH(bool, allowed);
        QCOMPARE(Graphic::roundedSize(w, h), rounded);
        QCOMPARE(Graphic::sizeAllowed(rounded), allowed);
    }

    void unpackShowsWhatWasPacked()
    {
        QImage source(300, 300, QImage::Format_RGB32);
        source.fill(Qt::white);
        for (int i = 0; i < 300; ++i)
            source.setPixel(i, i, qRgb(0, 0, 0));
        Graphic::setLogoSize(QSize(96, 24));
        const QImage mono = Graphic::monochrome(source, QSize(96, 24), Graphic::Placement::Stretch);
        QVERIFY(Graphic::packLogo(mono));
        const QImage printed = Graphic::unpackLogo(Graphic::packedLogo());
        QCOMPARE(printed.size(), QSize(96, 24));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 96; ++x)
                QCOMPARE(printed.pixel(x, y), mono.pixel(x, y));

        // A header that does not describe the bytes after it gives nothing.
        QByteArray packed = Graphic::packedLogo();
        QVERIFY(Graphic::unpackLogo(packed.left(packed.size() - 1)).isNull());
        packed[12] = char(packed.at(12) + 1);
        QVERIFY(Graphic::unpackLogo(packed).isNull());
        QVERIFY(Graphic::unpackLogo(QByteArray(16, '\0')).isNull());
        QVERIFY(Graphic::unpackLogo("UCO").isNull());
        // Row bytes times rows beyond 32 bits (a header a peer made up) is refused, not wrapped.
        QByteArray huge(16, '\0');
        qToLittleEndian<quint16>(0xC800, huge.data());
        qToLittleEndian<quint16>(0xAC01, huge.data() + 8);
        qToLittleEndian<quint32>(quint32(0xC800u * 0xAC01u), huge.data() + 12);
        QVERIFY(Graphic::unpackLogo(huge).isNull());
    }
};

QTEST_GUILESS_MAIN(TestGraphic)
#include "tst_graphic.moc"
