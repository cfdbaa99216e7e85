// The filled estimate sheet rendered to PDF and read back with poppler:
// every text at its label, in its face, and the ruled table in its place.

#include "EstimateSheet.h"
#include "JapaneseDate.h"
#include "PdfDocument.h"
#include "PdfReader.h"
#include "PdfRecord.h"
#include "ReportRenderer.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace sheet = lumenta::report::estimate_sheet;
using lumenta::report::ReportElement;
using lumenta::report::ReportPage;
using lumenta::report::Sizing;

namespace {

constexpr double kMargin = 10.0;      // the band's corner on the paper
constexpr double kTolerance = 0.3;    // mm
constexpr double kMmPerPoint = 25.4 / 72.0;

QStringList expectedWords(const QString& text)
{
    static const QRegularExpression gaps(QStringLiteral("[ \u3000]+"));
    return text.split(gaps, Qt::SkipEmptyParts);
}

int leadingIdeographicSpaces(const QString& text)
{
    int n = 0;
    while (n < text.size() && text[n] == QChar(0x3000))
        ++n;
    return n;
}

// The words printed on a label's first line: the first baseline lies one
// ascent below the label's top, and poppler's word box reaches one ascent
// of the same font above the baseline, so a word's top is the label's top.
QList<pdf::Word> wordsOf(const ReportElement& label, const QList<pdf::Word>& words)
{
    const QRectF& box = label.geometry;
    // An auto-width label is never wider than one em per character.
    const double right = label.label.sizing == Sizing::Fixed
                             ? box.right()
                             : box.left() + label.text.size() * label.label.pointSize * kMmPerPoint;
    QList<pdf::Word> found;
    for (const pdf::Word& w : words) {
        if (std::abs(w.yMin - (box.top() + kMargin)) <= kTolerance && w.xMin >= box.left() + kMargin - kTolerance &&
            w.xMax <= right + kMargin + kTolerance)
            found.append(w);
    }
    std::sort(found.begin(), found.end(), [](const pdf::Word& a, const pdf::Word& b) { return a.xMin < b.xMin; });
    return found;
}

QString describe(const QList<pdf::Word>& words)
{
    QStringList parts;
    for (const pdf::Word& w : words)
        parts << QStringLiteral("%1@(%2,%3)").arg(w.text).arg(w.xMin, 0, 'f', 2).arg(w.yMin, 0, 'f', 2);
    return parts.join(u' ');
}

// Where the text of a label starts or ends, by its alignment.
void checkHorizontalPlace(const ReportElement& label, const QList<pdf::Word>& found)
{
    const QRectF& box = label.geometry;
    const double em = label.label.pointSize * kMmPerPoint;  // an ideographic space is one em wide
    const Qt::Alignment align = label.label.alignment;
    double actual = 0;
    double expected = 0;
    if (label.label.sizing == Sizing::AutoWidth || align & Qt::AlignLeft) {
        actual = found.first().xMin;
        expected = box.left() + kMargin + leadingIdeographicSpaces(label.text) * em;
    } else if (align & Qt::AlignRight) {
        actual = found.last().xMax;
        expected = box.right() + kMargin;
    } else {
        actual = (found.first().xMin + found.last().xMax) / 2;
        expected = box.center().x() + kMargin;
    }
    QVERIFY2(std::abs(actual - expected) <= kTolerance,
             qPrintable(QStringLiteral("%1: text at %2 mm, expected %3 mm")
                            .arg(label.name)
                            .arg(actual, 0, 'f', 2)
                            .arg(expected, 0, 'f', 2)));
}

int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

int greyAt(const QString& file, double xMm, double yMm)
{
    const QImage image = pdf::raster(file, 300, QRectF(xMm + kMargin, yMm + kMargin, 0.2, 0.2));
    return image.isNull() ? -1 : qGray(image.pixel(0, 0));
}

} // namespace

