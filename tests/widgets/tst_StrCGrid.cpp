#include "StrCGrid.h"

#include <QTest>

namespace {

TSCGCellParam single(int col, int row, const QString& caption)
{
    TSCGCellParam p;
    p.col = col;
    p.row = row;
    p.caption = caption;
    return p;
}

TSCGCellParam range(int col, int colMax, int row, int rowMax, const QString& caption)
{
    TSCGCellParam p = single(col, row, caption);
    p.colMax = colMax;
    p.rowMax = rowMax;
    p.rangeEnabled = true;
    return p;
}

// The summary grid's shape: 26 rows of 19 pixels, one caption row.
void makeSummary(TStrColGrid& g)
{
    g.setRowCount(26);
    g.setColumnCount(5);
    g.setDefaultRowHeight(19);
    const int widths[] = {85, 208, 36, 70, 72};
    for (int c = 0; c < 5; ++c)
        g.setColumnWidth(c, widths[c]);
    g.resize(479, 525);
}

} // namespace

class TestStrCGrid : public QObject {
    Q_OBJECT
private slots:
    void laterParameterWins()
    {
        TStrColGrid g;
        g.cellParams() << range(0, 4, 24, 25, "range") << single(3, 24, "single");
        QCOMPARE(g.paramFor(3, 24)->caption, QStringLiteral("single"));
        QCOMPARE(g.paramFor(4, 25)->caption, QStringLiteral("range"));
        QCOMPARE(g.paramFor(3, 23), nullptr);

        g.cellParams().clear();
        g.cellParams() << single(3, 24, "single") << range(0, 4, 24, 25, "range");
        QCOMPARE(g.paramFor(3, 24)->caption, QStringLiteral("range"));

        // Without a range, only (col, row) is covered, whatever the maxima say.
        TSCGCellParam loose = single(1, 1, "x");
        loose.colMax = 4;
        loose.rowMax = 4;
        QVERIFY(loose.covers(1, 1));
        QVERIFY(!loose.covers(2, 2));
    }

    void captionTypes()
    {
        TStrColGrid g;
        g.cellParams() << single(0, 0, "項　　目");
        QCOMPARE(g.displayText(0, 0), QStringLiteral("項　　目"));
        g.setCell(0, 0, "text");
        QCOMPARE(g.displayText(0, 0), QStringLiteral("text"));

        TSCGCellParam p = single(0, 0, "C");
        const struct { TSCGCellParam::CaptionType type; const char* empty; const char* full; } cases[] = {
            {TSCGCellParam::ctCaption, "C", "C"},
            {TSCGCellParam::ctCellText, "C", "T"},
            {TSCGCellParam::ctHeader, "C", "CT"},
            {TSCGCellParam::ctFooter, "C", "TC"},
            {TSCGCellParam::ctTop, "\nC", "T\nC"},
            {TSCGCellParam::ctBottom, "C\n", "C\nT"},
        };
        for (const auto& c : cases) {
            p.captionType = c.type;
            QCOMPARE(p.compose({}), QString(c.empty));
            QCOMPARE(p.compose("T"), QString(c.full));
        }
        p.caption.clear();
        p.captionType = TSCGCellParam::ctCaption;
        QCOMPARE(p.compose("T"), QStringLiteral("T"));
    }

    void outOfRangeCellsAreIgnored()
    {
        TStrColGrid g;
        g.setRowCount(3);
        g.setCell(5, 0, "x");
        g.setCell(0, 3, "x");
        g.setCell(-1, 0, "x");
        QCOMPARE(g.cell(5, 0), QString());
        g.setCell(1, 2, "kept");
        g.setColumnCount(3);
        QCOMPARE(g.cell(1, 2), QStringLiteral("kept"));
    }

    void summaryGeometryFits()
    {
        TStrColGrid g;
        makeSummary(g);
        QCOMPARE(g.cellRect(0, 0), QRect(2, 2, 85, 19));
        QCOMPARE(g.cellRect(1, 1), QRect(2 + 86, 2 + 20, 208, 19));
        QCOMPARE(g.cellRect(4, 25).bottom() + 1, 2 + 26 * 20 - 1);
        QVERIFY(g.fullSize().height() <= 525);
    }

    void cellsAreDrawnByTheirParameters()
    {
        TStrColGrid g;
        makeSummary(g);
        g.setColor(QColor(255, 251, 240));
        g.setFixedColor(QColor(255, 235, 161));
        TSCGCellParam grey = range(0, 4, 24, 25, {});
        grey.cellColor = QColor(227, 227, 227);
        grey.cellColorEnabled = true;
        g.cellParams() << grey;
        const QImage img = g.grab().toImage();

        const QRect fixedCell = g.cellRect(1, 0);
        QCOMPARE(img.pixelColor(fixedCell.center()), QColor(255, 235, 161));
        // The raised edge of a caption cell.
        QCOMPARE(img.pixelColor(fixedCell.topLeft() + QPoint(3, 0)), QColor(255, 255, 255));
        QCOMPARE(img.pixelColor(fixedCell.bottomRight() - QPoint(3, 0)), QColor(128, 128, 128));
        QCOMPARE(img.pixelColor(g.cellRect(1, 5).center()), QColor(255, 251, 240));
        QCOMPARE(img.pixelColor(g.cellRect(2, 24).center()), QColor(227, 227, 227));
        // A grid line between two data cells.
        const QRect data = g.cellRect(1, 5);
        QCOMPARE(img.pixelColor(data.right() + 1, data.center().y()), QColor(192, 192, 192));
    }

    void textIsPlacedByAlignmentAndBands()
    {
        TStrColGrid g;
        g.setRowCount(2);
        g.setColumnCount(1);
        g.setColumnWidth(0, 120);
        g.setDefaultRowHeight(40);
        g.resize(g.fullSize());
        g.setCell(0, 1, "■");
        const auto inkColumns = [&](int row) {
            const QImage img = g.grab().toImage();
            const QRect r = g.cellRect(0, row);
            int first = -1, last = -1;
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    if (img.pixelColor(x, y).lightness() < 128) {
                        if (first < 0)
                            first = x - r.left();
                        last = x - r.left();
                    }
            return std::pair(first, last);
        };
        const auto left = inkColumns(1);
        QVERIFY(left.first >= 2 && left.first < 10);

        TSCGCellParam right = single(0, 1, {});
        right.alignment = Qt::AlignRight;
        g.cellParams() << right;
        const auto rightInk = inkColumns(1);
        QVERIFY(rightInk.second > 110 && rightInk.second <= 118);

        // Wider strokes with a font width of 3.
        g.cellParams().last().fontWidth = 3;
        const auto wide = inkColumns(1);
        QCOMPARE(wide.second - wide.first, rightInk.second - rightInk.first + 2);
    }

    void focusFrameDotsStandOutOnAnyColour()
    {
        QWidget window;
        auto* g = new TStrColGrid(&window);
        g->setRowCount(3);
        g->setColumnCount(2);
        g->resize(g->fullSize());
        g->setColor(QColor(128, 128, 128));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        g->setFocus();
        QVERIFY(g->hasFocus());
        const QRect current = g->cellRect(g->currentCell().x(), g->currentCell().y());
        const QPoint corner = current.topLeft();

        // On grey the inverse is too close, so the dots are white.
        QCOMPARE(g->grab().toImage().pixelColor(corner), QColor(255, 255, 255));
        g->setColor(Qt::white);
        QCOMPARE(g->grab().toImage().pixelColor(corner), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestStrCGrid)
#include "tst_StrCGrid.moc"
