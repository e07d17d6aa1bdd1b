#include "logo/graphic.h"

#include "records/recordslog.h"
#include "records/translation.h"
#include "storage/configdb.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstring>

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kDot = 0xFF000000;

struct LogoState {
    QSize size { 192, 64 };
    QByteArray packed;
    QList<QByteArray> chunks;
};

LogoState& state()
{
    static LogoState s;
    return s;
}

const QByteArray& startBlock()
{
    static const QByteArray block("UCO");
    return block;
}

const QByteArray& endBlock()
{
    static const QByteArray block("UCA");
    return block;
}

// The picture laid on white paper, so that transparent parts print nothing.
QImage onPaper(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            auto blend = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
            line[x] = qRgb(blend(qRed(pixel)), blend(qGreen(pixel)), blend(qBlue(pixel)));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

// `picture` at `size`: stretched, or fitted with its proportions and centred on paper.
QImage placed(const QImage& picture, const QSize& size, Graphic::Placement placement)
{
    if (placement == Graphic::Placement::Stretch)
        return onPaper(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    // A very narrow or flat picture keeps at least one pixel each way.
    const QSize fitted = picture.size().scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)).boundedTo(size);
    const QImage scaled = onPaper(picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::FastTransformation))
                              .convertToFormat(QImage::Format_RGB32);
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(kPaper);
    const int left = (size.width() - fitted.width()) / 2;
    const int top = (size.height() - fitted.height()) / 2;
    for (int y = 0; y < fitted.height(); ++y)
        std::memcpy(paper.scanLine(top + y) + left * 4, scaled.constScanLine(y), size_t(fitted.width()) * 4);
    return paper;
}

