#pragma once

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

// The designed face followed by its substitutes, for QFont::setFamilies.
QStringList families(const QString& designed);

// Registers the substitutes with the font database (once, at start-up).
void registerSubstitutes();

} // namespace japanese_fonts
