#include "ClassicColors.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace classic {

void drawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    drawPixelLine(p, r.left(), r.top(), r.right(), r.top(), topLeft);
    drawPixelLine(p, r.left(), r.top(), r.left(), r.bottom(), topLeft);
    drawPixelLine(p, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    drawPixelLine(p, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

void drawPixelLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), colour);
}

void strokeOnPixels(QPainter& p, QSize area, const std::function<void(QPainter&)>& stroke)
{
    if (p.device()->devicePixelRatio() == 1) {
        stroke(p);
        return;
    }
    QImage pixels(area, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    {
        QPainter onPixels(&pixels);
        stroke(onPixels);
    }
    // An unsmoothed stroke leaves each logical pixel either untouched or in
    // the pen's colour; scaled up without smoothing, the image fills every
    // touched one whole (a region made from its mask did the same, at a
    // tenth of the start screen's painting).
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(QPoint(0, 0), area), pixels);
    p.restore();
}

} // namespace classic
