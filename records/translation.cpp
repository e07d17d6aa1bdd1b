#include "records/translation.h"

#include "records/recordslog.h"

#include <QStringList>

#include <array>
#include <cmath>
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

// No packed field holds more than 16 digits: a decimal text keeps the last 17 digits of its
// units, so that one too long for its field loses its leading digits (as packing it does)
// and never overflows on the way.
constexpr qint64 kUnitModulus = 100000000000000000LL;

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
    // The value comes from a double: its decimal form is good to 15 significant digits.
    // Printing it rounded there first absorbs the binary representation error (19.99 is
    // stored as 19.98999...), then the text is cut after `decimals` places.
    int integerDigits = value >= 1 ? int(std::floor(std::log10(double(value)))) + 1 : 0;
    const int printed = qMax(decimals, 15 - integerDigits);
    char text[512];
    std::snprintf(text, sizeof text, "%.*Lf", printed, value);
    char digits[512];
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

qint64 translation::cellToUnits(const QString& text, int decimals)
{
    const QStringView view = QStringView(text).trimmed();
    qint64 units = 0;
    int afterPoint = -1;
    bool digits = false;
    for (const QChar ch : view) {
        if (ch == QLatin1Char('.') && afterPoint < 0) {
            afterPoint = 0;
            continue;
        }
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            bool ok = false;
            const double value = view.toDouble(&ok);
            return ok ? toUnits(value, decimals) : 0;
        }
        digits = true;
        if (afterPoint >= 0 && afterPoint++ >= decimals)
            continue;
        units = (units * 10 + (ch.unicode() - '0')) % kUnitModulus;
    }
    if (!digits)
        return 0;
    for (int i = qMax(afterPoint, 0); i < decimals; ++i)
        units = units * 10 % kUnitModulus;
    return units;
}

qint64 translation::bcdToUnits(const char* bytes, int count)
{
    if (count <= 0 || uchar(bytes[count - 1]) == 0xFF)
        return 0;
    qint64 units = 0;
    for (int i = count - 1; i >= 0; --i) {
        const uchar b = uchar(bytes[i]);
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return units;
}

QString translation::unitsToText(qint64 units, int decimals)
{
    char16_t text[48];
    int end = int(std::size(text));
    int pos = end;
    quint64 value = units < 0 ? quint64(-units) : quint64(units);
    for (int digit = 0; value != 0 || digit <= decimals; ++digit) {
        if (digit == decimals && decimals > 0)
            text[--pos] = u'.';
        text[--pos] = char16_t(u'0' + value % 10);
        value /= 10;
    }
    if (units < 0)
        text[--pos] = u'-';
    return QString(reinterpret_cast<const QChar*>(text + pos), end - pos);
}

QString translation::smallNumber(int value)
{
    static const std::array<QString, 257> numbers = [] {
        std::array<QString, 257> list;
        for (int i = 0; i < 257; ++i)
            list[i] = QString::number(i);
        return list;
    }();
    return value >= 0 && value < 257 ? numbers[value] : QString::number(value);
}

void translation::unitsToBcd(char* dest, int length, qint64 units)
{
    quint64 value = units < 0 ? quint64(-units) : quint64(units);
    qCDebug(lcRecords) << QByteArray::number(value);
    // Two digits per byte from the right, the last digit in the low nibble of byte 0.
    char packed[16] = {};
    for (int byte = 0; value != 0; ++byte) {
        packed[byte] = char((value % 10) | ((value / 10 % 10) << 4));
        value /= 100;
    }
    std::memcpy(dest, packed, qBound(0, length, int(sizeof packed)));
    if (length > int(sizeof packed))
        std::memset(dest + sizeof packed, 0, length - sizeof packed);
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
    // One shared text per byte value: decoding a large table allocates none of them.
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> list;
        for (int v = 0; v < 256; ++v) {
            char16_t bits[8];
            for (int bit = 7; bit >= 0; --bit)
                bits[7 - bit] = (v & (1 << bit)) ? u'1' : u'0';
            list[v] = QString(reinterpret_cast<const QChar*>(bits), 8);
        }
        return list;
    }();
    return texts[value];
}

namespace {
template <typename Text> quint8 bitsOf(const Text& text)
{
    // Character 7-i holds bit i. A shorter text counts as if padded with '0' on the left,
    // so "101" is 0x05; characters after the eighth are not read.
    const int length = int(text.size());
    quint8 value = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int pos = length >= 8 ? 7 - bit : length - 1 - bit;
        if (pos >= 0 && text[pos] != '0')
            value |= quint8(1 << bit);
    }
    return value;
}
} // namespace

quint8 translation::bitsFromText(const QByteArray& text) { return bitsOf(text); }

quint8 translation::bitsFromText(const QString& text) { return bitsOf(QStringView(text)); }

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
