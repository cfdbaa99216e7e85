#include "UiFont.h"

#include "JapaneseFonts.h"

QFont uiFont(int pixelSize, bool bold) { return japanese_fonts::font(japanese_fonts::kGothic, pixelSize, bold); }
