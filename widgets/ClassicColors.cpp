#include "ClassicColors.h"

#include <QBitmap>
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

StrokedPixels strokedPixels(QSize area, const std::function<void(QPainter&)>& stroke)
{
    QImage pixels(area, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    QPainter onPixels(&pixels);
    stroke(onPixels);
    const QColor colour = onPixels.pen().color();
    onPixels.end();
    return {QRegion(QBitmap::fromImage(pixels.createAlphaMask())), colour};
}

void fillPixels(QPainter& p, const StrokedPixels& stroked)
{
    for (const QRect& r : stroked.pixels)
        p.fillRect(r, stroked.colour);
}

} // namespace classic
