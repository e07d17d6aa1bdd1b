// packLogo with one-bit images of any size and either bit order, and unpackLogo (which the
// simulator runs on the chunks a peer sends) with any bytes.

#include "logo/graphic.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Graphic::unpackLogo(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (size < 5)
        return 0;
    const int width = ((data[0] | data[1] << 8) & 0x3FF) + 1;
    const int height = (data[2] | (data[3] & 0x01) << 8) + 1;
    const bool lsbFirst = data[4] & 1;
    QImage image(width, height, lsbFirst ? QImage::Format_MonoLSB : QImage::Format_Mono);
    if (image.isNull())
        return 0;
    const uint8_t* pixels = data + 5;
    const size_t available = size - 5;
    size_t at = 0;
    for (int y = 0; y < height && available; ++y) {
        uchar* line = image.scanLine(y);
        for (qsizetype x = 0; x < image.bytesPerLine(); ++x, ++at)
            line[x] = pixels[at % available];
    }
    // Usually the logo size, sometimes not: a picture of another size must be refused.
    Graphic::setLogoSize((data[4] & 2) ? QSize(width + 8, height) : QSize(width, height));
    if (Graphic::packLogo(image))
        Graphic::unpackLogo(Graphic::packedLogo());
    return 0;
}
