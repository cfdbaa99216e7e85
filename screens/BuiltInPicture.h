#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

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
