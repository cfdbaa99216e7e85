// The sheet as data: what its generators produce and what filling it writes.

#include "EstimateSheet.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QTest>

namespace sheet = lumenta::report::estimate_sheet;
using lumenta::report::ReportElement;

namespace {

bool isCell(const ReportElement& e)
{
    return !e.isLabel() && e.name.startsWith(QStringLiteral("Cell"));
}

bool contains(const QRectF& outer, const QRectF& inner)
{
    constexpr double slack = 0.005;
    return inner.left() >= outer.left() - slack && inner.right() <= outer.right() + slack &&
           inner.top() >= outer.top() - slack && inner.bottom() <= outer.bottom() + slack;
}

qsizetype indexOf(const std::vector<ReportElement>& elements, const QString& name)
{
    for (size_t i = 0; i < elements.size(); ++i)
        if (elements[i].name == name)
            return qsizetype(i);
    return -1;
}

// Every label the print fills, with the text a sheet gives it.
QList<QPair<QString, QString>> filledTexts(const lumenta::SheetText& text, const QString& date)
{
    QList<QPair<QString, QString>> texts;
    for (int line = 1; line <= sheet::kFilledLines; ++line)
        for (int column = 0; column < sheet::kColumns; ++column)
            texts.append({sheet::lineFieldName(column, line), QString::fromStdString(text.lines[line - 1][column])});
    texts.append({sheet::kSubtotalField, QString::fromStdString(text.subtotal)});
    texts.append({sheet::kDiscountField, QString::fromStdString(text.discount)});
    texts.append({sheet::kTotalField, QString::fromStdString(text.total)});
    texts.append({sheet::kVersionField, QString::fromStdString(text.version)});
    texts.append({sheet::kDateField, date});
    return texts;
}

} // namespace

class SheetLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 36 rows of five cells and two rows of four, each line field inside
    // the cell of its own column and line.
    void lineFieldsSitInTheirCells()
    {
        const TFormPrint form;
        const auto& elements = form.sheet().elements();
        QCOMPARE(std::count_if(elements.begin(), elements.end(), isCell), 36 * 5 + 2 * 4);
        for (int line = 1; line <= sheet::kFilledLines; ++line) {
            for (int column = 0; column < sheet::kColumns; ++column) {
                const ReportElement* field = form.sheet().find(sheet::lineFieldName(column, line));
                const ReportElement* cell =
                    form.sheet().find(QStringLiteral("CellLine%1_%2").arg(line, 2, 10, QLatin1Char('0')).arg(column));
                QVERIFY(field && cell);
                QVERIFY2(contains(cell->geometry, field->geometry), qPrintable(field->name));
                QCOMPARE(field->text, field->name);  // the placeholder
            }
        }
        QCOMPARE(form.sheet().text(sheet::kDateField), QStringLiteral("平成99年12月31日"));
    }

    // Frame first; the heavy rules over every cell but the subtotal row's
    // content cell; each text after every rectangle it sits in.
    void drawingOrder()
    {
        const TFormPrint form;
        const auto& elements = form.sheet().elements();
        QCOMPARE(elements.front().name, QStringLiteral("QRShape189"));
        const qsizetype firstRule = indexOf(elements, QStringLiteral("QRShape190"));
        const qsizetype lateCell = indexOf(elements, QStringLiteral("CellSubtotal_1"));
        QVERIFY(firstRule > 0 && lateCell > firstRule);
        for (qsizetype i = 0; i < qsizetype(elements.size()); ++i) {
            if (isCell(elements[size_t(i)]) && i != lateCell)
                QVERIFY2(i < firstRule, qPrintable(elements[size_t(i)].name));
        }
        for (size_t i = 0; i < elements.size(); ++i) {
            if (!elements[i].isLabel())
                continue;
            for (size_t j = i + 1; j < elements.size(); ++j) {
                const bool coversLabel = !elements[j].isLabel() && contains(elements[j].geometry, elements[i].geometry);
                QVERIFY2(!coversLabel, qPrintable(elements[i].name + QStringLiteral(" under ") + elements[j].name));
            }
        }
    }

    // Every print writes all 165 texts: an empty grid cell empties the
    // field, nothing of the previous print or of the placeholders remains.
    void fillWritesEveryTextAnew()
    {
        TFormPrint form;
        form.fill(samples::discountedEstimate(), QStringLiteral("令和08年12月07日"));
        lumenta::SheetText second = samples::plainEstimate();
        for (auto& line : second.lines)
            line[2].clear();
        second.discount.clear();
        form.fill(second, QStringLiteral("平成19年01月31日"));

        const auto expected = filledTexts(second, QStringLiteral("平成19年01月31日"));
        QCOMPARE(expected.size(), 165);
        for (const auto& [name, text] : expected)
            QCOMPARE(form.sheet().text(name), text);
        QCOMPARE(form.sheet().text(sheet::lineFieldName(3, 10)), QStringLiteral("祭壇に含む"));
        QCOMPARE(form.sheet().text(sheet::kVersionField), QStringLiteral("Ver. 1.00（2007.01.31版Software）"));
    }
};

QTEST_MAIN(SheetLayoutTest)
#include "tst_sheet_layout.moc"
