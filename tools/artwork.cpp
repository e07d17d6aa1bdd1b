// Draws the program's button pictures, tool-bar icons and application icon. Run at build time:
//   tallvane-artwork IMAGE_DIR ICON_DIR APPICON_DIR SIZE...
// IMAGE_DIR receives the pictures of the category and command buttons, ICON_DIR the
// tool-bar icons that are compiled into the program's resources, APPICON_DIR the application
// icon at each SIZE of the desktop's icon theme, as SIZExSIZE/tallvane.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

using Glyph = std::function<void(QPainter&, const QRectF&)>;

QPen pen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Pictograms, each drawn into `r` (a square) in white on the tile's colour.
void drawStack(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    for (int i = 0; i < 3; ++i) {
        QRectF box(r.left() + w * 0.12 + i * w * 0.1, r.top() + w * 0.18 + i * w * 0.18, w * 0.56, w * 0.26);
        p.setBrush(i == 2 ? QColor(255, 255, 255) : QColor(255, 255, 255, 150));
        p.drawRoundedRect(box, w * 0.04, w * 0.04);
    }
}

void drawShop(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    QRectF awning(r.left() + w * 0.1, r.top() + w * 0.16, w * 0.8, w * 0.22);
    p.setBrush(Qt::white);
    p.drawRect(awning);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(awning.left() + i * awning.width() / 4, awning.top()),
            QPointF(awning.left() + i * awning.width() / 4, awning.bottom()));
    p.drawRect(QRectF(r.left() + w * 0.16, awning.bottom(), w * 0.68, w * 0.46));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + w * 0.42, r.top() + w * 0.6, w * 0.16, w * 0.24));
}

void drawBarcode(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const int widths[] = { 2, 1, 3, 1, 1, 2, 1, 3, 2, 1, 1, 2 };
    qreal x = r.left() + w * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 12; ++i) {
        if (i % 2 == 0)
            p.drawRect(QRectF(x, r.top() + w * 0.18, widths[i] * w * 0.025, w * 0.56));
        x += widths[i] * w * 0.025 + w * 0.02;
    }
}

void drawPercent(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.left() + w * 0.18, r.top() + w * 0.16, w * 0.2, w * 0.2));
    p.drawEllipse(QRectF(r.left() + w * 0.6, r.top() + w * 0.6, w * 0.2, w * 0.2));
    p.drawLine(QPointF(r.left() + w * 0.78, r.top() + w * 0.16), QPointF(r.left() + w * 0.22, r.top() + w * 0.82));
}

void drawTag(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    QPainterPath tag;
    tag.moveTo(r.left() + w * 0.14, r.top() + w * 0.5);
    tag.lineTo(r.left() + w * 0.38, r.top() + w * 0.2);
    tag.lineTo(r.left() + w * 0.86, r.top() + w * 0.2);
    tag.lineTo(r.left() + w * 0.86, r.top() + w * 0.8);
    tag.lineTo(r.left() + w * 0.38, r.top() + w * 0.8);
    tag.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(tag);
    p.drawLine(QPointF(r.left() + w * 0.5, r.top() + w * 0.5), QPointF(r.left() + w * 0.74, r.top() + w * 0.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.left() + w * 0.34, r.top() + w * 0.5), w * 0.04, w * 0.04);
}

void drawPerson(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.center().x(), r.top() + w * 0.32), w * 0.15, w * 0.15);
    QPainterPath body;
    body.moveTo(r.left() + w * 0.2, r.top() + w * 0.86);
    body.cubicTo(r.left() + w * 0.2, r.top() + w * 0.5, r.left() + w * 0.8, r.top() + w * 0.5, r.left() + w * 0.8,
        r.top() + w * 0.86);
    body.closeSubpath();
    p.drawPath(body);
}

