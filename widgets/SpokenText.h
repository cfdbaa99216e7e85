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

// An amount as a voice should say it: "¥49,900" is read yen first ("エン
// 四万…") or the sign not at all, so the yen goes after the number, where it
// is said: "49,900円"; "-¥6,173" gives "マイナス6,173円".
inline QString spokenYen(const QString& shown)
{
    QString number = shown;
    const bool negative = number.startsWith(u'-');
    if (negative)
        number.remove(0, 1);
    number.remove(QChar(u'\u00A5'));
    return (negative ? QStringLiteral("マイナス") : QString()) + number + u'円';
}
