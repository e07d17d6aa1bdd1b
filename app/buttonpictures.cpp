#include "app/buttonpictures.h"

#include "app/applog.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QPushButton>

namespace ButtonPictures {

namespace {

// A picture carries the button's words and colours, so a disabled button would look as it
// does enabled: it is dimmed instead while it is disabled.
class DimWhenDisabled : public QObject {
public:
    using QObject::QObject;

    static void attach(QPushButton* button)
    {
        if (button->findChild<DimWhenDisabled*>(QString(), Qt::FindDirectChildrenOnly))
            return;
        button->installEventFilter(new DimWhenDisabled(button));
        follow(button);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            follow(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void follow(QWidget* button)
    {
        if (button->isEnabled()) {
            button->setGraphicsEffect(nullptr);
            return;
        }
        auto* dim = new QGraphicsOpacityEffect(button);
        dim->setOpacity(0.35);
        button->setGraphicsEffect(dim);
    }
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
    DimWhenDisabled::attach(button);
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
    DimWhenDisabled::attach(button);
}

} // namespace ButtonPictures
