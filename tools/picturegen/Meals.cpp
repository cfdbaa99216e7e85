// The meals: the three platters of the wake, and the three boxed meals after the
// cremation, each a little richer than the one before.

#include "Food.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <array>
#include <functional>

namespace picturegen {

namespace {

const QColor kTrayRed(178, 124, 112); // a muted lacquer red

void platter(QPainter& p, const QRectF& r)
{
    groundShadow(p, r.adjusted(-2, r.height() * 0.5, 2, r.height() * 0.3));
    p.setPen(QPen(palette::lacquer.darker(120), 0.7));
    p.setBrush(palette::lacquer);
    p.drawEllipse(r);
    p.setBrush(kTrayRed);
    p.setPen(Qt::NoPen);
    p.drawEllipse(r.adjusted(4, 3, -4, -3));
}

using Compartment = std::function<void(QPainter&, const QRectF&)>;

struct MealBox {
    int columns;
    int rows;
    std::vector<Compartment> fillings; // in reading order
    bool blossoms;                     // cherry blossoms on the lid
};

MealBox mealOf(Meal kind)
{
    const Compartment r = [](QPainter& p, const QRectF& a) { rice(p, a); };
    const Compartment s = [](QPainter& p, const QRectF& a) { sashimi(p, a); };
    const Compartment o = [](QPainter& p, const QRectF& a) { omelette(p, a); };
    const Compartment t = [](QPainter& p, const QRectF& a) { tempura(p, a, 11u); };
    const Compartment n = [](QPainter& p, const QRectF& a) { simmered(p, a, 13u); };
    const Compartment m = [](QPainter& p, const QRectF& a) { sushiRolls(p, a, 17u); };
    switch (kind) {
    case Meal::Suzuran:
        return {2, 2, {r, t, n, o}, false};
    case Meal::Akebi:
        return {3, 2, {r, s, t, n, o, m}, false};
    case Meal::Sakura:
        return {4, 2, {r, s, t, m, n, o, s, t}, true};
    }
    return {};
}

} // namespace

void drawPlatters(QPainter& p, const QSizeF& size)
{
    studioBackground(p, size, 46);
    const std::array<QRectF, 3> plates{{{6, 36, 72, 50}, {60, 16, 72, 48}, {114, 38, 72, 50}}};
    platter(p, plates[1]);
    simmered(p, plates[1].adjusted(6, 5, -6, -5), 23u);
    platter(p, plates[0]);
    sushiRolls(p, plates[0].adjusted(6, 5, -6, -5), 19u);
    platter(p, plates[2]);
    tempura(p, plates[2].adjusted(6, 5, -6, -5), 29u);
}

void drawMealBox(QPainter& p, const QSizeF& size, Meal kind)
{
    studioBackground(p, size, 40);
    const MealBox meal = mealOf(kind);
    const qreal width = 36 + meal.columns * 36;
    const QRectF box((size.width() - width) / 2, 12, width, 80);
    groundShadow(p, box.adjusted(-4, 60, 4, 12));
    p.setPen(QPen(palette::lacquer.darker(130), 0.8));
    p.setBrush(palette::lacquer);
    p.drawRoundedRect(box, 4, 4);
    const QRectF inner = box.adjusted(5, 5, -5, -5);
    const qreal cw = inner.width() / meal.columns;
    const qreal ch = inner.height() / meal.rows;
    for (int i = 0; i < int(meal.fillings.size()); ++i) {
        const QRectF cell(inner.left() + (i % meal.columns) * cw, inner.top() + (i / meal.columns) * ch, cw, ch);
        p.setPen(QPen(palette::lacquer.darker(120), 1.2));
        p.setBrush(kTrayRed);
        p.drawRect(cell);
        meal.fillings[i](p, cell.adjusted(3, 3, -3, -3));
    }
    if (meal.blossoms) {
        for (const QPointF c : {QPointF(6, 2), QPointF(14, 6), QPointF(5, 11)})
            bloom(p, box.topLeft() + c, 3.6, QColor(240, 210, 214), 5);
    }
}

} // namespace picturegen
