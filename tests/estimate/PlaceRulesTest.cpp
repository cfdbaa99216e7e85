#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace lumenta;

TEST(Reset, ShowsTheFixedChargesAndPresetsThreeFlags)
{
    Shown s;
    EXPECT_EQ(s.view.text[Control::SsEditTuyaShikai], "¥52,000");
    EXPECT_EQ(s.view.text[Control::SsEditKokuShikai], "¥52,000");
    EXPECT_EQ(s.view.text[Control::SsEditKaso], "¥48,300");
    EXPECT_EQ(s.view.text[Control::SsEditTubo], "¥12,075");
    EXPECT_EQ(s.view.text[Control::SsEditKokoro], "¥20,000");
    EXPECT_EQ(s.view.text.count(Control::SsEditMap), 0u);
    EXPECT_EQ(s.view.text[Control::LblMapInfo1], "");
    EXPECT_EQ(s.view.text[Control::LblMapInfo], "");

    const auto& st = s.estimate.state();
    for (std::size_t f = 0; f < kFlagCount; ++f) {
        const bool preset = f == std::size_t(Flag::returnGiftsChosen) || f == std::size_t(Flag::flowersChosen) ||
                            f == std::size_t(Flag::spareChosen);
        EXPECT_EQ(st.flags[f], preset) << "flag " << f + 1;
    }
    Currency fixed;
    for (Currency c : st.amounts)
        fixed += c;
    EXPECT_EQ(fixed, 184'375_yen);

    EXPECT_EQ(s.estimate.grid().cell(0, 1), "　火葬料金");
    EXPECT_EQ(s.estimate.grid().cell(0, 11), "　ﾄﾞﾗｲｱｲｽ");
    EXPECT_EQ(s.estimate.grid().cell(0, 23), "　返礼品");
    EXPECT_EQ(s.estimate.grid().cell(0, 24), "");
    EXPECT_EQ(s.estimate.grid().cell(1, 1), "");
}

TEST(HallRule, NamesTheHallAndUsesTheKanjiSpelling)
{
    Shown s;
    s.estimate.chooseHall(1);
    EXPECT_EQ(s.view.text[Control::LblMapInfo1], "選択の式場は");
    EXPECT_EQ(s.view.text[Control::LblMapInfo], "堀之内斎場");
    EXPECT_EQ(s.view.text[Control::SsEditMap], "¥236,775");
    EXPECT_EQ(s.line(4), (std::array<std::string, 4>{"　堀之内斎場", "1", "¥236,775", "¥236,775"}));
    EXPECT_EQ(s.estimate.state()[Slot::hallFee], 236'775_yen);
}

TEST(HallRule, RoadCrossingHallDisablesTheTrolleyAndRaisesHearsePrices)
{
    Shown s;
    s.estimate.chooseHall(3);
    EXPECT_EQ(s.view.text[Control::LblMapInfo], "落合斎場");
    EXPECT_EQ(s.line(4)[0], "　落合斎場");
    EXPECT_FALSE(s.view.enabled[Control::RBtnReikyu1]);
    EXPECT_EQ(s.view.text[Control::RBtnReikyu2], "普通車（18,522円）");
    EXPECT_EQ(s.view.text[Control::RBtnReikyu3], "指定車（38,066円）");

    s.estimate.chooseHall(5);
    EXPECT_TRUE(s.view.enabled[Control::RBtnReikyu1]);
    EXPECT_EQ(s.view.text[Control::RBtnReikyu2], "普通車（13,958円）");
    EXPECT_EQ(s.view.text[Control::RBtnReikyu3], "指定車（32,476円）");
}

// After a change of hall nothing of a hearse stays on the screens: its
// line and picture are as before any pick, and the map says why, once a
// hearse had been chosen; a hearse chosen again takes the note away.
TEST(HallRule, ChangingTheHallClearsTheHearseItsLineAndPicture)
{
    const struct {
        const char* name;
        int hearse; // 0: none chosen before the change
    } rows[] = {{"hearse chosen", 3}, {"no hearse chosen", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Shown s;
        s.estimate.chooseHall(1);
        s.estimate.chooseHearse(row.hearse, 1);
        ASSERT_EQ(s.estimate.state()[Flag::hearseChosen], row.hearse != 0);
        EXPECT_FALSE(s.view.visible[Control::LblMapNote]);

        s.estimate.chooseHall(3);
        EXPECT_FALSE(s.estimate.state()[Flag::hearseChosen]);
        EXPECT_EQ(s.estimate.state()[Slot::hearseFee], 0_yen);
        EXPECT_EQ(s.view.text[Control::SsEditReikyu], "");
        for (Control b : {Control::RBtnReikyu1, Control::RBtnReikyu2, Control::RBtnReikyu3})
            EXPECT_FALSE(s.view.checked[b]) << controlName(b);
        EXPECT_EQ(s.line(7), (std::array<std::string, 4>{}));
        EXPECT_EQ(s.view.picture[Control::ImgReikyu], "Img94");
        EXPECT_EQ(s.view.visible[Control::LblMapNote], row.hearse != 0);
        if (row.hearse) {
            EXPECT_EQ(s.view.text[Control::LblMapNote], "式場が変わったため、\n霊柩車を選び直して下さい");
        }

        // A second change before a new pick leaves the note as it is.
        s.estimate.chooseHall(5);
        EXPECT_EQ(s.view.visible[Control::LblMapNote], row.hearse != 0);
        s.estimate.chooseHearse(2, 5);
        EXPECT_FALSE(s.view.visible[Control::LblMapNote]);
        EXPECT_EQ(s.line(7), (std::array<std::string, 4>{"　普通車", "1", "¥13,958", "¥13,958"}));
    }
}

TEST(HallRule, PickingTheSameHallTwiceEqualsPickingItOnce)
{
    Shown once, twice;
    once.estimate.chooseHall(2);
    twice.estimate.chooseHall(2);
    twice.estimate.chooseHall(2);
    EXPECT_EQ(once.estimate.state().amounts, twice.estimate.state().amounts);
    EXPECT_EQ(once.estimate.state().flags, twice.estimate.state().flags);
    EXPECT_EQ(once.view.text, twice.view.text);

    // Nor does the same hall again undo the hearse chosen for it.
    twice.estimate.chooseHearse(2, 2);
    twice.estimate.chooseHall(2);
    EXPECT_TRUE(twice.estimate.state()[Flag::hearseChosen]);
    EXPECT_EQ(twice.estimate.state()[Slot::hearseFee], 13'958_yen);
    EXPECT_EQ(twice.line(7), (std::array<std::string, 4>{"　普通車", "1", "¥13,958", "¥13,958"}));
    EXPECT_FALSE(twice.view.visible[Control::LblMapNote]);
}

TEST(DistanceRule, PricesTheNonMonotonicTariff)
{
    const Currency expected[] = {18'522_yen, 22'932_yen, 27'342_yen, 31'892_yen, 26'302_yen, 40'712_yen, 45'276_yen};
    Shown s;
    Currency priced[7];
    for (int i = 0; i < 7; ++i) {
        s.estimate.chooseDistance(i);
        priced[i] = s.estimate.state()[Slot::transportFee];
        EXPECT_EQ(priced[i], expected[i]) << i;
        EXPECT_EQ(s.view.text[Control::SsEditHanso], formatYen(expected[i]));
    }
    s.estimate.chooseDistance(0);
    EXPECT_EQ(s.line(6), (std::array<std::string, 4>{"　移動距離： 10kmまで", "1", "¥18,522", "¥18,522"}));
    // The fifth distance costs less than the third: the tariff is not sorted.
    EXPECT_LT(priced[4], priced[2]);
}

TEST(StorageRule, SplitsStorageAndDryIceAndRewritesTheLabel)
{
    Shown s;
    s.estimate.chooseStorage(3);
    EXPECT_EQ(s.estimate.state()[Slot::storageFee], 47'730_yen);
    EXPECT_EQ(s.view.text[Control::SsEditHokan], "¥47,730");
    EXPECT_EQ(s.view.text[Control::LblHokan], "通夜は　　　　　　日後 （霊安室に 5日保管 + ﾄﾞﾗｲｱｲｽ 1日分）");
    EXPECT_EQ(s.line(2), (std::array<std::string, 4>{"　冷蔵保管（安置）の日数", "5", "¥7,875", "¥39,375"}));

    s.estimate.chooseStorage(0);
    EXPECT_EQ(s.estimate.state()[Slot::storageFee], 24'105_yen);
    EXPECT_EQ(s.view.text[Control::LblHokan], "通夜は　　　　　　日後 （霊安室に 2日保管 + ﾄﾞﾗｲｱｲｽ 1日分）");
}

TEST(StorageRule, WithoutASelectionOnlyMarksTheItem)
{
    Shown s;
    s.estimate.chooseStorage(-1);
    EXPECT_TRUE(s.estimate.state()[Flag::storageDaysChosen]);
    EXPECT_EQ(s.estimate.state()[Slot::storageFee], 0_yen);
    EXPECT_EQ(s.view.text.count(Control::SsEditHokan), 0u);
}

TEST(ProceduresRule, FamilyDoingItShowsZeroEverywhere)
{
    Shown s;
    s.estimate.chooseProcedures(true);
    EXPECT_EQ(s.line(15), (std::array<std::string, 4>{"　死亡届け", "1", "¥15,750", "¥15,750"}));
    s.estimate.chooseProcedures(false);
    EXPECT_EQ(s.view.text[Control::SsEditShindan], "¥0");
    EXPECT_EQ(s.line(15), (std::array<std::string, 4>{"　死亡届け", "0", "¥0", "¥0"}));
}

TEST(ItemRules, EveryPickEmptiesAShownTotal)
{
    Shown s;
    s.decideAll();
    using Pick = void (*)(Estimate&);
    const Pick picks[] = {
        [](Estimate& e) { e.chooseDistance(3); },
        [](Estimate& e) { e.chooseStorage(1); },       [](Estimate& e) { e.chooseProcedures(false); },
        [](Estimate& e) { e.chooseCoffin(4); },        [](Estimate& e) { e.chooseAltar(2); },
        [](Estimate& e) { e.chooseMakeup(false); },    [](Estimate& e) { e.choosePortrait(false); },
        [](Estimate& e) { e.chooseReturnGifts(1, 2, 3); }, [](Estimate& e) { e.chooseFlowers(1, 1); },
        [](Estimate& e) { e.chooseReception(false); }, [](Estimate& e) { e.chooseWakeFood(2, true); },
        [](Estimate& e) { e.chooseCeremonyFood(1, 1); }, [](Estimate& e) { e.chooseHearse(1, 2); },
        [](Estimate& e) { e.chooseAfterAltar(false); },
        [](Estimate& e) { e.chooseHall(2); },  // last: it also undecides the hearse
    };
    for (std::size_t i = 0; i < std::size(picks); ++i) {
        ASSERT_FALSE(s.estimate.calculate(false).has_value());
        ASSERT_NE(s.view.text[Control::SsEditGokei], "");
        picks[i](s.estimate);
        EXPECT_EQ(s.view.text[Control::SsEditGokei], "") << "pick " << i;
        EXPECT_FALSE(s.estimate.totalShown()) << "pick " << i;
    }
}
