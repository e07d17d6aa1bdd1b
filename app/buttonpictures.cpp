#include "app/buttonpictures.h"

#include "app/applog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVariant>
#include <QtMath>

namespace ButtonPictures {

namespace {

// The words of the picture buttons, drawn over their pictures in the display language (the
// pictures carry only a pictogram).
const struct {
    const char* file;
    const char* word;
} kCaptions[] = {
    { "group.ico", QT_TRANSLATE_NOOP("ButtonCaption", "GROUP") },
    { "Dept.ico", QT_TRANSLATE_NOOP("ButtonCaption", "DEPT") },
    { "PLU.ico", QT_TRANSLATE_NOOP("ButtonCaption", "PLU") },
    { "Tax.ico", QT_TRANSLATE_NOOP("ButtonCaption", "TAX") },
    { "Disc.ico", QT_TRANSLATE_NOOP("ButtonCaption", "DISC") },
    { "Clerk.ico", QT_TRANSLATE_NOOP("ButtonCaption", "CLERK") },
    { "TH.ico", QT_TRANSLATE_NOOP("ButtonCaption", "HEADER") },
    { "TR.ico", QT_TRANSLATE_NOOP("ButtonCaption", "TRAILER") },
    { "graphic.ico", QT_TRANSLATE_NOOP("ButtonCaption", "LOGO") },
    { "Net.ico", QT_TRANSLATE_NOOP("ButtonCaption", "NETWORK") },
    { "System.ico", QT_TRANSLATE_NOOP("ButtonCaption", "SYSTEM") },
    { "admin.ico", QT_TRANSLATE_NOOP("ButtonCaption", "USERS") },
    //: Sends the page's table to the register(s)
    { "install.png", QT_TRANSLATE_NOOP("ButtonCaption", "Install") },
    //: Reads the page's table from the register
    { "download.png", QT_TRANSLATE_NOOP("ButtonCaption", "Download") },
    { "openfile.png", QT_TRANSLATE_NOOP("ButtonCaption", "Open") },
    //: Writes the page to a CSV file (not File > Save, which stores the page in the set)
    { "savefile.png", QT_TRANSLATE_NOOP("ButtonCaption", "Export") },
    //: Adds the selected PLUs to the register(s)
    { "add.png", QT_TRANSLATE_NOOP("ButtonCaption", "Add") },
    //: Updates the selected PLUs on the register(s)
    { "update.png", QT_TRANSLATE_NOOP("ButtonCaption", "Update") },
    //: Deletes the selected PLUs from the register(s)
    { "delete.png", QT_TRANSLATE_NOOP("ButtonCaption", "Delete") },
    //: Back to the category buttons
    { "return.png", QT_TRANSLATE_NOOP("ButtonCaption", "Back") },
};

// The smallest size at which a command button's word reads easily.
constexpr int kSmallestEasyPixels = 10;

// Where a command button's word begins: right of the pictogram at its left.
qreal captionLeft(qreal height) { return qMin<qreal>(height - 8, 20) + 9; }

const char* captionOf(const char* file)
{
    for (const auto& caption : kCaptions)
        if (qstrcmp(caption.file, file) == 0)
            return caption.word;
    return nullptr;
}

void drawLock(QPainter& painter, const QRectF& box)
{
    const qreal w = box.width();
    const QRectF body(box.left() + w * 0.15, box.top() + w * 0.45, w * 0.7, w * 0.5);
    const QRectF shackle(box.left() + w * 0.28, box.top() + w * 0.08, w * 0.44, w * 0.6);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), qMax<qreal>(1.5, w * 0.1)));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(shackle, 0, 180 * 16);
    painter.drawLine(QPointF(shackle.left(), shackle.center().y()), QPointF(shackle.left(), body.top()));
    painter.drawLine(QPointF(shackle.right(), shackle.center().y()), QPointF(shackle.right(), body.top()));
    painter.setPen(QPen(QColor(40, 40, 40), qMax<qreal>(1.0, w * 0.05)));
    painter.setBrush(QColor(230, 180, 40));
    painter.drawRoundedRect(body, w * 0.08, w * 0.08);
}

