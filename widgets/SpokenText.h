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

// A label whose blank, a run of ideographic spaces, is where a list sits
// ("礼状 （1枚…円）×　　　　　 枚" around the number of letters) is not
// read on its own: the list carries it (this property, on the list, holds
// the label), and says it as its description with its entry in the blank
// ("礼状（1枚…円）×30枚"). A placeholder "□" in it is not read.
inline constexpr char kSentenceLabel[] = "sentenceLabel";

inline QString filledSentence(const QString& sentence, const QString& entry)
{
    QString filled = sentence;
    const qsizetype blank = filled.indexOf(QStringLiteral("\u3000\u3000"));
    if (blank >= 0) {
        qsizetype end = blank;
        while (end < filled.size() && filled.at(end) == u'\u3000')
            ++end;
        filled.replace(blank, end - blank, entry);
    }
    return spokenText(filled.remove(u'\u25A1'));
}
