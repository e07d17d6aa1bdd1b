#include "records/translation.h"

#include "records/recordslog.h"

#include <QStringList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Q_LOGGING_CATEGORY(lcRecords, "tallvane.records", QtInfoMsg)

namespace {

// The MODBUS CRC tables: entry i is the reflected CRC (polynomial 0xA001) of the byte i,
// split into its high and its low byte.
struct CrcTables {
    std::array<quint8, 256> hi {};
    std::array<quint8, 256> lo {};
};

constexpr CrcTables makeCrcTables()
{
    CrcTables tables;
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        tables.hi[i] = quint8(crc >> 8);
        tables.lo[i] = quint8(crc & 0xFF);
    }
    return tables;
}

constexpr CrcTables kCrc = makeCrcTables();
static_assert(kCrc.hi[1] == 0xC0 && kCrc.lo[1] == 0xC1, "MODBUS CRC table");

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

long double translation::bcdToValue(const char* bytes, int count, int decimals)
{
    if (count <= 0 || uchar(bytes[count - 1]) == 0xFF)
        return 0;
    long double value = 0;
    for (int i = count - 1; i >= 0; --i) {
        const uchar b = uchar(bytes[i]);
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    for (int i = 0; i < decimals; ++i)
        value /= 10;
    return value;
}

qint64 translation::toUnits(long double value, int decimals)
{
    if (value < 0)
        value = -value;
    // Printing with spare decimals first absorbs the binary representation error
    // (19.99 is stored as 19.98999...), then the text is cut after `decimals` places.
    char text[128];
    std::snprintf(text, sizeof text, "%.*Lf", decimals + 6, value);
    char digits[128];
    int n = 0;
    int afterPoint = -1;
    for (const char* p = text; *p && n < int(sizeof digits) - 1; ++p) {
        if (*p == '.') {
            afterPoint = 0;
            continue;
        }
        if (afterPoint >= 0 && afterPoint++ >= decimals)
            break;
        digits[n++] = *p;
    }
    digits[n] = 0;
    return std::strtoll(digits, nullptr, 10);
}

void translation::unitsToBcd(char* dest, int length, qint64 units)
{
    char text[64] = {};
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(units < 0 ? -units : units));
    qCDebug(lcRecords) << text;
    char packed[64] = {};
    int byte = 0;
    for (int pos = int(std::strlen(text)) - 1; pos >= 0 && byte < int(sizeof packed); pos -= 2, ++byte) {
        quint8 value = quint8(text[pos] & 0x0F);
        if (pos > 0)
            value |= quint8((text[pos - 1] & 0x0F) << 4);
        packed[byte] = char(value);
    }
    std::memcpy(dest, packed, qBound(0, length, int(sizeof packed)));
}

void translation::valueToBcd(char* dest, int length, long double value, int decimals)
{
    unitsToBcd(dest, length, toUnits(value, decimals));
}

void translation::bcdToDigits(char* dest, const char* bytes, int count)
{
    int i = count - 1;
    while (i >= 0 && bytes[i] == 0)
        --i;
    if (i < 0)
        return;
    const uchar first = uchar(bytes[i]);
    if (first < 0x10) {
        *dest++ = char((first & 0x0F) | 0x30);
    } else {
        *dest++ = char((first >> 4) | 0x30);
        *dest++ = char((first & 0x0F) | 0x30);
    }
    for (--i; i >= 0; --i) {
        const uchar b = uchar(bytes[i]);
        *dest++ = char((b >> 4) | 0x30);
        *dest++ = char((b & 0x0F) | 0x30);
    }
}

QByteArray translation::bcdToDigits(const char* bytes, int count)
{
    QByteArray digits(2 * count + 1, 0);
    bcdToDigits(digits.data(), bytes, count);
    digits.truncate(int(qstrlen(digits.constData())));
    return digits;
}

QString translation::bitsToText(quint8 value)
{
    QString text;
    text.reserve(8);
    for (int bit = 7; bit >= 0; --bit)
        text += (value & (1 << bit)) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

quint8 translation::bitsFromText(const QByteArray& text)
{
    // Character 7-i holds bit i. A shorter text counts as if padded with '0' on the left,
    // so "101" is 0x05; characters after the eighth are not read.
    const int length = int(text.size());
    quint8 value = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int pos = length >= 8 ? 7 - bit : length - 1 - bit;
        if (pos >= 0 && text.at(pos) != '0')
            value |= quint8(1 << bit);
    }
    return value;
}

quint8 translation::bitsFromText(const QString& text) { return bitsFromText(text.toLatin1()); }

QString translation::ipToText(const char* bytes)
{
    return QString::asprintf("%d.%d.%d.%d", uchar(bytes[0]), uchar(bytes[1]), uchar(bytes[2]), uchar(bytes[3]));
}

int translation::textToIp(char* dest, const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() > 4) {
        qCDebug(lcRecords) << "ip format is err!--->" << text;
        return -1;
    }
    for (int i = 0; i < parts.size(); ++i)
        dest[i] = char(parts.at(i).toInt(nullptr, 10) & 0xFF);
    return 0;
}

int translation::hexKeyToBytes(char* dest, const QByteArray& text, int length)
{
    char key[32] = {};
    const int count = qMin(int(static_cast<signed char>(length & 0xFF)), 32);
    for (int i = 0; i < count; ++i) {
        const int high = 2 * i < text.size() ? hexValue(text.at(2 * i)) : -1;
        const int low = 2 * i + 1 < text.size() ? hexValue(text.at(2 * i + 1)) : -1;
        if (high < 0 || low < 0) {
            std::fputs("AES KEY is error\n", stdout);
            std::fflush(stdout);
            return -1;
        }
        key[i] = char(high * 16 + low);
    }
    std::memcpy(dest, key, sizeof key);
    return 0;
}

QByteArray translation::bytesToHex(const char* bytes, int count)
{
    return QByteArray(bytes, qMax(0, count)).toHex().toUpper();
}

QByteArray translation::hexSpaced(const QByteArray& bytes) { return bytes.toHex(' ').toUpper(); }

quint16 translation::crc16(const char* bytes, int length)
{
    quint8 hi = 0xFF, lo = 0xFF;
    const int count = length & 0xFFFF;
    for (int i = 0; i < count; ++i) {
        const quint8 index = lo ^ quint8(bytes[i]);
        lo = hi ^ kCrc.lo[index];
        hi = kCrc.hi[index];
    }
    return quint16((hi << 8) | lo);
}

quint8 translation::reverseBits(quint8 value)
{
    quint8 result = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1 << bit))
            result |= quint8(1 << (7 - bit));
    return result;
}
