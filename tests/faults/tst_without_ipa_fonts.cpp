// A machine without the IPA faces: the screens and the printed sheet fall
// back to another Japanese face instead of drawing empty boxes. Runs under a
// font configuration that knows only one folder (LUMENTA_ONLY_FONT_FOLDER,
// the VL Gothic faces).

#include "FontCheck.h"
#include "PdfReader.h"
#include "Program.h"
#include "SheetSamples.h"
#include "UnitMain.h"
#include "UnitPrint.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Characters of every kind the screens show: kanji, half-width katakana, the yen sign.
const char32_t kSamples[] = {U'場', U'ｿ', U'¥', U'見', U'ﾄ'};

bool hasIpaFace()
{
    for (const QString& family : QFontDatabase::families())
        if (family.startsWith(QLatin1String("IPA")))
            return true;
    return false;
}

} // namespace

class WithoutIpaFontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString folder = qEnvironmentVariable("LUMENTA_ONLY_FONT_FOLDER");
        if (folder.isEmpty() || !QDir(folder).exists())
            QSKIP("the VL Gothic faces are not installed (package fonts-vlgothic)");
        if (hasIpaFace())
            QSKIP("the IPA faces are still visible: the test's font configuration was not used");
    }

    void screenFontHasTheGlyphs()
    {
        Program program;
        TFormMain& form = program.formMain();
        const QFont font = form.font();
        const QString family = QFontInfo(font).family();
        QVERIFY2(family.startsWith(QLatin1String("VL")), qPrintable(family));
        const QFontMetrics metrics(font);
        for (char32_t c : kSamples)
            QVERIFY2(metrics.inFontUcs4(c), qPrintable(QString::number(uint(c), 16)));
        // A caption of a step screen, in its own font.
        form.buildSteps();
        auto* header = form.findChild<QWidget*>(QStringLiteral("PnlMap1"));
        QVERIFY(QFontInfo(header->font()).family().startsWith(QLatin1String("VL")));
        // Another Japanese face is enough: no warning at start.
        QVERIFY(font_check::japaneseDrawable());
    }

    void sheetEmbedsAnotherJapaneseFace()
    {
        if (!pdf::toolsInstalled())
            QSKIP("poppler-utils is not installed");
        Program program;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(samples::writePdf(program.formPrint().sheet(), file));
        const QStringList fonts = pdf::fonts(file);
        QVERIFY2(!fonts.isEmpty(), "no font embedded");
        for (const QString& name : fonts)
            QVERIFY2(name.contains(QLatin1String("VL")), qPrintable(fonts.join(u',')));
        QString text;
        for (const pdf::Word& w : pdf::words(file))
            text += w.text;
        QVERIFY2(text.contains(QStringLiteral("お客様制作見積り例")), qPrintable(text.left(200)));
    }
};

QTEST_MAIN(WithoutIpaFontsTest)
#include "tst_without_ipa_fonts.moc"
