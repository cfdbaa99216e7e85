#include "SheetText.h"

#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace lumenta;

TEST(SheetText, CopiesGridRowsAroundTheAltarIncludedLines)
{
    Shown s;
    s.decideAll();
    ASSERT_FALSE(s.estimate.calculate(true).has_value());
    const SheetText sheet = buildSheetText(s.estimate.grid(), s.estimate.state());

    const int gridRowOfLine[SheetText::kLines] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0,  0,  10, 11, 12, 13, 0,
                                                  14, 0,  0,  0,  0,  0,  15, 16, 0,  17, 18, 19, 20, 21, 22, 23};
    for (int n = 0; n < SheetText::kLines; ++n) {
        const auto& fields = sheet.lines[n];
        if (gridRowOfLine[n] == 0) {
            EXPECT_EQ(fields[2], "1") << "line " << n + 1;
            EXPECT_EQ(fields[3], "祭壇に含む");
            EXPECT_EQ(fields[4], "祭壇に含む");
            EXPECT_EQ(fields[0].rfind("　", 0), 0u);
            continue;
        }
        for (int c = 0; c < SummaryGrid::kColumns; ++c)
            EXPECT_EQ(fields[c], s.estimate.grid().cell(c, gridRowOfLine[n])) << "line " << n + 1 << " col " << c;
    }
    EXPECT_EQ(sheet.lines[9][0], "　宗教者用具");
    EXPECT_EQ(sheet.lines[9][1], "　経机 大香炉 燭台 りん 木魚 木柾 曲録など");
    EXPECT_EQ(sheet.lines[24][1], "　設営と撤去、運搬の人件費");

    EXPECT_EQ(sheet.subtotal, "¥865,960");
    EXPECT_EQ(sheet.discount, "-¥43,298");
    EXPECT_EQ(sheet.total, "¥822,662");
    EXPECT_EQ(sheet.version, "Ver. 1.00（2007.01.31版Software）");
}

TEST(SheetText, WithoutDiscountShowsZeroAndEqualTotals)
{
    Shown s;
    s.decideAll();
    ASSERT_FALSE(s.estimate.calculate(false).has_value());
    const SheetText sheet = buildSheetText(s.estimate.grid(), s.estimate.state());
    EXPECT_EQ(sheet.discount, "¥0");
    EXPECT_EQ(sheet.total, sheet.subtotal);
}
