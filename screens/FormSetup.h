#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// Finishes a screen built from a Designer form with what the form file cannot
// hold. Fonts are given in pixels: a widget carrying the dynamic property
// "fontPixelSize" gets the screen font at that size (its children inherit
// it). A picture label carrying the dynamic property "picture" shows that
// built-in picture for the whole run.
namespace screens {

inline constexpr const char* kScreenFontFamily = "ＭＳ Ｐゴシック";

void setUpForm(QWidget* form);

// A built-in picture (":/pictures/<name>.jpg"), or a plain grey one of the
// given size while that picture is missing.
QPixmap screenPicture(const QString& name, QSize size);

} // namespace screens