void drawReceipt(QPainter& p, const QRectF& r, bool top)
{
    const qreal w = r.width();
    QRectF paper(r.left() + w * 0.24, r.top() + w * 0.1, w * 0.52, w * 0.8);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(paper);
    for (int i = 0; i < 6; ++i) {
        const bool strong = top ? i < 2 : i > 3;
        p.setPen(pen(strong ? QColor(Qt::white) : QColor(255, 255, 255, 110), strong ? w * 0.06 : w * 0.03));
        const qreal y = paper.top() + paper.height() * (0.14 + i * 0.145);
        p.drawLine(QPointF(paper.left() + w * 0.07, y), QPointF(paper.right() - w * 0.07, y));
    }
}

void drawPicture(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    QRectF frame(r.left() + w * 0.12, r.top() + w * 0.2, w * 0.76, w * 0.6);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(frame.left() + w * 0.18, frame.top() + w * 0.16), w * 0.07, w * 0.07);
    QPainterPath hills;
    hills.moveTo(frame.left(), frame.bottom());
    hills.lineTo(frame.left() + w * 0.28, frame.top() + w * 0.28);
    hills.lineTo(frame.left() + w * 0.44, frame.top() + w * 0.42);
    hills.lineTo(frame.left() + w * 0.58, frame.top() + w * 0.22);
    hills.lineTo(frame.right(), frame.bottom());
    hills.closeSubpath();
    p.drawPath(hills);
}

void drawNetwork(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const QPointF hub(r.center().x(), r.top() + w * 0.5);
    const QPointF nodes[] = { { r.left() + w * 0.2, r.top() + w * 0.22 }, { r.left() + w * 0.8, r.top() + w * 0.22 },
        { r.left() + w * 0.2, r.top() + w * 0.8 }, { r.left() + w * 0.8, r.top() + w * 0.8 } };
    for (const QPointF& node : nodes)
        p.drawLine(hub, node);
    p.setBrush(Qt::white);
    p.drawEllipse(hub, w * 0.1, w * 0.1);
    for (const QPointF& node : nodes)
        p.drawEllipse(node, w * 0.07, w * 0.07);
}

void drawGear(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const QPointF c = r.center();
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal angle = i * M_PI / teeth;
        const qreal radius = (i % 2 == 0) ? w * 0.38 : w * 0.29;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, w * 0.12, w * 0.12);
    p.setBrush(Qt::white);
    p.drawPath(gear.subtracted(hole));
}

void drawKey(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.left() + w * 0.32, r.top() + w * 0.5), w * 0.16, w * 0.16);
    p.drawLine(QPointF(r.left() + w * 0.48, r.top() + w * 0.5), QPointF(r.left() + w * 0.86, r.top() + w * 0.5));
    p.drawLine(QPointF(r.left() + w * 0.76, r.top() + w * 0.5), QPointF(r.left() + w * 0.76, r.top() + w * 0.66));
    p.drawLine(QPointF(r.left() + w * 0.64, r.top() + w * 0.5), QPointF(r.left() + w * 0.64, r.top() + w * 0.62));
}

// A category button: a coloured tile with its pictogram above the room where the window
// writes the category's name in the display language.
QImage categoryTile(const QColor& colour, const Glyph& glyph)
{
    const int size = 100;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(115));
    p.setPen(pen(colour.darker(150), 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 14, 14);
    p.setPen(pen(Qt::white, 5));
    glyph(p, QRectF(22, 8, 56, 56));
    return image;
}

// A command button picture: a light face with a small pictogram, at the left when the window
// writes the button's word beside it (`captioned`), else in the middle.
QImage commandFace(const QSize& size, const QColor& accent, bool captioned, const Glyph& glyph)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(252, 252, 252));
    fill.setColorAt(1, QColor(222, 226, 232));
    p.setPen(pen(QColor(140, 146, 156), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    const qreal g = qMin(size.height() - 8, 20);
    p.setPen(pen(accent, qMax<qreal>(1.6, g / 9)));
    const qreal left = captioned ? 5 : (size.width() - g) / 2;
    glyph(p, QRectF(left, (size.height() - g) / 2, g, g));
    return image;
}

// Small glyphs for command buttons and tool-bar icons, drawn with the current pen.
void gArrowRight(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.left() + r.width() * 0.1, r.center().y()), QPointF(r.right() - r.width() * 0.1, r.center().y()));
    p.drawLine(QPointF(r.right() - r.width() * 0.1, r.center().y()), QPointF(r.center().x() + r.width() * 0.1, r.top() + r.height() * 0.2));
    p.drawLine(QPointF(r.right() - r.width() * 0.1, r.center().y()), QPointF(r.center().x() + r.width() * 0.1, r.bottom() - r.height() * 0.2));
}

