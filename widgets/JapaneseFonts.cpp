#include "JapaneseFonts.h"

#include <QFontDatabase>

namespace japanese_fonts {

namespace {

// Proportional faces first (the designed faces are proportional), then the
// fixed-pitch members of the same families. The Mincho list ends with the
// Gothic faces: a Gothic Japanese face is better than no Japanese face.
const QStringList kGothicFaces = {
    QStringLiteral("IPAPGothic"),       QStringLiteral("IPAexGothic"),      QStringLiteral("VL PGothic"),
    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"), QStringLiteral("TakaoPGothic"),
    QStringLiteral("IPAGothic"),        QStringLiteral("VL Gothic"),        QStringLiteral("TakaoGothic"),
};
const QStringList kMinchoFaces = QStringList{
    QStringLiteral("IPAPMincho"),        QStringLiteral("IPAexMincho"),         QStringLiteral("Noto Serif CJK JP"),
    QStringLiteral("Source Han Serif JP"), QStringLiteral("TakaoPMincho"),      QStringLiteral("IPAMincho"),
    QStringLiteral("TakaoMincho"),
} + kGothicFaces;

} // namespace

QStringList substitutes(const QString& designed)
{
    if (designed == kGothic)
        return kGothicFaces;
    if (designed == kMincho)
        return kMinchoFaces;
    return {};
}

QStringList families(const QString& designed)
{
    QStringList installed;
    for (const QString& face : substitutes(designed))
        if (QFontDatabase::hasFamily(face))
            installed << face;
    return installed << designed;
}

QFont font(const QString& designed, int pixelSize, bool bold)
{
    QFont f(designed);
    f.setFamilies(families(designed));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void registerSubstitutes()
{
    for (const QString& designed : {kGothic, kMincho}) {
        QFont::removeSubstitutions(designed);
        QFont::insertSubstitutions(designed, substitutes(designed));
    }
}

} // namespace japanese_fonts
