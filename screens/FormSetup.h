#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// Finishes a screen built from a Designer form with what the form file cannot
// hold. Fonts are given in pixels: a widget carrying the dynamic property
// "fontPixelSize" gets the screen font at that size (its children inherit
// it). A picture label carrying the dynamic property "picture" shows that
// built-in picture for the whole run, decoded when the label is first
// painted. Texts are fitted to the room the screens give them: memos (when
// the screen is first shown) and labels carrying "fitWidth" get a slightly
// tighter letter spacing where the screen font runs wider, and a label whose
// gap of ideographic spaces a list box covers resumes right after the list.
namespace screens {

inline constexpr const char* kScreenFontFamily = "ＭＳ Ｐゴシック";

void setUpForm(QWidget* form);

// Only the fonts: the form and every widget under it that carries
// "fontPixelSize" get the screen font at that size.
void applyPixelFonts(QWidget* form);

// Only the list boxes: their entries are drawn narrower where they outrun
// the field, and a label whose gap of ideographic spaces a list box covers
// resumes right after the list.
void fitToLists(QWidget* form);

} // namespace screens
