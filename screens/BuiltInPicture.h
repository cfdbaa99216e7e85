#pragma once

#include "FormProperties.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

// A picture built into the program, decoded now, for the device pixel ratio
// it will be shown at. This is the one place that chooses between the two
// files of a picture: at a ratio of 1 the picture of the designed size
// (":/pictures/<name>.jpg"); above 1 the one drawn at twice that size
// (":/pictures/<name>@2x.jpg"), which is never decoded at a ratio of 1. The
// pixmap carries its device pixel ratio, so it covers the designed size in
// logical pixels whichever file it came from. At a ratio other than 1 or 2
// (1.25, 1.5 ...) the large picture is scaled smoothly to the screen's own
// pixels once here, rather than sampled pixel by pixel at every paint.
// While a picture is not built in, a plain grey one of the designed size
// stands in for it, so that the screens keep their look.
QPixmap builtInPicture(const QString& name, QSize designedSize, qreal devicePixelRatio);

// The same for the widget that will show it: the designed size is the
// widget's size, and the ratio that of the screen it is on (the primary
// screen while its window has not been shown yet).
QPixmap builtInPicture(const QString& name, const QWidget* shownOn);

// Whether a built-in picture was decoded for the device pixel ratio of the
// screen that the widget is on now.
bool drawnForScreen(const QPixmap& picture, const QWidget* shownOn);

// The label property naming the stored picture that was copied into a frame
// ("Img51" ...); a label's own picture is named by kPictureProperty.
inline constexpr const char* kCopiedPictureProperty = "copiedPicture";

// After the window has moved to a screen of another device pixel ratio:
// every label under it that shows a built-in picture decoded for the old
// ratio shows it again for the new one. A frame takes its copy from the
// store again (storedPicture), so that it still shows the store's picture.
void redrawPicturesForScreen(QWidget* window, const std::function<QPixmap(const QString&)>& storedPicture);
