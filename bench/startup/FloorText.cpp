// The same-text floor: a bare Qt Widgets window of Lumenta's size that paints,
// with QPainter in one paint event, what Lumenta's first frame shows: the
// header's texts and the start screen's (both memos and the start button's
// caption, read from the start screen's own form, so they follow any change
// of the texts), in the same face, pixel sizes and hinting, and the two
// pictures of that frame (the hall views and the maker's icon), decoded from
// the same embedded files for the screen's device pixel ratio. It has none of
// Lumenta's widgets, bevels or gradients: what a frame of those texts and
// pictures costs on this machine (reading the font configuration, loading
// the Japanese face, shaping and rasterising its glyphs, decoding the JPEG
// files) it pays too, so Lumenta's time over it is the program's own work.

#include "FirstPaint.h"
#include "Resources.h"
#include "ServiceSlogan.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

// The start screen's texts as its form gives them: Memo1, Memo2, plBtnStart.
struct StartTexts {
    QString memo1;
    QString memo2;
    QString startCaption;
};

StartTexts readStartForm()
{
    StartTexts texts;
    QFile form(QStringLiteral(":/bench/PnlMainTop.xml"));
    if (!form.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&form);
    QString widget;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("widget")) {
            widget = xml.attributes().value(QLatin1String("name")).toString();
        } else if (xml.name() == QLatin1String("property")) {
            const auto property = xml.attributes().value(QLatin1String("name"));
            QString* target = nullptr;
            if (property == QLatin1String("plainText") && widget == QLatin1String("Memo1"))
                target = &texts.memo1;
            else if (property == QLatin1String("plainText") && widget == QLatin1String("Memo2"))
                target = &texts.memo2;
            else if (property == QLatin1String("captionA") && widget == QLatin1String("plBtnStart"))
                target = &texts.startCaption;
            if (target && xml.readNextStartElement() && xml.name() == QLatin1String("string"))
                *target = xml.readElementText();
        }
    }
    // The program quotes its slogan in the introduction.
    texts.memo1 = texts.memo1.arg(QString::fromUtf8(kServiceSlogan));
    return texts;
}

QFont gothic(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The built-in picture for the device pixel ratio, as Lumenta picks it.
QPixmap picture(const QString& name, qreal ratio)
{
    QPixmap p(lumenta::picturePath(name, ratio > 1 ? 2 : 1));
    p.setDevicePixelRatio(ratio > 1 ? 2 : 1);
    return p;
}

class Frame : public QWidget {
public:
    explicit Frame(StartTexts texts) : texts_(std::move(texts))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(1001, 737);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const qreal ratio = devicePixelRatioF();
        // the header
        p.fillRect(0, 0, 1001, 81, QColor(255, 140, 0));
        p.fillRect(298, 6, 439, 68, QColor(240, 240, 240));
        p.fillRect(741, 6, 254, 68, QColor(240, 240, 240));
        p.fillRect(19, 14, 52, 52, QColor(255, 251, 240));
        p.drawPixmap(21, 16, picture(QStringLiteral("ImgIcon"), ratio));
        p.setPen(Qt::white);
        text(p, 83, 12, gothic(15), QString::fromUtf8(kServiceSlogan));
        text(p, 98, 30, gothic(21, true), QStringLiteral("家族葬のヴェルモラ"));
        text(p, 111, 50, gothic(13), QStringLiteral("https://vermora.example/"));
        p.setPen(Qt::black);
        const struct {
            const char* caption;
            int left;
        } steps[] = {{"1.場所", 308}, {"2.準備", 396}, {"3.通夜", 485}, {"4.告別式", 573}, {"5.火葬", 662}};
        for (const auto& s : steps)
            text(p, s.left + 10, 35, gothic(15), QString::fromUtf8(s.caption));
        for (int left : {362, 450, 538, 627})
            text(p, left + 15, 34, gothic(20, true), QStringLiteral("＞"));
        text(p, 755, 27, gothic(13), QStringLiteral("ｿﾌﾄ説明"));
        text(p, 753, 42, gothic(13), QStringLiteral("のHPを開く"));
        text(p, 845, 35, gothic(15), QStringLiteral("印 刷"));
        text(p, 932, 35, gothic(15), QStringLiteral("閉じる"));
        // the start screen
        p.fillRect(0, 81, 1000, 655, QColor(250, 190, 76));
        p.fillRect(10, 98, 485, 620, QColor(255, 235, 161));
        p.fillRect(505, 98, 485, 620, QColor(255, 235, 161));
        p.drawPixmap(36, 121, picture(QStringLiteral("ImgTop"), ratio));
        p.fillRect(24, 518, 457, 188, QColor(255, 251, 240));
        p.fillRect(519, 117, 457, 509, QColor(255, 251, 240));
        lines(p, 26, 520, texts_.memo1);
        lines(p, 521, 119, texts_.memo2);
        text(p, 672, 664, gothic(16), texts_.startCaption);
    }

private:
    static void text(QPainter& p, int x, int top, const QFont& font, const QString& t)
    {
        p.setFont(font);
        p.drawText(x, top + p.fontMetrics().ascent(), t);
    }

    // A memo's lines, one a pixel size apart as Lumenta sets them.
    static void lines(QPainter& p, int x, int top, const QString& memo)
    {
        const QFont font = gothic(15);
        int y = top;
        for (const QString& line : memo.split(QLatin1Char('\n'))) {
            text(p, x, y, font, line);
            y += font.pixelSize();
        }
    }

    StartTexts texts_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    StartTexts texts = readStartForm();
    if (texts.memo1.isEmpty() || texts.memo2.isEmpty() || texts.startCaption.isEmpty()) {
        std::fputs("the start screen's texts are not in screens/PnlMainTop.ui where this floor looks\n", stderr);
        return 1;
    }
    Frame window(std::move(texts));
    FirstPaint watch(&window);
    window.show();
    return QApplication::exec();
}
