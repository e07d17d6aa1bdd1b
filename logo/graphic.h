#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>

// The receipt logo: a picture brought to the logo size as a one-bit image, packed into the
// register's logo format (a 16-byte header, then the rows, most significant bit first) and
// cut into the chunks that the serial carrier sends. The logo size and the last packing are
// process-wide; they are read and changed from one thread (the GUI thread in the program),
// and the chunks reach the link in a send request (SendRequest::logoChunks).
class Graphic : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr int kHeaderSize = 16;
    static constexpr int kChunkSize = 200;
    // Largest width x height the logo page accepts, and the largest packed logo the
    // register takes.
    static constexpr int kMaxPixels = 40967;
    // The widest logo: the printer's line of dots (the logo page's width box stops there).
    static constexpr int kMaxWidth = 384;
    static constexpr int kMaxPackedLength = 4016;

    // The logo size: 192 x 64 at start, always a multiple of 32 by a multiple of 8.
    static QSize logoSize();
    static int logoWidth() { return logoSize().width(); }
    static int logoHeight() { return logoSize().height(); }
    static void setLogoSize(const QSize& size);

    // A custom size brought to the nearest multiple of 32 by the nearest multiple of 8
    // (a remainder of 16 rounds a width up, of 4 a height up); may give 0.
    static QSize roundedSize(int width, int height);
    // True for a size of at least one pixel each way, at most kMaxWidth wide and at most
    // kMaxPixels pixels.
    static bool sizeAllowed(const QSize& size);
    // The picture at `path`; null, with the reason in `error`, when it cannot be read whole (a
    // JPEG cut short reads as a picture with its lower part grey).
    static QImage readPicture(const QString& path, QString* error);
    // Bytes that a logo of `size` packs to.
    static int packedLengthFor(const QSize& size) { return kHeaderSize + size.width() / 8 * size.height(); }

    // How a picture covers the logo: as large as it fits with its proportions kept, centred on
    // paper, or stretched to the whole logo.
    enum class Placement { Fit, Stretch };

    // `picture` brought to `size` as `placement` says (fast scaling) and dithered to one bit
    // per pixel, least significant bit first, with white (paper) as colour 0 and black (a
    // printed dot) as colour 1. Transparent parts count as paper. Null for a null picture.
    static QImage monochrome(const QImage& picture, const QSize& size, Placement placement);

    // Packs a one-bit image of the logo size (either bit order; a pixel's bit is its colour
    // index) into the packed logo and its chunk list. False, with the previous packing kept,
    // for an image of another format or size.
    static bool packLogo(const QImage& image);
    // Consecutive pieces of `size` bytes (at most 1024), the last one holding the rest.
    static QList<QByteArray> splitIntoChunks(const QByteArray& bytes, int size);

    // The last packing: header plus bitmap, its length (0 before the first) and its chunks
    // ("UCO", the packed logo in pieces of kChunkSize, "UCA").
    static QByteArray packedLogo();
    static int packedLength() { return int(packedLogo().size()); }
    static QList<QByteArray> dataList();

    // The bitmap of a packed logo as a one-bit image (colour 1 black), as the register
    // prints it; null when the header does not describe the bytes that follow it.
    static QImage unpackLogo(const QByteArray& packed);
    // Makes a packed logo (as a set keeps it) the last packing, and its size the logo size.
    // False, with nothing changed, when it does not unpack or its size is not one the logo
    // page makes (a multiple of 32 by a multiple of 8, at most kMaxPixels).
    static bool restoreLogo(const QByteArray& packed);

    // The open set keeps the packed logo as the one record of its logo table. `packed` empty
    // stores that the set has no logo. False when the set refuses it (lastDatabaseError()).
    static bool saveLogo(const QByteArray& packed);
    // The set's packed logo, empty when it keeps none; false when the table cannot be read.
    static bool loadLogo(QByteArray* packed);
};
