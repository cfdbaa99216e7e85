// The six hall buttons lie over the map picture at fixed places; the projection
// of the map must put each button's round indicator wholly inside its hall's ward.

#include "MapProjection.h"
#include "WardBoundaries.h"

#include <QTest>

namespace wm = lumenta::wardmap;

namespace {

QPointF toLonLat(wm::MapPoint p)
{
    const wm::GeoPoint g = wm::toGeo(p);
    return {g.lon, g.lat};
}

// Which ward holds a point of the map picture, if any.
QString wardAt(const QList<wm::Ward>& wards, wm::MapPoint p)
{
    for (const wm::Ward& w : wards) {
        if (w.contains(toLonLat(p)))
            return w.name;
    }
    return {};
}

} // namespace

class HallMapTest : public QObject {
    Q_OBJECT

    QList<wm::Ward> wards_;

private slots:
    void initTestCase()
    {
        QString error;
        const auto wards = wm::loadWards(QStringLiteral(LUMENTA_WARDS_GEOJSON), &error);
        QVERIFY2(wards.has_value(), qPrintable(error));
        wards_ = *wards;
        QCOMPARE(wards_.size(), 23);
    }

    // Known places: if these fail, the reading or the point-in-polygon test is wrong,
    // and the hall check below would mean nothing.
    void knownPlacesFallInTheirWards()
    {
        const struct {
            double lon, lat;
            const char* ward;
        } places[] = {
            {139.6351, 35.6397, "世田谷区"}, // centroids of single-part wards
            {139.7549, 35.6876, "千代田区"},
            {139.8557, 35.7533, "葛飾区"},
            {139.7813, 35.7399, "荒川区"},
            {139.7000, 35.6900, "新宿区"}, // near the main station
        };
        for (const auto& place : places) {
            const wm::Ward* ward = wm::findWard(wards_, QString::fromUtf8(place.ward));
            QVERIFY(ward);
            QVERIFY2(ward->contains({place.lon, place.lat}), place.ward);
        }
        // the bay and a point far outside belong to no ward
        QCOMPARE(wardAt(wards_, wm::toMap({139.85, 35.56})), QString());
        QCOMPARE(wardAt(wards_, wm::toMap({139.50, 35.90})), QString());
    }

    void projectionIsNorthUpAndRoundTrips()
    {
        const wm::MapPoint a = wm::toMap({139.70, 35.70});
        const wm::MapPoint east = wm::toMap({139.80, 35.70});
        const wm::MapPoint north = wm::toMap({139.70, 35.80});
        QVERIFY(east.x > a.x && qFuzzyCompare(east.y, a.y));
        QVERIFY(north.y < a.y && qFuzzyCompare(north.x, a.x));
        const wm::GeoPoint back = wm::toGeo(a);
        QVERIFY(qAbs(back.lon - 139.70) < 1e-9 && qAbs(back.lat - 35.70) < 1e-9);
    }

    void hallCircleLiesInsideItsWard_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(wm::kHallButtons.size()); ++i)
            QTest::newRow(wm::kHallButtons[i].objectName) << i;
    }

    void hallCircleLiesInsideItsWard()
    {
        QFETCH(int, index);
        const wm::HallButton& button = wm::kHallButtons[index];
        const wm::Ward* ward = wm::findWard(wards_, QString::fromUtf8(button.ward));
        QVERIFY(ward);
        for (const wm::MapPoint& p : wm::circleOutline(button)) {
            QVERIFY2(ward->contains(toLonLat(p)),
                     qPrintable(QStringLiteral("%1 (%2): point (%3, %4) is outside %5")
                                    .arg(button.objectName, QString::fromUtf8(button.hall))
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(QString::fromUtf8(button.ward))));
        }
    }

    void circleSitsAtTheButtonsEnd()
    {
        // 堀ノ内 has its circle at the right end, 四ツ木 at the left; both 2 px in
        const wm::MapPoint right = wm::circleCentre(wm::kHallButtons[0]);
        QCOMPARE(right.x, 5 + 95 - 2 - 6.5 - 3);
        QCOMPARE(right.y, 169 + 8.5 - 3);
        const wm::MapPoint left = wm::circleCentre(wm::kHallButtons[3]);
        QCOMPARE(left.x, 350 + 2 + 6.5 - 3);
    }

    // Every ward is on the picture, apart from the far western tip of one.
    void wardsStayOnThePicture()
    {
        int outside = 0;
        for (const wm::Ward& w : wards_) {
            for (const QPolygonF& part : w.parts) {
                for (const QPointF& g : part) {
                    const wm::MapPoint p = wm::toMap({g.x(), g.y()});
                    if (p.x < -10 || p.y < 0 || p.x > wm::kMapSize || p.y > wm::kMapSize)
                        ++outside;
                    else if (p.x < 0 && w.name != QStringLiteral("練馬区"))
                        ++outside;
                }
            }
        }
        QCOMPARE(outside, 0);
    }
};

QTEST_MAIN(HallMapTest)
#include "tst_hallmap.moc"
