#include "app/buttonpictures.h"

#include "app/applog.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVariant>

namespace ButtonPictures {

namespace {

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
    FaceOverlay::of(button);
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
    const QImage picture(path);
    if (!picture.isNull() && picture.size() != button->size())
        picture.scaled(button->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path);
    button->setStyleSheet(
        QStringLiteral("QPushButton#%1{background-image:url(%2);}").arg(button->objectName(), path));
    FaceOverlay::of(button);
}

} // namespace ButtonPictures
