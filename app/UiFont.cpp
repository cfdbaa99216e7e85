#include "UiFont.h"

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