class SheetPdfTest : public QObject {
    Q_OBJECT

private:
    QString render(const lumenta::SheetText& text, const QString& date, const QString& name)
    {
        form_.fill(text, date);
        const QString file = dir_.filePath(name);
        if (!samples::writePdf(form_.sheet(), file))
            return {};
        return file;
    }

    QTemporaryDir dir_;
    TFormPrint form_;

private Q_SLOTS:
    void initTestCase()
    {
        if (!pdf::toolsInstalled())
            QSKIP("poppler-utils (pdftotext) is not installed");
        japanese_fonts::registerSubstitutes();
        QVERIFY(dir_.isValid());
    }

    void everyTextAtItsLabel_data()
    {
        QTest::addColumn<bool>("discounted");
        QTest::addColumn<QString>("date");
        QTest::newRow("plain, 2007") << false << QString::fromStdString(lumenta::japaneseDate(2007, 1, 31));
        QTest::newRow("discounted, 2026") << true << QString::fromStdString(lumenta::japaneseDate(2026, 12, 7));
    }

    // Content, first-line position and alignment of every label, and no
    // word on the page that belongs to none.
    void everyTextAtItsLabel()
    {
        QFETCH(bool, discounted);
        QFETCH(QString, date);
        const lumenta::SheetText text = discounted ? samples::discountedEstimate() : samples::plainEstimate();
        const QString file = render(text, date, QStringLiteral("sheet.pdf"));
        QVERIFY(!file.isEmpty());
        const QList<pdf::Word> words = pdf::words(file);
        QVERIFY(!words.isEmpty());

        qsizetype claimed = 0;
        for (const ReportElement& label : form_.sheet().elements()) {
            if (!label.isLabel())
                continue;
            const QList<pdf::Word> found = wordsOf(label, words);
            QStringList printed;
            for (const pdf::Word& w : found)
                printed << w.text;
            QVERIFY2(printed == expectedWords(label.text),
                     qPrintable(QStringLiteral("%1 should read \"%2\", found %3")
                                    .arg(label.name, label.text, describe(found))));
            claimed += found.size();
            if (!found.isEmpty())
                checkHorizontalPlace(label, found);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(claimed, words.size());

        QCOMPARE(form_.sheet().text(sheet::kDateField), date);
        QCOMPARE(form_.sheet().text(sheet::kDiscountField),
                 QString::fromStdString(discounted ? text.discount : std::string("¥0")));
    }

    // A few texts at their places on the paper, measured from its corner
    // independently of the sheet's tables: the table's line pitch, the
    // amount column's right edge, the date and the version line's end.
    void landmarksOnThePaper()
    {
        lumenta::SheetText text = samples::plainEstimate();
        text.lines[31][4] = "¥9,999";
        text.total = "¥1,111,111";
        const QString file = render(text, QStringLiteral("令和08年12月07日"), QStringLiteral("landmarks.pdf"));
        const QList<pdf::Word> words = pdf::words(file);
        auto find = [&](const QString& wanted) {
            for (const pdf::Word& w : words)
                if (w.text == wanted)
                    return w;
            return pdf::Word{{}, -1, -1, -1, -1};
        };
        auto near = [](double actual, double expected) { return std::abs(actual - expected) <= kTolerance; };
        const pdf::Word date = find(QStringLiteral("令和08年12月07日"));
        QVERIFY2(near(date.xMin, 156.40) && near(date.yMin, 17.06), qPrintable(describe({date})));
        const pdf::Word title = find(QStringLiteral("お客様制作見積り例"));
        QVERIFY2(near(title.xMin, 14.76) && near(title.yMin, 16.35), qPrintable(describe({title})));
        const pdf::Word last = find(QStringLiteral("¥9,999"));
        QVERIFY2(near(last.xMax, 188.61) && near(last.yMin, 222.99), qPrintable(describe({last})));
        const pdf::Word version = find(QStringLiteral("1.00（2007.01.31版Software）"));
        QVERIFY2(near(version.xMax, 107.55) && near(version.yMin, 273.00), qPrintable(describe({version})));
        const pdf::Word total = find(QString::fromStdString(text.total));
        QVERIFY2(near(total.xMax, 188.61) && near(total.yMin, 252.89), qPrintable(describe({total})));
    }

    // Lines 33 and 34 are ruled but empty; the discount row's captions print
    // whether a discount applies or not.
    void emptyLinesAndDiscountCaptions()
    {
        const QString file = render(samples::plainEstimate(), QStringLiteral("平成19年01月31日"),
                                    QStringLiteral("plain.pdf"));
        const QList<pdf::Word> words = pdf::words(file);
        for (const pdf::Word& w : words) {
            const bool inLastLines = w.yMin > sheet::lineTop(33) + kMargin - kTolerance &&
                                     w.yMin < sheet::lineTop(34) + sheet::kLineHeight + kMargin;
            QVERIFY2(!inLastLines, qPrintable(w.text));
        }
        QStringList all;
        for (const pdf::Word& w : words)
            all << w.text;
        QVERIFY(all.contains(QStringLiteral("総額より5％引き")));
        QVERIFY(all.contains(QStringLiteral("（事前申込み済みでお支払いが現金の場合）")));
        QVERIFY(all.contains(QStringLiteral("¥0")));
    }

    void onePageA4WithBothFacesEmbedded()
    {
        const QString file = render(samples::discountedEstimate(), QStringLiteral("令和08年12月07日"),
                                    QStringLiteral("faces.pdf"));
        QCOMPARE(pdf::pages(file), 1);
        const QSizeF size = pdf::pageSizeMm(file);
        QVERIFY2(std::abs(size.width() - 210) < 0.5 && std::abs(size.height() - 297) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
        const QStringList fonts = pdf::fonts(file);
        QVERIFY2(fonts.size() == 2 && fonts.contains(QStringLiteral("IPAPGothic")) &&
                     fonts.contains(QStringLiteral("IPAPMincho")),
                 qPrintable(fonts.join(u',')));
    }

    // The saved document: its information and the attached record are
    // written by qpdf over the page as drawn, which renders to the same
    // pixels; qpdf checks the file, and poppler lists the attachment.
    void addedInformationAndRecordKeepThePage()
    {
        form_.fill(samples::discountedEstimate(), QStringLiteral("令和08年12月07日"));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(lumenta::report::ReportRenderer::kPdfResolution);
            QVERIFY(lumenta::report::ReportRenderer::preparePage(form_.sheet(), writer));
            QPainter painter(&writer);
            lumenta::report::ReportRenderer::paint(form_.sheet(), painter);
        }
        const QString drawn = dir_.filePath(QStringLiteral("drawn.pdf"));
        QFile in(drawn);
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(buffer.data()) == buffer.size());
        in.close();
        const QByteArray record = "{\"format\": \"lumenta-estimate\"}";
        const QByteArray saved =
            lumenta::report::withInfo(buffer.data(), {QStringLiteral("見積書"), QStringLiteral("葬儀費用"),
                                                      QStringLiteral("作成者"), QStringLiteral("Lumenta"), record});
        const QString file = dir_.filePath(QStringLiteral("saved.pdf"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(saved) == saved.size());
        out.close();
        const QRectF page(0, 0, 210, 297);
        QCOMPARE(pdf::raster(file, 100, page), pdf::raster(drawn, 100, page));
        QVERIFY(pdf::run(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("見積書")));
        QVERIFY(!pdf::run(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}).isNull());
        QVERIFY(pdf::run(QStringLiteral("pdfdetach"), {QStringLiteral("-list"), file})
                    .contains(QStringLiteral("lumenta-estimate.json")));
        const auto back =
            lumenta::report::readPdfRecord(std::string_view(saved.constData(), std::size_t(saved.size())), 1000);
        QCOMPARE(int(back.problem), int(lumenta::report::PdfProblem::None));
        QCOMPARE(QByteArray::fromStdString(back.record), record);
    }

