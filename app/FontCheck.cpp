#include "FontCheck.h"

#include "JapaneseFonts.h"

#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace font_check {

namespace {

const char kNoFace[] =
    "日本語を表示できるフォントがありません。fonts-ipafont-gothic と fonts-ipafont-mincho を"
    "インストールしてください。\n"
    "No font that can draw Japanese is installed, so every text shows as empty boxes. "
    "Install the packages fonts-ipafont-gothic and fonts-ipafont-mincho "
    "(sudo apt install fonts-ipafont-gothic fonts-ipafont-mincho).";

} // namespace

bool japaneseDrawable()
{
    // One of the faces the screens ask for, or any other Japanese face that
    // the font database falls back to.
    return japanese_fonts::families(japanese_fonts::kGothic).constFirst() != japanese_fonts::kGothic ||
           !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

void warnIfNoJapaneseFace(QWidget* window)
{
    if (japaneseDrawable())
        return;
    std::fprintf(stderr, "lumenta: %s\n", kNoFace);
    // Over the window, once it is on the screen.
    QTimer::singleShot(0, window, [window] {
        QMessageBox::warning(window, QStringLiteral("Lumenta"), QString::fromUtf8(kNoFace));
    });
}

} // namespace font_check