void gArrowLeft(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.right() - r.width() * 0.1, r.center().y()), QPointF(r.left() + r.width() * 0.1, r.center().y()));
    p.drawLine(QPointF(r.left() + r.width() * 0.1, r.center().y()), QPointF(r.center().x() - r.width() * 0.1, r.top() + r.height() * 0.2));
    p.drawLine(QPointF(r.left() + r.width() * 0.1, r.center().y()), QPointF(r.center().x() - r.width() * 0.1, r.bottom() - r.height() * 0.2));
}

void gArrowUp(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.center().x(), r.bottom() - r.height() * 0.1), QPointF(r.center().x(), r.top() + r.height() * 0.1));
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.1), QPointF(r.left() + r.width() * 0.2, r.center().y() - r.height() * 0.1));
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.1), QPointF(r.right() - r.width() * 0.2, r.center().y() - r.height() * 0.1));
}

void gArrowDown(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.1), QPointF(r.center().x(), r.bottom() - r.height() * 0.1));
    p.drawLine(QPointF(r.center().x(), r.bottom() - r.height() * 0.1), QPointF(r.left() + r.width() * 0.2, r.center().y() + r.height() * 0.1));
    p.drawLine(QPointF(r.center().x(), r.bottom() - r.height() * 0.1), QPointF(r.right() - r.width() * 0.2, r.center().y() + r.height() * 0.1));
}

void gPlus(QPainter& p, const QRectF& r)
{
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.15), QPointF(r.center().x(), r.bottom() - r.height() * 0.15));
    p.drawLine(QPointF(r.left() + r.width() * 0.15, r.center().y()), QPointF(r.right() - r.width() * 0.15, r.center().y()));
}

void gCross(QPainter& p, const QRectF& r)
{
    const QRectF s = r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2);
    p.drawLine(s.topLeft(), s.bottomRight());
    p.drawLine(s.topRight(), s.bottomLeft());
}

void gCycle(QPainter& p, const QRectF& r)
{
    const QRectF s = r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    p.setBrush(Qt::NoBrush);
    p.drawArc(s, 30 * 16, 280 * 16);
    const QPointF end(s.center().x() + s.width() / 2 * std::cos(30 * M_PI / 180), s.center().y() - s.height() / 2 * std::sin(30 * M_PI / 180));
    p.drawLine(end, end + QPointF(-r.width() * 0.2, -r.height() * 0.02));
    p.drawLine(end, end + QPointF(r.width() * 0.02, -r.height() * 0.22));
}

void gFolder(QPainter& p, const QRectF& r)
{
    QPainterPath folder;
    folder.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.25);
    folder.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.25);
    folder.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.35);
    folder.lineTo(r.right() - r.width() * 0.08, r.top() + r.height() * 0.35);
    folder.lineTo(r.right() - r.width() * 0.08, r.bottom() - r.height() * 0.18);
    folder.lineTo(r.left() + r.width() * 0.08, r.bottom() - r.height() * 0.18);
    folder.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(folder);
}

void gDisk(QPainter& p, const QRectF& r)
{
    const QRectF s = r.adjusted(r.width() * 0.14, r.height() * 0.14, -r.width() * 0.14, -r.height() * 0.14);
    p.setBrush(Qt::NoBrush);
    p.drawRect(s);
    p.drawRect(QRectF(s.left() + s.width() * 0.22, s.top(), s.width() * 0.5, s.height() * 0.32));
    p.drawRect(QRectF(s.left() + s.width() * 0.18, s.top() + s.height() * 0.58, s.width() * 0.64, s.height() * 0.42));
}