// Drawn over a face button, letting the mouse through: the padlock of a locked button and the
// focus ring. A picture covers the whole face, so the style's own focus frame would not show.
class FaceOverlay : public QWidget {
public:
    explicit FaceOverlay(QPushButton* button)
        : QWidget(button)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(button->rect());
        button->installEventFilter(this);
        show();
        follow();
    }

    static FaceOverlay* of(QPushButton* button)
    {
        if (auto* overlay = button->findChild<FaceOverlay*>(QString(), Qt::FindDirectChildrenOnly))
            return overlay;
        return new FaceOverlay(button);
    }

    // `word` (untranslated, static) drawn on the picture: as the name under a category tile's
    // pictogram (`tile`), or right of a command button's pictogram, which was drawn for
    // `designWidth` and is stretched with the picture to the button's width.
    void setCaption(const char* word, bool tile, int designWidth = 0, bool onPicture = true)
    {
        m_caption = word;
        m_tile = tile;
        m_onPicture = onPicture;
        m_designWidth = designWidth;
        update();
    }
    QString caption() const
    {
        return m_caption ? QCoreApplication::translate("ButtonCaption", m_caption) : QString();
    }

    void setLocked(bool locked)
    {
        m_locked = locked;
        follow();
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::EnabledChange:
            follow();
            break;
        case QEvent::Resize:
            setGeometry(static_cast<QWidget*>(watched)->rect());
            break;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                || reason == Qt::ShortcutFocusReason;
            update();
            break;
        }
        case QEvent::FocusOut:
            m_keyboardFocus = false;
            update();
            break;
        case QEvent::KeyPress: {
            // Enter presses the focused picture button, as the space bar does.
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button && button->isEnabled()) {
                button->click();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_caption)
            drawCaption(painter);
        if (m_locked) {
            const qreal side = qMin(width(), height()) * 0.3;
            drawLock(painter, QRectF(width() - side - 3, 3, side, side));
        }
        if (m_keyboardFocus) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        }
    }

private:
    // The caption in the largest size from its usual one down to 8 pixels that fits its box on
    // one line, or wrapped at its spaces; at 8 pixels, elided if it still does not fit.
    void drawCaption(QPainter& painter)
    {
        const qreal w = width(), h = height();
        // Without its picture there is no pictogram to keep clear: the word takes the whole face.
        const qreal left = !m_onPicture ? 4 : captionLeft(h) * (m_designWidth > 0 ? w / m_designWidth : 1.0);
        const QRectF box = m_tile ? QRectF(w * 0.06, h * 0.67, w * 0.88, h * 0.27)
            : isRightToLeft()     ? QRectF(4, 1, w - left - 4, h - 2)
                                  : QRectF(left, 1, w - left - 4, h - 2);
        const QString text = caption();
        QFont font = this->font();
        font.setBold(true);
        int flags = Qt::AlignCenter;
        QString shown = text;
        for (int px = m_tile ? 14 : 11; px >= 8; --px) {
            font.setPixelSize(px);
            const QFontMetricsF metrics(font);
            if (metrics.horizontalAdvance(text) <= box.width())
                break;
            const QRectF wrapped = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
            if (text.contains(QLatin1Char(' ')) && wrapped.width() <= box.width() && wrapped.height() <= box.height()) {
                flags |= Qt::TextWordWrap;
                break;
            }
            if (px == 8)
                shown = metrics.elidedText(text, Qt::ElideRight, box.width());
        }
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        // White suits the dark tile pictures; without its picture (an Image folder left behind
        // when the program was copied) a tile is a plain button and takes the button text colour.
        const QColor ink = !m_onPicture ? palette().color(QPalette::ButtonText)
            : m_tile                    ? QColor(Qt::white)
                                        : QColor(40, 44, 52);
        painter.setPen(ink);
        painter.drawText(box, flags, shown);
    }

    // A picture carries the button's words and colours, so a disabled button would look as it
    // does enabled: it is dimmed instead while it is disabled, and a little while it is locked.
    void follow()
    {
        auto* button = parentWidget();
        if (button->isEnabled() && !m_locked) {
            button->setGraphicsEffect(nullptr);
            return;
        }
        auto* dim = new QGraphicsOpacityEffect(button);
        dim->setOpacity(button->isEnabled() ? 0.6 : 0.35);
        button->setGraphicsEffect(dim);
    }

    bool m_locked = false;
    bool m_keyboardFocus = false;
    const char* m_caption = nullptr;
    bool m_tile = false;
    bool m_onPicture = true;
    int m_designWidth = 0;
};

