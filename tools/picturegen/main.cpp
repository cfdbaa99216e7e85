// Draws every picture of the program into resources/pictures (JPEG) and the icon
// sizes into resources/icons (PNG). Run from anywhere:
//   lumenta_picturegen <repository root>
// Each picture is written twice: <name>.jpg at its designed size, and
// <name>@2x.jpg (Qt's name for a picture made for a device pixel ratio of 2)
// at twice the size in pixels, drawn at that size: the same drawing with the
// painter's unit two pixels wide, so every line, edge and letter gets twice
// the detail instead of being blown up from the small picture. The output is
// the same, byte for byte, on every run.

#include "Pictures.h"
#include "Palette.h"
#include "WardBoundaries.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace {

constexpr int kJpegQuality = 90;
// Four times the pixels compress better, and each error is half as large on
// the screen: a lower quality keeps the program small at the same look.
constexpr int kJpegQuality2x = 85;
constexpr std::array kIconSizes{16, 32, 48, 64, 128, 256};

void setUpPainter(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

bool writeImage(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << "\n";
    return false;
}

// The picture drawn with `scale` pixels to the designed pixel.
QImage drawPicture(const picturegen::PictureRecipe& recipe, int scale)
{
    QImage image(recipe.size * scale, QImage::Format_RGB32);
    image.fill(picturegen::palette::paper);
    {
        QPainter p(&image);
        setUpPainter(p);
        p.scale(scale, scale);
        recipe.draw(p, QSizeF(recipe.size));
    }
    return image;
}

bool writePicture(const picturegen::PictureRecipe& recipe, const QDir& dir)
{
    const bool small = writeImage(drawPicture(recipe, 1), dir.filePath(recipe.name + ".jpg"), "jpeg", kJpegQuality);
    const bool large =
        writeImage(drawPicture(recipe, 2), dir.filePath(recipe.name + "@2x.jpg"), "jpeg", kJpegQuality2x);
    return small && large;
}

bool writeIcon(int size, const QDir& dir)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        setUpPainter(p);
        picturegen::drawIcon(p, QSizeF(size, size), true);
    }
    return writeImage(image, dir.filePath(QStringLiteral("lumenta-%1.png").arg(size)), "png", -1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: lumenta_picturegen <repository root>\n", stderr);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    QString error;
    const auto wards = lumenta::wardmap::loadWards(root.filePath("resources/data/tokyo23-wards.geojson"), &error);
    if (!wards) {
        QTextStream(stderr) << error << "\n";
        return 1;
    }
    const QDir pictures(root.filePath("resources/pictures"));
    const QDir icons(root.filePath("resources/icons"));
    if (!pictures.exists() || !icons.exists()) {
        QTextStream(stderr) << "resources/pictures and resources/icons must exist under " << root.path() << "\n";
        return 1;
    }
    bool ok = true;
    for (const picturegen::PictureRecipe& recipe : picturegen::allPictures(*wards))
        ok = writePicture(recipe, pictures) && ok;
    for (int size : kIconSizes)
        ok = writeIcon(size, icons) && ok;
    return ok ? 0 : 1;
}