void gPage(QPainter& p, const QRectF& r)
{
    const QRectF s = r.adjusted(r.width() * 0.2, r.height() * 0.1, -r.width() * 0.2, -r.height() * 0.1);
    p.setBrush(Qt::NoBrush);
    p.drawRect(s);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(s.left() + s.width() * 0.2, s.top() + s.height() * i / 4.5),
            QPointF(s.right() - s.width() * 0.2, s.top() + s.height() * i / 4.5));
}

void gNew(QPainter& p, const QRectF& r)
{
    gPage(p, r.adjusted(0, 0, -r.width() * 0.15, 0));
    gPlus(p, QRectF(r.center().x(), r.center().y(), r.width() * 0.5, r.height() * 0.5));
}

void gInsertRow(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.12, r.width() * 0.6, r.height() * 0.22));
    p.drawRect(QRectF(r.left() + r.width() * 0.3, r.bottom() - r.height() * 0.34, r.width() * 0.6, r.height() * 0.22));
    gArrowRight(p, QRectF(r.left(), r.center().y() - r.height() * 0.15, r.width() * 0.45, r.height() * 0.3));
}

void gIntoRegister(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.2, r.width() * 0.45, r.height() * 0.6));
    gArrowRight(p, QRectF(r.left(), r.top() + r.height() * 0.3, r.width() * 0.62, r.height() * 0.4));
}

void gFromRegister(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.2, r.width() * 0.45, r.height() * 0.6));
    gArrowLeft(p, QRectF(r.left(), r.top() + r.height() * 0.3, r.width() * 0.62, r.height() * 0.4));
}

QImage toolIcon(const QColor& colour, const Glyph& glyph)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen(colour, 2.6));
    glyph(p, QRectF(2, 2, 28, 28));
    return image;
}

// The application icon: a cash register (display, keys, drawer) on a rounded tile, drawn for
// each size so that small icons stay sharp (the keys become one block below 32 pixels).
QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal margin = s >= 32 ? s * 0.06 : 0.5;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    QLinearGradient fill(0, 0, 0, s);
    fill.setColorAt(0, QColor(0x3f, 0x8f, 0xd8));
    fill.setColorAt(1, QColor(0x1f, 0x5a, 0x9e));
    p.setPen(s >= 32 ? pen(QColor(0x17, 0x45, 0x7a), s / 64) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);

    const QColor paper(255, 255, 255), ink(0x1f, 0x5a, 0x9e);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    // Display on its post, body, drawer.
    p.drawRect(QRectF(s * 0.56, s * 0.18, s * 0.24, s * 0.14));
    p.drawRect(QRectF(s * 0.64, s * 0.30, s * 0.08, s * 0.08));
    const QRectF body(s * 0.18, s * 0.38, s * 0.64, s * 0.30);
    p.drawRoundedRect(body, s * 0.03, s * 0.03);
    p.drawRect(QRectF(s * 0.12, s * 0.70, s * 0.76, s * 0.14));
    p.setBrush(ink);
    if (size >= 32) {
        const qreal key = s * 0.075, gap = s * 0.045;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                p.drawRect(QRectF(body.left() + gap + column * (key + gap) + s * 0.02,
                    body.top() + gap + row * (key * 0.6 + gap * 0.6), key, key * 0.6));
        p.drawRect(QRectF(s * 0.42, s * 0.755, s * 0.16, s * 0.03));
    } else {
        p.drawRect(
            QRectF(body.left() + s * 0.1, body.top() + s * 0.08, body.width() - s * 0.2, body.height() - s * 0.16));
    }
    return image;
}

