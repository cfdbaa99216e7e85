// The after-altar: a small white two-tier stand where the ashes rest at home,
// with the portrait, candles, incense burner and flowers.

#include "AltarArticles.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picturegen {

namespace {

void urnBox(QPainter& p, const QRectF& r)
{
    softBox(p, r, 1.5, palette::white);
    p.setPen(QPen(palette::stone.darker(110), 0.6));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.35), QPointF(r.right(), r.top() + r.height() * 0.35));
}

} // namespace

void drawAfterAltar(QPainter& p, const QSizeF& size)
{
    studioBackground(p, size, 88);
    groundShadow(p, QRectF(14, 86, 121, 12));
    whiteStep(p, QRectF(20, 64, 109, 27));
    whiteStep(p, QRectF(34, 40, 81, 24));
    // upper tier: portrait and the urn in its white wrapping
    portraitFrame(p, QRectF(44, 10, 24, 30));
    urnBox(p, QRectF(78, 18, 24, 22));
    // lower tier: candle, incense burner, bell and flowers
    candle(p, QPointF(42, 64), 18);
    incenseBurner(p, QPointF(74, 64), 16);
    p.setPen(QPen(palette::gold.darker(130), 0.5));
    p.setBrush(palette::gold);
    p.drawChord(QRectF(90, 54, 12, 16), 0, 180 * 16);
    vaseOfFlowers(p, QPointF(114, 64), 26);
}

} // namespace picturegen
