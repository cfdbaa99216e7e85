#include "Pictures.h"

namespace picturegen {

QList<PictureRecipe> allPictures(const QList<lumenta::wardmap::Ward>& wards)
{
    using P = QPainter;
    using S = QSizeF;
    return {
        {"ImgTop", {433, 380}, drawHallViews},
        {"ImgMap", {450, 450}, [&wards](P& p, const S& s) { drawWardMap(p, s, wards); }},
        {"ImgAnti", {225, 80}, drawTransport},
        {"Img51", {190, 110}, [](P& p, const S& s) { drawCoffin(p, s, Coffin::PlainWood); }},
        {"Img52", {190, 110}, [](P& p, const S& s) { drawCoffin(p, s, Coffin::Cloth); }},
        {"Img53", {190, 110}, [](P& p, const S& s) { drawCoffin(p, s, Coffin::Decorated); }},
        {"Img61", {260, 160}, [](P& p, const S& s) { drawAltar(p, s, 0); }},
        {"Img62", {260, 160}, [](P& p, const S& s) { drawAltar(p, s, 1); }},
        {"Img63", {260, 160}, [](P& p, const S& s) { drawAltar(p, s, 2); }},
        {"Img64", {260, 160}, [](P& p, const S& s) { drawAltar(p, s, 3); }},
        {"Img91", {140, 100}, [](P& p, const S& s) { drawGift(p, s, Gift::Handkerchiefs); }},
        {"Img92", {140, 100}, [](P& p, const S& s) { drawGift(p, s, Gift::Tea); }},
        {"Img93", {140, 100}, [](P& p, const S& s) { drawGift(p, s, Gift::GiftSet); }},
        {"ImgSeika", {227, 130}, drawFlowerStands},
        {"ImgTuyaRyori", {193, 100}, drawPlatters},
        {"Img131", {190, 100}, [](P& p, const S& s) { drawMealBox(p, s, Meal::Suzuran); }},
        {"Img132", {190, 100}, [](P& p, const S& s) { drawMealBox(p, s, Meal::Akebi); }},
        {"Img133", {190, 100}, [](P& p, const S& s) { drawMealBox(p, s, Meal::Sakura); }},
        {"Img151", {199, 100}, [](P& p, const S& s) { drawVehicle(p, s, Vehicle::Trolley); }},
        {"Img152", {199, 100}, [](P& p, const S& s) { drawVehicle(p, s, Vehicle::EstateCar); }},
        {"Img153", {199, 100}, [](P& p, const S& s) { drawVehicle(p, s, Vehicle::TempleRoof); }},
        {"ImgAto", {149, 100}, drawAfterAltar},
        {"ImgIcon", {48, 48}, [](P& p, const S& s) { drawIcon(p, s, false); }},
    };
}

} // namespace picturegen