bool save(const QImage& image, const QString& path, QTextStream& err)
{
    if (image.save(path))
        return true;
    err << "cannot write " << path << "\n";
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 5) {
        err << "usage: tallvane-artwork IMAGE_DIR ICON_DIR APPICON_DIR SIZE...\n";
        return 2;
    }
    const QString imageDir = QString::fromLocal8Bit(argv[1]);
    const QString iconDir = QString::fromLocal8Bit(argv[2]);
    const QString appIconDir = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(imageDir);
    QDir().mkpath(iconDir);

    bool ok = true;
    const struct {
        const char* file;
        QColor colour;
        Glyph glyph;
    } tiles[] = {
        { "group.ico", QColor(0x3b, 0x7d, 0xd8), drawStack },
        { "Dept.ico", QColor(0x2e, 0x9e, 0x6a), drawShop },
        { "PLU.ico", QColor(0x55, 0x5f, 0x70), drawBarcode },
        { "Tax.ico", QColor(0xd0, 0x6a, 0x1e), drawPercent },
        { "Disc.ico", QColor(0xc2, 0x3b, 0x4f), drawTag },
        { "Clerk.ico", QColor(0x7a, 0x4f, 0xc4), drawPerson },
        { "TH.ico", QColor(0x1f, 0x8a, 0x9c), [](QPainter& p, const QRectF& r) { drawReceipt(p, r, true); } },
        { "TR.ico", QColor(0x1f, 0x6f, 0x9c), [](QPainter& p, const QRectF& r) { drawReceipt(p, r, false); } },
        { "graphic.ico", QColor(0xb0, 0x8a, 0x12), drawPicture },
        { "Net.ico", QColor(0x20, 0x7f, 0x4a), drawNetwork },
        { "System.ico", QColor(0x4a, 0x55, 0x68), drawGear },
        { "admin.ico", QColor(0x8a, 0x2c, 0x2c), drawKey },
    };
    for (const auto& tile : tiles)
        ok &= save(categoryTile(tile.colour, tile.glyph),
            imageDir + QLatin1Char('/') + QLatin1String(tile.file), err);

    const QColor blue(0x2a, 0x62, 0xb8), green(0x2e, 0x8b, 0x57), red(0xb8, 0x32, 0x32), grey(0x50, 0x58, 0x66);
    const struct {
        const char* file;
        QSize size;
        QColor accent;
        bool captioned;
        Glyph glyph;
    } faces[] = {
        { "install.png", QSize(80, 40), green, true, gIntoRegister },
        { "download.png", QSize(80, 40), blue, true, gFromRegister },
        { "refresh.png", QSize(25, 25), blue, false, gCycle },
        { "openfile.png", QSize(80, 30), blue, true, gFolder },
        { "savefile.png", QSize(80, 30), blue, true, gDisk },
        { "add.png", QSize(80, 30), green, true, gPlus },
        { "update.png", QSize(80, 30), blue, true, gCycle },
        { "delete.png", QSize(80, 30), red, true, gCross },
        { "return.png", QSize(80, 30), grey, true, gArrowLeft },
    };
    for (const auto& face : faces)
        ok &= save(commandFace(face.size, face.accent, face.captioned, face.glyph),
            imageDir + QLatin1Char('/') + QLatin1String(face.file), err);

    // The serial button carries its own bold text, so its picture is a plain face.
    ok &= save(commandFace(QSize(100, 30), grey, false, [](QPainter&, const QRectF&) {}),
        imageDir + QStringLiteral("/openseial.png"), err);

    const struct {
        const char* file;
        QColor colour;
        Glyph glyph;
    } icons[] = {
        { "new.ico", grey, gNew },
        { "open.ico", blue, gFolder },
        { "save.ico", blue, gDisk },
        { "install.ico", green, gArrowUp },
        { "import.ico", blue, gArrowDown },
        { "update.ico", blue, gCycle },
        { "add.ico", green, gPlus },
        { "delete.ico", red, gCross },
        { "insect.ico", grey, gInsertRow },
    };
    for (const auto& icon : icons)
        ok &= save(toolIcon(icon.colour, icon.glyph), iconDir + QLatin1Char('/') + QLatin1String(icon.file), err);

    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            err << "not an icon size: " << argv[i] << "\n";
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2").arg(appIconDir).arg(size);
        QDir().mkpath(folder);
        ok &= save(applicationIcon(size), folder + QStringLiteral("/tallvane.png"), err);
    }
    return ok ? 0 : 1;
}
