#include "EstimateRecord.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace lumenta;

namespace {

// Parses a money text of the grid ("¥1,234", "-¥5") back into yen.
std::int64_t yenOf(const std::string& text)
{
    std::int64_t value = 0;
    for (char c : text)
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    return text.rfind('-', 0) == 0 ? -value : value;
}

std::int64_t lineAmount(const Estimate& e, int row) { return yenOf(e.grid().cell(4, row)); }

} // namespace

TEST(Calculation, RefusesAtTheFirstUndecidedItemInFlagOrder)
{
    Shown s;
    struct Step {
        std::function<void(Estimate&)> decide;
        std::string message;
        int step;
    };
    const Step steps[] = {
        {[](Estimate& e) { e.chooseHall(6); }, "　火葬場が選択されていない為、計算ができません", 1},
        {[](Estimate& e) { e.chooseDistance(1); }, "　安置場所の距離が選択されていない為、計算ができません", 1},
        {[](Estimate& e) { e.chooseStorage(2); }, "　保管日数が選択されていない為、計算ができません", 1},
        {[](Estimate& e) { e.chooseProcedures(true); }, "　手続き代行の有無を選択されていない為、計算ができません", 1},
        {[](Estimate& e) { e.chooseCoffin(1); }, "　棺の種類が選択されていない為、計算ができません", 2},
        {[](Estimate& e) { e.chooseAltar(1); }, "　祭壇の種類が選択されていない為、計算ができません", 2},
        {[](Estimate& e) { e.chooseMakeup(true); }, "　死化粧の有無を選択されていない為、計算ができません", 2},
        {[](Estimate& e) { e.choosePortrait(true); }, "　遺影写真の有無を選択されていない為、計算ができません", 2},
        {[](Estimate& e) { e.chooseReception(true); }, "　受付設備の有無を選択されていない為、計算ができません", 3},
        {[](Estimate& e) { e.chooseWakeFood(1, false); }, "　通夜のお料理が選択されていない為、計算ができません", 3},
        {[](Estimate& e) { e.chooseCeremonyFood(1, 1); }, "　告別式のお料理や数量が選択されていない為、計算ができません", 4},
        {[](Estimate& e) { e.chooseHearse(2, 6); }, "　霊柩車が選択されていない為、計算ができません", 4},
        {[](Estimate& e) { e.chooseAfterAltar(true); }, "　後飾りの有無を選択されていない為、計算ができません", 5},
    };
    for (const Step& step : steps) {
        const auto refusal = s.estimate.calculate(false);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, (Refusal{step.message, step.step}));
        // A refusal writes nothing.
        EXPECT_EQ(s.view.text[Control::SsEditGokei], "");
        EXPECT_EQ(s.view.enabled.count(Control::plBtnPrint), 0u);
        EXPECT_EQ(s.estimate.grid().cell(1, 1), "");
        step.decide(s.estimate);
    }
    EXPECT_FALSE(s.estimate.calculate(false).has_value());
    EXPECT_TRUE(s.view.enabled[Control::plBtnPrint]);
}

