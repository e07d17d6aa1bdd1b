#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Conversions between the register's byte encodings and the texts and numbers of the item
// tables. Stateless and reentrant: safe from any thread.
class translation : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Packed BCD amount, least significant byte first; a last byte of 0xFF reads as 0.
    static long double bcdToValue(const char* bytes, int count, int decimals);
    // Packs `value` (cut to `decimals` decimals) into at most `length` bytes of `dest`.
    static void valueToBcd(char* dest, int length, long double value, int decimals);
    // Packs a whole number of units into at most `length` bytes; digits beyond them are lost.
    static void unitsToBcd(char* dest, int length, qint64 units);
    // Writes the decimal digits of a packed field, without leading zeros, to `dest`
    // (not terminated; at most 2 * count characters).
    static void bcdToDigits(char* dest, const char* bytes, int count);
    static QByteArray bcdToDigits(const char* bytes, int count);

    // Option bit strings: eight '0'/'1' characters, bit 7 first.
    static QString bitsToText(quint8 value);
    static quint8 bitsFromText(const QString& text);
    static quint8 bitsFromText(const QByteArray& text);

    static QString ipToText(const char* bytes);
    // 0, or -1 (and `dest` unchanged) for a text of more than four parts.
    static int textToIp(char* dest, const QString& text);

    // 32-byte key from upper-case hexadecimal pairs; 0, or -1 (and `dest` unchanged).
    static int hexKeyToBytes(char* dest, const QByteArray& text, int length);
    static QByteArray bytesToHex(const char* bytes, int count);
    // Upper-case hexadecimal with one blank between bytes ("01 AB FF"); used to log frames.
    static QByteArray hexSpaced(const QByteArray& bytes);

    // CRC-16/MODBUS; only the low 16 bits of `length` count.
    static quint16 crc16(const char* bytes, int length);
    static quint16 crc16(const QByteArray& bytes) { return crc16(bytes.constData(), bytes.size()); }
    static quint8 reverseBits(quint8 value);

    // `value` as a whole number of units of its `decimals`-th decimal place, further decimals
    // dropped (19.99 with 2 decimals is 1999, 12.345 is 1234). The sign is ignored.
    static qint64 toUnits(long double value, int decimals);
    // The same for a cell: a plain decimal text ("12.345") is read digit by digit, exactly;
    // anything else is read as a real number (0 when it is none). A decimal text keeps the
    // last 17 digits of its units, more than any packed field holds.
    static qint64 cellToUnits(const QString& text, int decimals);
    // A packed field as a whole number of units, with bcdToValue's rules (0xFF last byte: 0).
    static qint64 bcdToUnits(const char* bytes, int count);
    // Units of the `decimals`-th decimal place as text: 123456 with 2 decimals is "1234.56".
    static QString unitsToText(qint64 units, int decimals);
    // Decimal text of a number; the texts of 0 to 256 are shared, not allocated.
    static QString smallNumber(int value);
};
