#include "app/buttonpictures.h"

#include "app/applog.h"

#include <QImage>
#include <QPushButton>

namespace ButtonPictures {

namespace {

QString pathOf(const QString& imageFolder, const char* file)
{
    return QString(imageFolder + QLatin1String(file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

void setFace(QPushButton* button, const QString& imageFolder, const char* file)
{
    button->setStyleSheet(QStringLiteral("QPushButton#%1{border-image:url(%2);}")
                              .arg(button->objectName(), pathOf(imageFolder, file)));
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
}

} // namespace ButtonPictures
