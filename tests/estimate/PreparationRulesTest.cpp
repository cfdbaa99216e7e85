#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace lumenta;

TEST(CoffinRule, PricesBothLengthsAndSharesPicturesBetweenThem)
{
    Shown s;
    s.estimate.chooseCoffin(5);
    EXPECT_EQ(s.estimate.state()[Slot::coffinFee], 88'200_yen);
    EXPECT_EQ(s.view.picture[Control::ImgHitugi1], "Img53");
    EXPECT_EQ(s.line(10), (std::array<std::string, 4>{"　雅（6.25尺）", "1", "¥88,200", "¥88,200"}));
    s.estimate.chooseCoffin(3);
    EXPECT_EQ(s.view.picture[Control::ImgHitugi1], "Img51");
    EXPECT_EQ(s.view.text[Control::SsEditHitugi], "¥49,900");
    s.estimate.chooseCoffin(0);
    EXPECT_EQ(s.view.picture[Control::ImgHitugi1], "Img51");
}

TEST(AltarRule, WritesTheShortNameWithoutTheCaptionsTrailingSpace)
{
    Shown s;
    s.estimate.chooseAltar(0);
    EXPECT_EQ(s.estimate.state()[Slot::altarFee], 105'000_yen);
    EXPECT_EQ(s.line(8)[0], "　白木5尺");
    EXPECT_EQ(s.view.picture[Control::ImgSaidan1], "Img61");
    s.estimate.chooseAltar(3);
    EXPECT_EQ(s.view.text[Control::SsEditSaidan], "¥294,000");
    EXPECT_EQ(s.view.picture[Control::ImgSaidan1], "Img64");
}

TEST(YesNoRules, DecliningShowsZeroWithTheSameContent)
{
    Shown s;
    s.estimate.chooseMakeup(true);
    s.estimate.choosePortrait(true);
    EXPECT_EQ(s.line(12), (std::array<std::string, 4>{"　ﾗｽﾄﾒｲｸ", "1", "¥26,000", "¥26,000"}));
    EXPECT_EQ(s.line(13), (std::array<std::string, 4>{"　ｶﾗｰ四切り(祭壇用・お別用・手札各1)", "1", "¥27,000", "¥27,000"}));
    s.estimate.chooseMakeup(false);
    s.estimate.choosePortrait(false);
    EXPECT_EQ(s.line(12), (std::array<std::string, 4>{"　ﾗｽﾄﾒｲｸ", "0", "¥0", "¥0"}));
    EXPECT_EQ(s.line(13), (std::array<std::string, 4>{"　ｶﾗｰ四切り(祭壇用・お別用・手札各1)", "0", "¥0", "¥0"}));
    EXPECT_EQ(s.view.text[Control::SsEditKesho], "¥0");
    EXPECT_EQ(s.view.text[Control::SsEditIei], "¥0");
}

TEST(ReturnGiftsRule, LettersAloneWithNoKindChosen)
{
    Shown s;
    s.estimate.chooseReturnGifts(-1, 0, 3);
    EXPECT_EQ(s.estimate.state()[Slot::returnGiftsFee], 2'520_yen);
    EXPECT_EQ(s.line(23), (std::array<std::string, 4>{"　", "0", "¥0", "¥0"}));
    EXPECT_EQ(s.line(18), (std::array<std::string, 4>{"　会葬客へのお礼状", "30", "¥84", "¥2,520"}));
    EXPECT_EQ(s.view.picture.count(Control::Imghenrei), 0u);
    EXPECT_EQ(s.view.visible.count(Control::LblImgHenrei), 0u);
}

TEST(ReturnGiftsRule, GiftsAndLettersShareOneSlot)
{
    Shown s;
    s.estimate.chooseReturnGifts(1, 5, 4);
    EXPECT_EQ(s.estimate.state()[Slot::returnGiftsFee], 45'360_yen);
    EXPECT_EQ(s.view.text[Control::SsEditHenrei], "¥45,360");
    EXPECT_EQ(s.line(23), (std::array<std::string, 4>{"　お茶　（840円）", "50", "¥840", "¥42,000"}));
    EXPECT_EQ(s.line(18)[3], "¥3,360");
    EXPECT_EQ(s.view.picture[Control::Imghenrei], "Img92");
    EXPECT_FALSE(s.view.visible[Control::LblImgHenrei]);

    s.estimate.chooseReturnGifts(2, 12, 12);
    EXPECT_EQ(s.estimate.state()[Slot::returnGiftsFee], 388'080_yen);
    EXPECT_TRUE(s.view.visible[Control::LblImgHenrei]);
}

TEST(ReturnGiftsRule, NoGiftsResetsTheCountAndKeepsTheLetters)
{
    Shown s;
    s.estimate.chooseReturnGifts(0, 5, 2);
    s.estimate.chooseReturnGifts(3, 5, 2);
    EXPECT_EQ(s.view.index[Control::CBoxHenrei2], 0);
    EXPECT_EQ(s.view.picture[Control::Imghenrei], "Img94");
    EXPECT_FALSE(s.view.visible[Control::LblImgHenrei]);
    EXPECT_EQ(s.estimate.state()[Slot::returnGiftsFee], 1'680_yen);
    EXPECT_EQ(s.line(23), (std::array<std::string, 4>{"　－返礼品は不要", "0", "¥0", "¥0"}));

    // While "no gifts" stays chosen, every run of the rule sets the count back.
    s.view.index.clear();
    s.estimate.chooseReturnGifts(3, 4, 2);
    EXPECT_EQ(s.view.index[Control::CBoxHenrei2], 0);
    EXPECT_EQ(s.line(23)[1], "0");
    EXPECT_EQ(s.estimate.state()[Slot::returnGiftsFee], 1'680_yen);
}

TEST(ReturnGiftsRule, NeverBlocksTheCalculation)
{
    Shown s;
    s.decideAll();
    EXPECT_FALSE(s.estimate.calculate(false).has_value());
    EXPECT_FALSE(s.estimate.state()[Flag::returnGiftsChosen] == false);
}
