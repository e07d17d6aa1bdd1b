#include "records/translation.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(long double)

class TestTranslation : public QObject {
    Q_OBJECT

private:
    // Bit-by-bit CRC-16/MODBUS, independent of the table form under test.
    static quint16 referenceCrc(const QByteArray& data)
    {
        quint16 crc = 0xFFFF;
        for (const char byte : data) {
            crc ^= quint8(byte);
            for (int i = 0; i < 8; ++i)
                crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        }
        return crc;
    }

private slots:
    void bcdToValue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::newRow("amount") << hexBytes("87 21 43 00 00") << 2 << 4321.87;
        QTest::newRow("blank amount") << hexBytes("87 21 43 00 FF") << 2 << 0.0;
        QTest::newRow("no decimals") << hexBytes("07 00 00") << 0 << 7.0;
        QTest::newRow("large price") << hexBytes("01 00 00 30 00") << 2 << 300000.01;
        QTest::newRow("bad nibble adds its value") << hexBytes("0A 00") << 0 << 10.0;
    }

    void bcdToValue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QCOMPARE(QString::asprintf("%0.2f", double(translation::bcdToValue(bytes.constData(), bytes.size(), decimals))),
            QString::asprintf("%0.2f", value));
    }

    void valueToBcd_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("12.5") << 12.5 << 5 << 2 << hexBytes("50 12 00 00 00");
        QTest::newRow("7") << 7.0 << 3 << 0 << hexBytes("07 00 00");
        QTest::newRow("12.345 drops a decimal") << 12.345 << 3 << 2 << hexBytes("34 12 00");
        QTest::newRow("19.99") << 19.99 << 3 << 2 << hexBytes("99 19 00");
        QTest::newRow("0.29") << 0.29 << 3 << 2 << hexBytes("29 00 00");
        QTest::newRow("leading digits lost") << 987654321.0 << 3 << 0 << hexBytes("21 43 65");
        QTest::newRow("odd digit count") << 123.0 << 2 << 0 << hexBytes("23 01");
        QTest::newRow("ten digits") << 99999999.99 << 5 << 2 << hexBytes("99 99 99 99 99");
        QTest::newRow("zero") << 0.0 << 2 << 2 << hexBytes("00 00");
        QTest::newRow("huge value is capped") << 1e20 << 2 << 0 << hexBytes("07 58");
    }

    void valueToBcd()
    {
        QFETCH(double, value);
        QFETCH(int, length);
        QFETCH(int, decimals);
        QFETCH(QByteArray, bytes);
        QByteArray dest(length + 2, char(0xEE));
        translation::valueToBcd(dest.data(), length, value, decimals);
        QCOMPARE(dest.left(length), bytes);
        // Nothing is written past the field.
        QCOMPARE(dest.mid(length), QByteArray(2, char(0xEE)));
    }

    void bcdToDigits()
    {
        QCOMPARE(translation::bcdToDigits(hexBytes("56 34 02").constData(), 3), QByteArray("23456"));
        QCOMPARE(translation::bcdToDigits(hexBytes("07 00").constData(), 2), QByteArray("7"));
        QCOMPARE(translation::bcdToDigits(hexBytes("00 00 00").constData(), 3), QByteArray());
        QCOMPARE(translation::bcdToDigits(hexBytes("34 12 00 50 76 98 00").constData(), 7), QByteArray("987650001234"));
    }

    void optionBits()
    {
        QCOMPARE(translation::bitsFromText(QStringLiteral("10000001")), quint8(0x81));
        QCOMPARE(translation::bitsFromText(QStringLiteral("00000000")), quint8(0));
        QCOMPARE(translation::bitsToText(0x05), QStringLiteral("00000101"));
        QCOMPARE(translation::bitsToText(0xFF), QStringLiteral("11111111"));
        // A shorter text reads as if padded with zeros on the left; nothing past eight counts.
        QCOMPARE(translation::bitsFromText(QStringLiteral("101")), quint8(0x05));
        QCOMPARE(translation::bitsFromText(QString()), quint8(0));
        QCOMPARE(translation::bitsFromText(QStringLiteral("100000011111")), quint8(0x81));
        for (int value = 0; value < 256; ++value)
            QCOMPARE(translation::bitsFromText(translation::bitsToText(quint8(value))), quint8(value));
    }

    void addresses()
    {
        char ip[4] = { 9, 9, 9, 9 };
        QCOMPARE(translation::textToIp(ip, QStringLiteral("192.168.1.10")), 0);
        QCOMPARE(QByteArray(ip, 4), hexBytes("C0 A8 01 0A"));
        QCOMPARE(translation::ipToText(ip), QStringLiteral("192.168.1.10"));
        QCOMPARE(translation::textToIp(ip, QStringLiteral("10.0.0.300")), 0);
        QCOMPARE(uchar(ip[3]), uchar(44));
        {
            LogCapture log;
            QCOMPARE(translation::textToIp(ip, QStringLiteral("1.2.3.4.5")), -1);
            QCOMPARE(QByteArray(ip, 4), hexBytes("0A 00 00 2C"));
            QVERIFY(log.contains(QStringLiteral("ip format is err!---> \"1.2.3.4.5\"")));
        }
        QCOMPARE(translation::textToIp(ip, QStringLiteral("7.8")), 0);
        QCOMPARE(QByteArray(ip, 4), hexBytes("07 08 00 2C"));
    }

    void keys()
    {
        char key[32];
        std::memset(key, 0x5A, sizeof key);
        const QByteArray good = QByteArray("00112233445566778899AABBCCDDEEFF").repeated(2);
        QCOMPARE(translation::hexKeyToBytes(key, good, good.size()), 0);
        QCOMPARE(QByteArray(key, 32), QByteArray::fromHex(good));
        QCOMPARE(translation::bytesToHex(key, 32), good);

        QCOMPARE(translation::hexKeyToBytes(key, "0a", 2), -1);
        QCOMPARE(translation::hexKeyToBytes(key, "0011223344556677", 16), -1);
        QCOMPARE(QByteArray(key, 32), QByteArray::fromHex(good));
        QCOMPARE(translation::hexKeyToBytes(key, "", 0), 0);
        QCOMPARE(QByteArray(key, 32), QByteArray(32, 0));
    }

    void hexSpaced()
    {
        QCOMPARE(translation::hexSpaced(hexBytes("01 AB FF")), QByteArray("01 AB FF"));
        QCOMPARE(translation::hexSpaced(QByteArray()), QByteArray());
    }

    void crc16()
    {
        QCOMPARE(translation::crc16(QByteArray("123456789")), quint16(0x4B37));
        QCOMPARE(translation::crc16(hexBytes("08 00 09 00")), quint16(0x1404));
        QCOMPARE(translation::crc16(hexBytes("04 00 21 00")), quint16(0x4419));
        QCOMPARE(translation::crc16(QByteArray()), quint16(0xFFFF));
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            QByteArray data(int(random.bounded(300)), 0);
            for (char& byte : data)
                byte = char(random.bounded(256));
            QCOMPARE(translation::crc16(data), referenceCrc(data));
        }
    }

    void reverseBits()
    {
        QCOMPARE(translation::reverseBits(0x01), quint8(0x80));
        QCOMPARE(translation::reverseBits(0xF0), quint8(0x0F));
        QCOMPARE(translation::reverseBits(0xA5), quint8(0xA5));
        QCOMPARE(translation::reverseBits(0x12), quint8(0x48));
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
