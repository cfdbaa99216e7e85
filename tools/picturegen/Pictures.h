#pragma once

// Every picture of the program: what it shows, drawn to fill the painter's size.

#include "WardBoundaries.h"

#include <QList>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>

namespace picturegen {

void drawHallViews(QPainter& p, const QSizeF& size);
void drawWardMap(QPainter& p, const QSizeF& size, const QList<lumenta::wardmap::Ward>& wards);
void drawTransport(QPainter& p, const QSizeF& size);

enum class Coffin { PlainWood, Cloth, Decorated };
void drawCoffin(QPainter& p, const QSizeF& size, Coffin kind);

// richness 0 is the plain-wood altar, 1 to 3 the flower altars from modest to rich
void drawAltar(QPainter& p, const QSizeF& size, int richness);

enum class Gift { Handkerchiefs, Tea, GiftSet };
void drawGift(QPainter& p, const QSizeF& size, Gift kind);

void drawFlowerStands(QPainter& p, const QSizeF& size);
void drawPlatters(QPainter& p, const QSizeF& size);

enum class Meal { Suzuran, Akebi, Sakura };
void drawMealBox(QPainter& p, const QSizeF& size, Meal kind);

enum class Vehicle { Trolley, EstateCar, TempleRoof };
void drawVehicle(QPainter& p, const QSizeF& size, Vehicle kind);

void drawAfterAltar(QPainter& p, const QSizeF& size);

// The program's icon; with tile the background is a rounded tile on transparency.
void drawIcon(QPainter& p, const QSizeF& size, bool tile);

struct PictureRecipe {
    QString name; // also the file name, without ".jpg"
    QSize size;
    std::function<void(QPainter&, const QSizeF&)> draw;
};

QList<PictureRecipe> allPictures(const QList<lumenta::wardmap::Ward>& wards);

} // namespace picturegen