QByteArray hexRow(const char* bytes, int count)
{
    static const char digits[] = "0123456789abcdef";
    QByteArray text;
    text.reserve(count * 4);
    for (int i = 0; i < count; ++i) {
        const uchar byte = uchar(bytes[i]);
        text += "\\x";
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

quint32 le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// A BMP's pixel rows start at the offset the file header gives; an uncompressed picture
// needs every row, a compressed one the data size its header states. The reader fills
// rows it did not find with black.
bool bmpCutShort(const QByteArray& bytes)
{
    if (bytes.size() < 30)
        return true;
    const qint64 offset = le32(bytes, 10);
    const quint32 headerSize = le32(bytes, 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, dataSize = 0;
    if (headerSize == 12) {
        width = le16(bytes, 18);
        height = le16(bytes, 20);
        bits = le16(bytes, 24);
    } else {
        if (bytes.size() < 38)
            return true;
        width = qint32(le32(bytes, 18));
        height = qAbs(qint64(qint32(le32(bytes, 22))));
        bits = le16(bytes, 28);
        compression = le32(bytes, 30);
        dataSize = le32(bytes, 34);
    }
    // Uncompressed (0) and bit-field (3) rows are padded to four bytes; run-length data
    // (1, 2) has the size the header states.
    if (compression == 0 || compression == 3)
        dataSize = (width * bits + 31) / 32 * 4 * height;
    return offset + dataSize > bytes.size();
}

// A GIF is a chain of blocks ending in the trailer byte; a file that ends inside the chain
// lost the end of its last picture (the reader shows the missing part as background).
bool gifCutShort(const QByteArray& bytes)
{
    qint64 at = 13;
    if (bytes.size() < at)
        return true;
    const auto skipColourTable = [&](uchar flags) {
        if (flags & 0x80)
            at += 3 * (qint64(2) << (flags & 0x07));
    };
    const auto skipSubBlocks = [&] {
        while (at < bytes.size() && bytes.at(at) != 0)
            at += 1 + uchar(bytes.at(at));
        ++at;
    };
    skipColourTable(uchar(bytes.at(10)));
    while (at < bytes.size()) {
        const uchar block = uchar(bytes.at(at));
        if (block == 0x3B)
            return false;
        if (block == 0x21) {
            at += 2;
            skipSubBlocks();
        } else if (block == 0x2C) {
            if (at + 10 > bytes.size())
                return true;
            skipColourTable(uchar(bytes.at(at + 9)));
            at += 11;
            skipSubBlocks();
        } else {
            return false; // not a block the reader knows: leave the judgement to it
        }
    }
    return true;
}

} // namespace

QSize Graphic::logoSize()
{
    return state().size;
}

void Graphic::setLogoSize(const QSize& size)
{
    state().size = size;
}

QSize Graphic::roundedSize(int width, int height)
{
    const int wRest = width % 32;
    const int hRest = height % 8;
    width -= wRest;
    height -= hRest;
    if (wRest > 15)
        width += 32;
    if (hRest > 3)
        height += 8;
    return QSize(width, height);
}

bool Graphic::sizeAllowed(const QSize& size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxWidth
        && qint64(size.width()) * size.height() <= kMaxPixels;
}

QImage Graphic::readPicture(const QString& path, QString* error)
{
    QImageReader reader(path);
    const QByteArray format = reader.format().toLower();
    const QImage picture = reader.read();
    if (picture.isNull()) {
        *error = reader.errorString();
        return QImage();
    }
    // The readers accept a file cut short and fill what is missing, which would reach the
    // register as a half-blank logo. A whole JPEG ends its last scan with the end marker;
    // markers cannot occur inside the scan data, so an end before the last scan's start is a
    // thumbnail's.
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    bool cut = false;
    if (bytes.startsWith("\xFF\xD8"))
        cut = bytes.lastIndexOf("\xFF\xD9") < bytes.lastIndexOf("\xFF\xDA");
    else if (bytes.startsWith("BM") && format == "bmp")
        cut = bmpCutShort(bytes);
    else if (bytes.startsWith("GIF8") && format == "gif")
        cut = gifCutShort(bytes);
    if (cut) {
        *error = QCoreApplication::translate("Graphic", "the %1 file is cut short")
                     .arg(QString::fromLatin1(format.toUpper()));
        return QImage();
    }
    return picture;
}

QImage Graphic::monochrome(const QImage& picture, const QSize& size, Placement placement)
{
    if (picture.isNull() || size.isEmpty())
        return QImage();
    const QImage scaled = placed(picture, size, placement);
    // The toolkit's default conversion: automatic colour handling, diffuse dithering.
    QImage mono = scaled.convertToFormat(QImage::Format_MonoLSB);
    if (mono.colorCount() < 2)
        return QImage();
    // A picture that was one bit already keeps its colour table; the darker colour prints.
    if (qGray(mono.color(1)) > qGray(mono.color(0)))
        mono.invertPixels();
    mono.setColorTable({ kPaper, kDot });
    return mono;
}

bool Graphic::packLogo(const QImage& image)
{
    bool lsbFirst = false;
    if (image.format() == QImage::Format_MonoLSB) {
        qCDebug(lcRecords) << "image data is lsb";
        lsbFirst = true;
    } else if (image.format() == QImage::Format_Mono) {
        qCDebug(lcRecords) << "image data is msb";
    } else {
        return false;
    }
    const int w = image.width();
    const int h = image.height();
    qCDebug(lcRecords).nospace() << "width = " << w << ", height = " << h;
    const QSize size = logoSize();
    if (image.size() != size) {
        // The header describes the logo size; rows of another size would not match it.
        qCDebug(lcRecords) << "image size is not the logo size" << size;
        return false;
    }

    const int rowBytes = w / 8;
    QByteArray bitmap;
    bitmap.reserve(rowBytes * h);
    for (int y = 0; y < h; ++y) {
        const uchar* line = image.constScanLine(y);
        const int start = int(bitmap.size());
        for (int x = 0; x < rowBytes; ++x)
            bitmap.append(char(lsbFirst ? translation::reverseBits(line[x]) : line[x]));
        if (lcRecords().isDebugEnabled())
            qCDebug(lcRecords).noquote() << '"' + hexRow(bitmap.constData() + start, rowBytes) + '"';
    }
    const int count = int(bitmap.size());
    qCDebug(lcRecords) << "icount = " << count;

    QByteArray packed(kHeaderSize, '\0');
    qToLittleEndian<quint16>(quint16(size.width() / 8), packed.data());
    qToLittleEndian<quint16>(quint16(size.height()), packed.data() + 8);
    qToLittleEndian<quint32>(quint32(count), packed.data() + 12);
    packed += bitmap;
    state().packed = packed;

    QList<QByteArray> chunks = splitIntoChunks(startBlock(), kChunkSize);
    chunks += splitIntoChunks(packed, kChunkSize);
    chunks += splitIntoChunks(endBlock(), kChunkSize);
    qCDebug(lcRecords) << "DataList->size = " << chunks.size();
    state().chunks = chunks;
    return true;
}

QList<QByteArray> Graphic::splitIntoChunks(const QByteArray& bytes, int size)
{
    QList<QByteArray> chunks;
    if (size <= 0)
        return chunks;
    size = qMin(size, 1024);
    for (qsizetype at = 0; at < bytes.size(); at += size) {
        chunks.append(bytes.mid(at, size));
        qCDebug(lcRecords) << "itemdata->size = " << chunks.last().size();
    }
    return chunks;
}

QByteArray Graphic::packedLogo()
{
    return state().packed;
}

QList<QByteArray> Graphic::dataList()
{
    return state().chunks;
}

QImage Graphic::unpackLogo(const QByteArray& packed)
{
    if (packed.size() < kHeaderSize)
        return QImage();
    const int rowBytes = qFromLittleEndian<quint16>(packed.constData());
    const int rows = qFromLittleEndian<quint16>(packed.constData() + 8);
    const quint32 length = qFromLittleEndian<quint32>(packed.constData() + 12);
    if (rowBytes == 0 || rows == 0 || quint64(length) != quint64(rowBytes) * quint64(rows)
        || quint64(packed.size() - kHeaderSize) != length)
        return QImage();
    QImage image(rowBytes * 8, rows, QImage::Format_Mono);
    image.setColorTable({ kPaper, kDot });
    const char* bitmap = packed.constData() + kHeaderSize;
    for (int y = 0; y < rows; ++y)
        std::memcpy(image.scanLine(y), bitmap + y * rowBytes, size_t(rowBytes));
    return image;
}

bool Graphic::restoreLogo(const QByteArray& packed)
{
    const QImage image = unpackLogo(packed);
    const QSize size = image.size();
    if (image.isNull() || size.width() % 32 != 0 || size.height() % 8 != 0 || !sizeAllowed(size))
        return false;
    setLogoSize(size);
    return packLogo(image);
}

bool Graphic::saveLogo(const QByteArray& packed)
{
    QList<RecordEntry> entries;
    if (!packed.isEmpty())
        entries << RecordEntry::make("1", "logo", packed);
    return saveRecords(QStringLiteral("table_graphic"), entries);
}

bool Graphic::loadLogo(QByteArray* packed)
{
    QList<QByteArray> records;
    packed->clear();
    if (!loadRecords(QStringLiteral("table_graphic"), &records))
        return false;
    if (!records.isEmpty())
        *packed = records.first();
    return true;
}
