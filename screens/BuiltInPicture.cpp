#include "BuiltInPicture.h"

#include "ClassicColors.h"
#include "Resources.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <utility>

namespace {

// The device pixel ratio that a picture is decoded for on a screen.
qreal pictureRatio(qreal screenRatio) { return screenRatio <= 1 ? 1 : screenRatio; }

QImage decoded(const QString& name, qreal screenRatio)
{
    const qreal devicePixelRatio = pictureRatio(screenRatio);
    if (devicePixelRatio == 1)
        return QImage(lumenta::picturePath(name));
    QImage large(lumenta::picturePath(name, 2));
    if (large.isNull())  // a picture drawn only at its designed size
        return QImage(lumenta::picturePath(name));
    large.setDevicePixelRatio(2);
    if (devicePixelRatio == 2)
        return large;
    // Whole pixels of the screen that cover the designed size, none left bare.
    const QSize logical = large.size() / 2;
    QImage fitted = large.scaled(classic::screenPixels(logical, devicePixelRatio), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(devicePixelRatio);
    return fitted;
}

} // namespace

QPixmap builtInPicture(const QString& name, QSize designedSize, qreal devicePixelRatio)
{
    QImage image = decoded(name, devicePixelRatio);
    if (!image.isNull())
        return QPixmap::fromImage(std::move(image));
    QPixmap grey(designedSize);
    grey.fill(QColor(160, 160, 160));
    return grey;
}

QPixmap builtInPicture(const QString& name, const QWidget* shownOn)
{
    return builtInPicture(name, shownOn->size(), shownOn->devicePixelRatioF());
}

bool drawnForScreen(const QPixmap& picture, const QWidget* shownOn)
{
    return qFuzzyCompare(picture.devicePixelRatio(), pictureRatio(shownOn->devicePixelRatioF()));
}

void redrawPicturesForScreen(QWidget* window, const std::function<QPixmap(const QString&)>& storedPicture)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        // A picture not yet decoded will be, for the screen it is first seen on.
        if (label->pixmap().isNull() || drawnForScreen(label->pixmap(), label))
            continue;
        if (const QVariant own = label->property(kPictureProperty); own.isValid())
            label->setPixmap(builtInPicture(own.toString(), label));
        else if (const QVariant copied = label->property(kCopiedPictureProperty); copied.isValid() && storedPicture)
            label->setPixmap(storedPicture(copied.toString()));
    }
}