QString pathOf(const QString& imageFolder, const char* file)
{
    return QString(imageFolder + QLatin1String(file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

void setFace(QPushButton* button, const QString& imageFolder, const char* file)
{
    button->setStyleSheet(QStringLiteral("QPushButton#%1{border-image:url(%2);}")
                              .arg(button->objectName(), pathOf(imageFolder, file)));
    const bool onPicture = QImageReader(pathOf(imageFolder, file)).canRead();
    FaceOverlay::of(button)->setCaption(captionOf(file), true, 0, onPicture);
}

void setLocked(QPushButton* button, bool locked, const QString& tip)
{
    // The button's own tool tip (its name) stays first; the lock's reason follows it.
    const char kOwnTip[] = "tallvaneOwnToolTip";
    if (!button->property(kOwnTip).isValid())
        button->setProperty(kOwnTip, button->toolTip());
    const QString own = button->property(kOwnTip).toString();
    FaceOverlay::of(button)->setLocked(locked);
    button->setToolTip(!locked ? own : own.isEmpty() ? tip : own + QLatin1Char('\n') + tip);
    button->setAccessibleDescription(locked ? tip : QString());
}

QPixmap lockPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawLock(painter, QRectF(0, 0, size, size));
    return picture;
}

void setBackground(QPushButton* button, const QString& imageFolder, const char* file)
{
    const QString path = pathOf(imageFolder, file);
    qCDebug(lcApp) << "pngimage ---> " << path;
    // A word longer in the display language than the button has room for widens the button
    // (its picture, pictogram and all, is stretched with it below), so that the word stays
    // readable beside the pictogram.
    const int designWidth = button->width();
    if (const char* word = captionOf(file)) {
        QFont font = button->font();
        font.setBold(true);
        font.setPixelSize(kSmallestEasyPixels);
        const qreal text = QFontMetricsF(font).horizontalAdvance(QCoreApplication::translate("ButtonCaption", word)) + 4;
        const qreal room = 1.0 - captionLeft(button->height()) / designWidth; // share of the width for the word
        const int needed = room > 0.2 ? qCeil(text / room) : designWidth;
        if (needed > designWidth)
            button->setFixedWidth(needed);
    }
    QImage picture(path);
    if (!picture.isNull() && picture.size() != button->size()) {
        picture = picture.scaled(button->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        picture.save(path);
    }
    // Right to left the pictogram stands after the word, at the right, and points the other
    // way (Back to the right): a mirrored copy beside the picture.
    QString shown = path;
    if (button->isRightToLeft() && !picture.isNull() && path.endsWith(QLatin1String(".png"))) {
        shown = path.chopped(4) + QLatin1String("-rtl.png");
        if (!picture.mirrored(true, false).save(shown))
            shown = path;
    }
    button->setStyleSheet(QStringLiteral("QPushButton#%1{background-image:url(%2);}").arg(button->objectName(), shown));
    // The word goes where the pictogram is not: on the left only beside a mirrored picture.
    FaceOverlay* overlay = FaceOverlay::of(button);
    overlay->setLayoutDirection(shown != path ? Qt::RightToLeft : Qt::LeftToRight);
    overlay->setCaption(captionOf(file), false, designWidth, !picture.isNull());
}

QString caption(const QPushButton* button)
{
    const auto* overlay = button->findChild<FaceOverlay*>(QString(), Qt::FindDirectChildrenOnly);
    return overlay ? overlay->caption() : QString();
}

void pressOnEnter(QWidget* page)
{
    for (QPushButton* button : page->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

} // namespace ButtonPictures
