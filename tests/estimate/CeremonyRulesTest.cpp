#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace lumenta;

TEST(WakeFoodRule, PricesSetsDrinksAndStaff)
{
    Shown s;
    s.estimate.chooseWakeFood(0, false);
    EXPECT_EQ(s.estimate.state()[Slot::wakeFoodFee], 102'375_yen);
    EXPECT_EQ(s.estimate.state()[Slot::wakeServingFee], 10'500_yen);
    EXPECT_EQ(s.line(19), (std::array<std::string, 4>{"　30人分", "1", "¥91,875", "¥91,875"}));
    EXPECT_TRUE(s.view.enabled[Control::ChkTuyaryori]);

    s.estimate.chooseWakeFood(2, true);
    EXPECT_EQ(s.estimate.state()[Slot::wakeFoodFee], 179'200_yen);
    EXPECT_EQ(s.view.text[Control::SsEditTuyaRyori], "¥179,200");
    s.estimate.chooseWakeFood(2, false);
    EXPECT_EQ(s.estimate.state()[Slot::wakeFoodFee], 146'125_yen);
    // Index order differs from the screen's reading order: index 1 is 80 people.
    s.estimate.chooseWakeFood(1, false);
    EXPECT_EQ(s.line(19)[0], "　80人分");
    EXPECT_EQ(s.view.text[Control::SsEditTuyaHaizen], "¥21,000");
}

TEST(CeremonyFoodRule, PricesDishPerPersonWithDrinks)
{
    Shown s;
    s.estimate.chooseCeremonyFood(2, 7);
    EXPECT_EQ(s.estimate.state()[Slot::ceremonyFoodFee], 182'000_yen);
    EXPECT_EQ(s.estimate.state()[Slot::ceremonyServingFee], 21'000_yen);
    EXPECT_EQ(s.line(20), (std::array<std::string, 4>{"　さくら （4,200円）", "40", "¥4,200", "¥168,000"}));
    EXPECT_EQ(s.view.picture[Control::ImgKokuRyori], "Img133");
    EXPECT_TRUE(s.estimate.state()[Flag::ceremonyFoodChosen]);
}

TEST(CeremonyFoodRule, HalfAChoiceIsNotADecision)
{
    Shown s;
    s.estimate.chooseCeremonyFood(-1, 3);
    EXPECT_FALSE(s.estimate.state()[Flag::ceremonyFoodChosen]);
    EXPECT_EQ(s.estimate.state()[Slot::ceremonyFoodFee], 7'000_yen);  // drinks only
    EXPECT_EQ(s.line(20)[0], "　");
    EXPECT_EQ(s.view.picture.count(Control::ImgKokuRyori), 0u);

    Shown t;
    t.decideAll();
    t.estimate.chooseCeremonyFood(1, -1);
    EXPECT_EQ(t.estimate.state()[Slot::ceremonyFoodFee], 0_yen);
    const auto refusal = t.estimate.calculate(false);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, "　告別式のお料理や数量が選択されていない為、計算ができません");
    EXPECT_EQ(refusal->step, 4);
}

TEST(SharedFoodLines, CoverBothDaysWhicheverRuleRanLast)
{
    const std::array<std::string, 4> drinks{"　通夜・告別式両日人数分", "70", "¥350", "¥24,500"};
    const std::array<std::string, 4> serving{"　通夜及び葬儀、告別式両日", "2", "¥10,500", "¥21,000"};

    Shown wakeFirst;
    wakeFirst.estimate.chooseWakeFood(2, false);
    wakeFirst.estimate.chooseCeremonyFood(0, 3);
    EXPECT_EQ(wakeFirst.line(21), drinks);
    EXPECT_EQ(wakeFirst.line(22), serving);

    Shown ceremonyFirst;
    ceremonyFirst.estimate.chooseCeremonyFood(0, 3);
    ceremonyFirst.estimate.chooseWakeFood(2, false);
    EXPECT_EQ(ceremonyFirst.line(21), drinks);
    EXPECT_EQ(ceremonyFirst.line(22), serving);

    // The food amounts hold all drinks: each day its own guests.
    const auto& st = wakeFirst.estimate.state();
    EXPECT_EQ(st[Slot::wakeFoodFee] + st[Slot::ceremonyFoodFee], 7_yen * 18'375 + 20_yen * 2'310 + 70_yen * 350);
}

TEST(FlowersRule, CountsStandsAndLeavesTheUnitPriceEmpty)
{
    Shown s;
    s.estimate.chooseFlowers(2, 1);
    EXPECT_EQ(s.estimate.state()[Slot::flowersFee], 52'500_yen);
    EXPECT_EQ(s.line(9), (std::array<std::string, 4>{"　菊花：15,750円 / 洋花：21,000円", "3", "", "¥52,500"}));
    EXPECT_EQ(s.view.text[Control::SsEditSeika], "¥52,500");
}

TEST(ReceptionAndAfterAltar, DecliningShowsZeroButKeepsTheirQuantities)
{
    Shown s;
    s.estimate.chooseReception(false);
    s.estimate.chooseAfterAltar(false);
    EXPECT_EQ(s.line(17), (std::array<std::string, 4>{"　ﾃｰﾌﾞﾙ・椅子・会葬ｶｰﾄﾞ・筆記具など", "0", "¥0", "¥0"}));
    EXPECT_EQ(s.line(14), (std::array<std::string, 4>{"　1段後飾り", "1", "¥0", "¥0"}));
    s.estimate.chooseReception(true);
    s.estimate.chooseAfterAltar(true);
    EXPECT_EQ(s.view.text[Control::SsEditUketuke], "¥20,000");
    EXPECT_EQ(s.view.text[Control::SsEditAto], "¥10,500");
}

TEST(HearseRule, PriceDependsOnTheHall)
{
    Shown s;
    s.estimate.chooseHearse(2, 0);  // before any hall: the usual prices
    EXPECT_EQ(s.estimate.state()[Slot::hearseFee], 13'958_yen);
    s.estimate.chooseHall(3);
    s.estimate.chooseHearse(2, 3);
    EXPECT_EQ(s.estimate.state()[Slot::hearseFee], 18'522_yen);
    EXPECT_EQ(s.line(7), (std::array<std::string, 4>{"　普通車", "1", "¥18,522", "¥18,522"}));
    EXPECT_EQ(s.view.picture[Control::ImgReikyu], "Img152");
    s.estimate.chooseHearse(3, 3);
    EXPECT_EQ(s.view.text[Control::SsEditReikyu], "¥38,066");
    s.estimate.chooseHall(4);
    s.estimate.chooseHearse(2, 4);
    EXPECT_EQ(s.estimate.state()[Slot::hearseFee], 13'958_yen);
    s.estimate.chooseHearse(1, 4);
    EXPECT_EQ(s.line(7), (std::array<std::string, 4>{"　台車", "1", "¥0", "¥0"}));
}
