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

namespace {

// Asking the font database whether it has a face it lacks costs a whole
// fontconfig match (it tries the name as an alias), and every font of the
// screens and the sheet asks: the installed faces are read once as a plain
// list of names, and each designed face's stand-in is found once.
QString firstInstalled(const QStringList& faces)
{
    static const QStringList all = QFontDatabase::families();
    for (const QString& face : faces)
        if (all.contains(face, Qt::CaseInsensitive))
            return face;
    return {};
}

// The best installed face for a designed face; empty when none is installed.
const QString& installedSubstitute(const QString& designed)
{
    static const QString none;
    if (designed == kGothic) {
        static const QString gothic = firstInstalled(kGothicFaces);
        return gothic;
    }
    if (designed == kMincho) {
        static const QString mincho = firstInstalled(kMinchoFaces);
        return mincho;
    }
    return none;
}

} // namespace

QStringList families(const QString& designed)
{
    const QString& installed = installedSubstitute(designed);
    return {installed.isEmpty() ? designed : installed};
}

QFont font(const QString& designed, int pixelSize, bool bold)
{
    QFont f(designed);
    f.setFamilies(families(designed));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    // The designed faces are drawn crisp, every stroke on the pixel grid; the
    // IPA faces carry their own hints for that. Using them (rather than the
    // desktop's light automatic hinting) also halves the work of preparing
    // each glyph, which the first frame waits for.
    f.setHintingPreference(QFont::PreferFullHinting);
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