TEST(Calculation, TotalsTheSlotsAndWritesItsOwnLines)
{
    Shown s;
    s.decideAll();
    ASSERT_FALSE(s.estimate.calculate(false).has_value());
    const auto& st = s.estimate.state();
    // 184,375 fixed + hall 236,775 + transport 18,522 + storage 24,105 + procedures 15,750
    // + coffin 47,300 + altar 105,000 + make-up 26,000 + portrait 27,000 + reception 20,000
    // + wake 102,375 + 10,500 + ceremony 13,300 + 10,500 + hearse 13,958 + after-altar 10,500
    EXPECT_EQ(st.grossTotal, 865'960_yen);
    EXPECT_EQ(st.discountAmount, 0_yen);
    EXPECT_EQ(st.grandTotal, 865'960_yen);
    EXPECT_EQ(s.view.text[Control::SsEditGokei], "¥865,960");
    EXPECT_TRUE(s.estimate.totalShown());

    EXPECT_EQ(s.line(1), (std::array<std::string, 4>{"　最上等", "1", "¥48,300", "¥48,300"}));
    EXPECT_EQ(s.line(3), (std::array<std::string, 4>{"　瀬戸、桐箱、覆い一式", "1", "¥12,075", "¥12,075"}));
    EXPECT_EQ(s.line(5), (std::array<std::string, 4>{"　火葬場職員、各運転手など", "1", "¥20,000", "¥20,000"}));
    EXPECT_EQ(s.line(11), (std::array<std::string, 4>{"　通夜当日に使用", "1", "¥8,355", "¥8,355"}));
    EXPECT_EQ(s.line(16), (std::array<std::string, 4>{"　司会進行、式場と火葬場のご案内", "4", "26,000", "¥104,000"}));
    EXPECT_EQ(s.line(24), (std::array<std::string, 4>{"　うち式場費用などの小計", "", "", "¥285,075"}));
    EXPECT_EQ(s.line(25), (std::array<std::string, 4>{"　うち飲食費などの小計", "", "", "¥136,675"}));
    EXPECT_EQ(s.estimate.grid().cell(0, 24), "");

    // Calculating again rewrites the same texts.
    const SummaryGrid before = s.estimate.grid();
    ASSERT_FALSE(s.estimate.calculate(false).has_value());
    for (int r = 0; r < SummaryGrid::kRows; ++r)
        for (int c = 0; c < SummaryGrid::kColumns; ++c)
            EXPECT_EQ(s.estimate.grid().cell(c, r), before.cell(c, r));
}

TEST(Calculation, DiscountIsWholeYenSoThePrintedFiguresAddUp)
{
    Shown s;
    s.decideAll();
    s.estimate.chooseDistance(4);  // gross 873,740: 5 % is 43,687 exactly
    s.estimate.chooseFlowers(0, 1);  // + 21,000 -> 894,740: 5 % is 44,737
    s.estimate.chooseReturnGifts(0, 1, 0);  // + 5,250 -> 899,990: 5 % is 44,999.5
    ASSERT_FALSE(s.estimate.calculate(true).has_value());
    const auto& st = s.estimate.state();
    EXPECT_EQ(st.grossTotal, 899'990_yen);
    EXPECT_EQ(st.discountAmount, -44'999_yen);
    EXPECT_EQ(st.grandTotal, 854'991_yen);
    EXPECT_EQ(s.view.text[Control::SsEditGokei], "¥854,991");

    // gross, whole-yen discount, grand total; the field shows what the
    // unrounded 95 % showed.
    const struct {
        std::int64_t gross, discount, grand;
    } cases[] = {
        {123'450, -6'172, 117'278},        {1'085'270, -54'263, 1'031'007}, {1'243'470, -62'173, 1'181'297},
        {1'071'312, -53'566, 1'017'746},   {1'085'271, -54'264, 1'031'007}, {19, -1, 18},
        {10, 0, 10},                       {0, 0, 0},
    };
    for (const auto& c : cases) {
        const Currency gross = Currency::fromYen(c.gross);
        const Currency discount = discountFor(gross, true);
        EXPECT_EQ(discount, Currency::fromYen(c.discount)) << c.gross;
        EXPECT_EQ(gross + discount, Currency::fromYen(c.grand)) << c.gross;
        EXPECT_EQ(formatYen(gross + discount), formatYen(gross * Currency::fromRatio(95, 100))) << c.gross;
        EXPECT_EQ(discountFor(gross, false), Currency()) << c.gross;
    }
}

TEST(Calculation, DiscountBoxRecalculatesOnlyWhileATotalIsShown)
{
    Shown s;
    s.decideAll();
    EXPECT_FALSE(s.estimate.discountClicked(true).has_value());
    EXPECT_EQ(s.view.text.count(Control::SsEditGokei) ? s.view.text[Control::SsEditGokei] : "", "");
    EXPECT_EQ(s.estimate.state().grossTotal, 0_yen);

    ASSERT_FALSE(s.estimate.calculate(false).has_value());
    EXPECT_FALSE(s.estimate.discountClicked(true).has_value());
    EXPECT_EQ(s.view.text[Control::SsEditGokei], "¥822,662");  // 865,960 x 0.95
    EXPECT_FALSE(s.estimate.discountClicked(false).has_value());
    EXPECT_EQ(s.view.text[Control::SsEditGokei], "¥865,960");

    s.estimate.chooseAfterAltar(false);
    EXPECT_FALSE(s.estimate.discountClicked(true).has_value());
    EXPECT_EQ(s.view.text[Control::SsEditGokei], "");
    EXPECT_EQ(s.estimate.state().grossTotal, 865'960_yen);  // the last totals stay
}

// Any complete set of picks, in any order and repeated: the gross total is the
// sum of the amounts, and the grid's amounts add up to it line by line.
TEST(Calculation, GridAgreesWithTheSlotsForRandomEstimates)
{
    std::mt19937 rng(20070131);
    const auto pick = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    const auto yes = [&rng]() { return std::bernoulli_distribution(0.5)(rng); };
    Shown again; // makes each estimate again from its record, over the one before
    for (int round = 0; round < 500; ++round) {
        Shown s;
        Estimate& e = s.estimate;
        const std::function<void()> picks[] = {
            [&] { e.chooseHall(1 + pick(6)); },
            [&] { e.chooseDistance(pick(7)); },
            [&] { e.chooseStorage(pick(4)); },
            [&] { e.chooseProcedures(yes()); },
            [&] { e.chooseCoffin(pick(6)); },
            [&] { e.chooseAltar(pick(4)); },
            [&] { e.chooseMakeup(yes()); },
            [&] { e.choosePortrait(yes()); },
            // The kind's list has no selection only until one is made.
            [&] { e.chooseReturnGifts(e.choices().giftKind >= 0 ? pick(4) : pick(5) - 1, pick(13), pick(13)); },
            [&] { e.chooseFlowers(pick(11), pick(11)); },
            [&] { e.chooseReception(yes()); },
            [&] { e.chooseWakeFood(pick(4), yes()); },
            [&] { e.chooseCeremonyFood(pick(3), pick(8)); },
            [&] { e.chooseHearse(2 + pick(2), e.chosenHall()); },
            [&] { e.chooseAfterAltar(yes()); },
        };
        for (auto& p : picks)
            p();
        for (int extra = pick(20); extra > 0; --extra)
            picks[pick(15)]();
        picks[13]();  // a hall change may have undecided the hearse
        const bool discount = yes();
        ASSERT_FALSE(e.calculate(discount).has_value());

        const auto& st = e.state();
        Currency sum;
        for (Currency slot : st.amounts)
            sum += slot;
        ASSERT_EQ(st.grossTotal, sum);
        ASSERT_EQ(st.grandTotal, st.grossTotal + st.discountAmount);
        // 5 % in whole yen, a half (gross ending in 10 past a multiple of 20) rounded down.
        ASSERT_EQ(st.discountAmount, discount ? -Currency::fromYen((sum.wholeUnits() + 9) / 20) : Currency())
            << sum.raw();

        std::int64_t lines = 0;
        for (int row = 1; row <= SummaryGrid::kEstimateLines; ++row)
            lines += lineAmount(e, row);
        ASSERT_EQ(Currency::fromYen(lines), st.grossTotal) << "round " << round;
        ASSERT_EQ(lineAmount(e, 2) + lineAmount(e, 11), st[Slot::storageFee].wholeUnits());
        ASSERT_EQ(lineAmount(e, 18) + lineAmount(e, 23), st[Slot::returnGiftsFee].wholeUnits());
        ASSERT_EQ(lineAmount(e, 19) + lineAmount(e, 20) + lineAmount(e, 21),
                  (st[Slot::wakeFoodFee] + st[Slot::ceremonyFoodFee]).wholeUnits());
        ASSERT_EQ(lineAmount(e, 22), (st[Slot::wakeServingFee] + st[Slot::ceremonyServingFee]).wholeUnits());
        ASSERT_EQ(lineAmount(e, 24), (st[Slot::hallFee] + st[Slot::cremationFee]).wholeUnits());
        ASSERT_EQ(lineAmount(e, 25), (st[Slot::wakeFoodFee] + st[Slot::wakeServingFee] + st[Slot::ceremonyFoodFee] +
                                      st[Slot::ceremonyServingFee]).wholeUnits());
        ASSERT_EQ(s.view.text[Control::SsEditGokei], formatYen(st.grandTotal));

        // Its record, read back and made again over another estimate, is the same estimate.
        const EstimateRecord record = recordOf(e);
        const RecordReading back = readRecord(writeRecord(record));
        ASSERT_TRUE(back.record) << problemMessage(back) << "\n" << writeRecord(record);
        ASSERT_EQ(*back.record, record);
        again.estimate.reset();
        makeChoices(again.estimate, *back.record);
        const auto& made = again.estimate.state();
        ASSERT_EQ(made.amounts, st.amounts) << "round " << round;
        ASSERT_EQ(made.flags, st.flags);
        ASSERT_EQ(made.grandTotal, st.grandTotal);
        for (int row = 1; row < SummaryGrid::kRows; ++row)
            for (int column = 0; column < SummaryGrid::kColumns; ++column)
                ASSERT_EQ(again.estimate.grid().cell(column, row), e.grid().cell(column, row))
                    << "round " << round << " row " << row << " column " << column;
        // (The recording view keeps what the estimate before showed where this one shows nothing.)
        // A hidden note keeps its text unseen.
        for (const auto& [control, text] : s.view.text) {
            if (!s.view.visible.count(control) || s.view.visible[control]) {
                ASSERT_EQ(again.view.text[control], text) << controlName(control);
            }
        }
        for (const auto& [control, picture] : s.view.picture)
            ASSERT_EQ(again.view.picture[control], picture) << controlName(control);
        ASSERT_EQ(again.estimate.choices(), e.choices());
    }
}
