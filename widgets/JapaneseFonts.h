#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The two designed faces of the screens and the sheet, and the installed
// faces that draw them. The designed faces are not installed on this
// platform: each is drawn by the first face of its list that is, so a
// machine without the metric-compatible IPA faces still shows and prints
// Japanese text with another Japanese face.
namespace japanese_fonts {

inline const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");

// The faces that stand in for a designed face, best first; empty for any
// other family.
QStringList substitutes(const QString& designed);

// For QFont::setFamilies: the best installed substitute of a designed face
// alone, or the designed face where none is installed. The font database
// turns a face it does not have into whatever the system matches to the
// name (often a Latin face) before it ever looks at registered substitutes,
// so a face that is really there must be asked for. One face only: with more
// families in a font, Qt works out the system's whole fallback list for
// every font it loads, where otherwise it does so only for a character the
// face lacks.
QStringList families(const QString& designed);

// A font of a designed face at a pixel height.
QFont font(const QString& designed, int pixelSize, bool bold = false);

// Registers the substitutes with the font database (once, at start-up), for
// fonts that name a designed face alone.
void registerSubstitutes();

} // namespace japanese_fonts
