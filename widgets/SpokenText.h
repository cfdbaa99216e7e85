#pragma once

#include <QString>

// A caption as a screen reader should speak it: captions space out their
// letters for the eye ("印 刷", "　　保 管 日 数"), which would make a
// reader spell them out letter by letter, so every ASCII and ideographic
// space goes.
inline QString spokenText(const QString& shown)
{
    QString spoken = shown;
    spoken.remove(QChar(u' ')).remove(QChar(u'\u3000'));
    return spoken;
}

// A label carrying this property set to true is a note that a screen reader
// hears each time it appears.
inline constexpr char kSpokenWhenShown[] = "spokenWhenShown";
