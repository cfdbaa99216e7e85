// Every picture of the screens is embedded, decodes through the JPEG plug-in and
// has exactly the size its frame expects, and twice that size in its @2x file;
// the program takes the @2x file at a device pixel ratio of 2 and the other at
// 1; the icons decode at their sizes.

#include "BuiltInPicture.h"
#include "Resources.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <set>

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
};

constexpr Picture kPictures[] = {
    {"ImgTop", 433, 380},      {"ImgMap", 450, 450},       {"ImgAnti", 225, 80},
    {"Img51", 190, 110},       {"Img52", 190, 110},        {"Img53", 190, 110},
    {"Img61", 260, 160},       {"Img62", 260, 160},        {"Img63", 260, 160},
    {"Img64", 260, 160},       {"Img91", 140, 100},        {"Img92", 140, 100},
    {"Img93", 140, 100},       {"ImgSeika", 227, 130},     {"ImgTuyaRyori", 193, 100},
    {"Img131", 190, 100},      {"Img132", 190, 100},       {"Img133", 190, 100},
    {"Img151", 199, 100},      {"Img152", 199, 100},       {"Img153", 199, 100},
    {"ImgAto", 149, 100},      {"ImgIcon", 48, 48},
};

// A picture that decoded to one flat colour was drawn wrongly or not at all.
int distinctGreys(const QImage& image)
{
    std::set<int> greys;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            greys.insert(qGray(image.pixel(x, y)) / 8);
    }
    return int(greys.size());
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void jpegPluginIsThere()
    {
        QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    }

    void pictureDecodesAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        for (const Picture& p : kPictures) {
            for (int scale : {1, 2})
                QTest::addRow("%s@%dx", p.name, scale)
                    << QString::fromLatin1(p.name) << QSize(p.width, p.height) * scale << scale;
        }
    }

    void pictureDecodesAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, scale);
        QImageReader reader(lumenta::picturePath(name, scale));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QVERIFY(distinctGreys(image) >= 4);
    }

    // The store's empty picture is no file at all: copying "nothing" clears a frame.
    void embeddedPicturesAreExactlyTheListedOnes()
    {
        QStringList expected;
        for (const Picture& p : kPictures)
            expected << QString::fromLatin1(p.name) + ".jpg" << QString::fromLatin1(p.name) + "@2x.jpg";
        QStringList embedded = QDir(":/pictures").entryList(QDir::Files);
        expected.sort();
        embedded.sort();
        QCOMPARE(embedded, expected);
        QVERIFY(!QFile::exists(lumenta::picturePath("Img94")));
    }

    // The one place that chooses a picture's file: at a device pixel ratio of
    // 2 the @2x file as it was drawn, at 1 the designed one (the @2x file not
    // touched); either way the picture covers the designed size in logical pixels.
    void programTakesThePictureForTheDevicePixelRatio()
    {
        const QSize designed(450, 450);
        const QPixmap atOne = builtInPicture(QStringLiteral("ImgMap"), designed, 1);
        QCOMPARE(atOne.devicePixelRatio(), 1.0);
        QCOMPARE(atOne.size(), designed);
        QCOMPARE(atOne.toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(lumenta::picturePath("ImgMap")).convertToFormat(QImage::Format_RGB32));

        const QPixmap atTwo = builtInPicture(QStringLiteral("ImgMap"), designed, 2);
        QCOMPARE(atTwo.devicePixelRatio(), 2.0);
        QCOMPARE(atTwo.size(), designed * 2);
        QCOMPARE(atTwo.deviceIndependentSize(), QSizeF(designed));
        QImage drawnLarge = QImage(lumenta::picturePath("ImgMap", 2)).convertToFormat(QImage::Format_RGB32);
        drawnLarge.setDevicePixelRatio(2);
        QCOMPARE(atTwo.toImage().convertToFormat(QImage::Format_RGB32), drawnLarge);
    }

    void iconsDecodeAtTheirSizes()
    {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(lumenta::iconPath(size));
            QVERIFY2(!icon.isNull(), qPrintable(lumenta::iconPath(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