    // Without the application's substitutions the sheet still uses the
    // installed faces, not whatever the system matches to the names.
    void installedFacesWithoutSubstitution()
    {
        QFont::removeSubstitutions(sheet::kGothic);
        QFont::removeSubstitutions(sheet::kMincho);
        const QString file = render(samples::plainEstimate(), QStringLiteral("平成19年01月31日"),
                                    QStringLiteral("fallback.pdf"));
        japanese_fonts::registerSubstitutes();
        const QStringList fonts = pdf::fonts(file);
        QVERIFY2(fonts.contains(QStringLiteral("IPAPGothic")) && fonts.contains(QStringLiteral("IPAPMincho")),
                 qPrintable(fonts.join(u',')));
    }

    // The frame's 10 dots lie inside its rectangle at 600 dpi, the heading
    // and total rows are grey, the lines white, and the rule under the
    // headings is heavy.
    void ruledTable()
    {
        const QString file = render(samples::plainEstimate(), QStringLiteral("平成19年01月31日"),
                                    QStringLiteral("ruled.pdf"));
        // One pixel row across the frame's left edge, from x 7.30 to 8.20.
        const QImage left = pdf::raster(file, 600, QRectF(7.30 + kMargin, 100 + kMargin, 0.90, 0.05));
        QVERIFY(!left.isNull());
        const int frameAndBorder = darkPixels(left.copy(0, 0, left.width(), 1));
        QVERIFY2(frameAndBorder >= 10 && frameAndBorder <= 12, qPrintable(QString::number(frameAndBorder)));
        QCOMPARE(greyAt(file, 7.40, 100), 255);     // outside the frame
        QVERIFY(greyAt(file, 180.45, 100) < 128);   // frame on the right, beyond the cells
        QCOMPARE(greyAt(file, 180.80, 100), 255);

        QCOMPARE(greyAt(file, 8.40, 18.60), 227);   // heading row
        QCOMPARE(greyAt(file, 80.0, 233.50), 227);  // subtotal content cell
        QCOMPARE(greyAt(file, 80.0, 241.0), 227);   // discount row, joined cell
        QCOMPARE(greyAt(file, 140.0, 245.0), 227);  // total row, unit price cell
        QCOMPARE(greyAt(file, 80.0, 31.60), 255);   // sheet line 1
        QCOMPARE(greyAt(file, 80.0, 221.0), 255);   // empty line 33

        const QImage rule = pdf::raster(file, 600, QRectF(60 + kMargin, 25.50 + kMargin, 0.05, 0.70));
        QVERIFY(darkPixels(rule) >= 6);
    }

    // A text too long for its fixed label wraps and is cut at the label's
    // bottom: nothing of it reaches the rest of the cell.
    void fixedLabelsClipLongText()
    {
        lumenta::SheetText text = samples::plainEstimate();
        std::string longContent = "　";
        for (int i = 0; i < 40; ++i)
            longContent += "霊";
        text.lines[4][1] = longContent;
        const QString file = render(text, QStringLiteral("平成19年01月31日"), QStringLiteral("clip.pdf"));
        const double labelBottom = sheet::lineTop(5) + sheet::kFieldInset + sheet::kFieldHeight;
        const QImage below = pdf::raster(
            file, 600, QRectF(38.5 + kMargin, labelBottom + 0.05 + kMargin, 70, sheet::lineTop(6) - labelBottom - 0.15));
        QVERIFY(!below.isNull());
        QCOMPARE(darkPixels(below), 0);
        // The first line still prints from the label's left.
        const QImage inside = pdf::raster(file, 600, QRectF(38.5 + kMargin, sheet::lineTop(5) + 1.5 + kMargin, 70, 2));
        QVERIFY(darkPixels(inside) > 100);
    }
};

QTEST_MAIN(SheetPdfTest)
#include "tst_sheet_pdf.moc"
