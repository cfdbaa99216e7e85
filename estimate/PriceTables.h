#pragma once

// Every price, option text and message of the estimate, as tables, and
// every text of the screens that names a price. Amounts are whole yen with
// the consumption tax included. A text that names a price holds "{}" where
// withPrices puts the price in, so that a price is written only here.

#include "ControlNames.h"
#include "Currency.h"
#include "EstimateState.h"
#include "SummaryGrid.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace lumenta::prices {

// Step 1: place.
struct Hall {
    std::string_view name;  // as written to the hall label and the grid
};
inline constexpr std::array<Hall, 6> kHalls = {{
    {"堀之内斎場"}, {"代々幡斎場"}, {"落合斎場"}, {"町屋斎場"}, {"四ツ木斎場"}, {"桐ヶ谷斎場"},
}};
inline constexpr int kRoadCrossingHall = 3;  // 落合斎場: a vehicle must cross a road
inline constexpr Currency kHallFee = 236'775_yen;

struct Distance {
    std::string_view text;  // the list entry, with its leading blank
    Currency fee;
};
// The tariff is not monotonic: the 50 km band is cheaper than 30 and 40 km.
inline constexpr std::array<Distance, 7> kDistances = {{
    {" 10", 18'522_yen}, {" 20", 22'932_yen}, {" 30", 27'342_yen}, {" 40", 31'892_yen},
    {" 50", 26'302_yen}, {" 60", 40'712_yen}, {" 70", 45'276_yen},
}};

inline constexpr Currency kStoragePerDay = 7'875_yen;
inline constexpr Currency kDryIce = 8'355_yen;
inline constexpr int kStorageChoices = 4;  // wake after 3-6 days: stored 2-5 days
inline constexpr Currency kProceduresFee = 15'750_yen;

// Step 2: preparation.
struct Option {
    std::string_view entry;    // the radio group's entry
    std::string_view name;     // as written to the grid
    Currency fee;
    std::string_view picture;  // stored picture shown for it
};
inline constexpr std::array<Option, 6> kCoffins = {{
    {"白木棺(6尺)", "白木棺（6尺）", 47'300_yen, "Img51"},
    {"布棺(6尺)", "布棺（6尺）", 51'500_yen, "Img52"},
    {"雅 (6尺)", "雅（6尺）", 75'600_yen, "Img53"},
    {"白木棺(6.25尺)", "白木棺（6.25尺）", 49'900_yen, "Img51"},
    {"布棺(6.25尺)", "布棺（6.25尺）", 58'100_yen, "Img52"},
    {"雅 (6.25尺)", "雅（6.25尺）", 88'200_yen, "Img53"},
}};
inline constexpr std::array<Option, 4> kAltars = {{
    {"白木5尺　", "白木5尺", 105'000_yen, "Img61"}, {"花1", "花1", 178'500_yen, "Img62"},
    {"花2", "花2", 199'500_yen, "Img63"},         {"花3", "花3", 294'000_yen, "Img64"},
}};
inline constexpr Currency kMakeupFee = 26'000_yen;
inline constexpr Currency kPortraitFee = 27'000_yen;

// The stored picture that holds nothing: copied into a frame, it empties it.
inline constexpr std::string_view kNoPicture = "Img94";

struct GiftKind {
    std::string_view text;     // the list entry and the grid's content
    Currency unitPrice;
    std::string_view picture;
    bool showsContents;        // LblImgHenrei lists the set's contents
    bool clearsCount;          // "no gifts" sets the gift count back to 0
};
inline constexpr std::array<GiftKind, 4> kGiftKinds = {{
    {"ﾊﾝｶﾁ （{}円）", 525_yen, "Img91", false, false},
    {"お茶　（{}円）", 840_yen, "Img92", false, false},
    {"即返し （{}円）", 3'150_yen, "Img93", true, false},
    {"－返礼品は不要", 0_yen, kNoPicture, false, true},
}};
inline constexpr int kCountChoices = 13;   // 0, 10, ... 120
inline constexpr int kCountStep = 10;
inline constexpr Currency kLetterPrice = 84_yen;
inline constexpr std::string_view kLetterLabel = "礼状 （1枚{}円）×　　　　　 枚";

// Step 3: wake.
inline constexpr Currency kChrysanthemumStand = 15'750_yen;
inline constexpr Currency kWesternStand = 21'000_yen;
inline constexpr std::string_view kStandLabel = "（1基 {}円）";  // chrysanthemums, western flowers
inline constexpr std::string_view kFlowersContent = "　菊花：{}円 / 洋花：{}円";
inline constexpr int kStandChoices = 11;  // 0-10
inline constexpr Currency kReceptionFee = 20'000_yen;

struct WakeFood {
    int guests;
    int platterSets;
    int servers;
};
// In list order: 30, 80, 50, 100 people (the screen shows two columns).
inline constexpr std::array<WakeFood, 4> kWakeFoods = {{{30, 5, 1}, {80, 11, 2}, {50, 7, 1}, {100, 14, 2}}};
inline constexpr Currency kPlatterSet = 18'375_yen;
inline constexpr Currency kPremiumNigiriExtra = 4'725_yen;
inline constexpr Currency kDrinkPerGuest = 350_yen;
inline constexpr Currency kServerFee = 10'500_yen;

// The master of ceremonies and a guide on each of the two days.
inline constexpr Currency kMcPerPersonDay = 26'000_yen;
inline constexpr int kMcStaff = 2;
inline constexpr Currency kMcPerDay = 52'000_yen;
static_assert(kMcPerDay.raw() == kMcPerPersonDay.raw() * kMcStaff);

// Step 4: farewell ceremony.
struct Dish {
    std::string_view text;
    Currency perPerson;
    std::string_view picture;
};
inline constexpr std::array<Dish, 3> kDishes = {{
    {"すずらん ({}円）", 2'310_yen, "Img131"},
    {"あけび　（{}円）", 3'465_yen, "Img132"},
    {"さくら （{}円）", 4'200_yen, "Img133"},
}};
struct Party {
    int guests;
    int servers;
};
inline constexpr std::array<Party, 8> kParties = {{{5, 1}, {10, 1}, {15, 1}, {20, 1}, {25, 1}, {30, 2}, {35, 2}, {40, 2}}};

struct Hearse {
    std::string_view kind;     // as written to the grid
    Currency fee;              // at every hall but the road-crossing one
    Currency roadCrossingFee;  // at the road-crossing hall
    std::string_view picture;
    std::string_view caption;  // the button's, with the hall's price
};
inline constexpr std::array<Hearse, 3> kHearses = {{
    {"台車", 0_yen, 0_yen, "Img151", "台 車 （無料）"},
    {"普通車", 13'958_yen, 18'522_yen, "Img152", "普通車（{}円）"},
    {"指定車", 32'476_yen, 38'066_yen, "Img153", "指定車（{}円）"},
}};
inline constexpr std::array<Control, 3> kHearseButtons = {
    Control::RBtnReikyu1, Control::RBtnReikyu2, Control::RBtnReikyu3};
// Shown by the hall map when a change of hall has undone the hearse choice.
inline constexpr std::string_view kHearseAgainNote = "式場が変わったため、\n霊柩車を選び直して下さい";

// Step 5: cremation.
inline constexpr Currency kAfterAltarFee = 10'500_yen;
// Shown for information only: the estimate is for an adult.
inline constexpr Currency kChildCremationFee = 26'500_yen;
inline constexpr std::string_view kChildCremationLabel = "（小人 ¥{}）";

// Items answered yes or no: the fee when wanted, nothing otherwise.
struct YesNoItem {
    Flag flag;
    Slot slot;
    Currency fee;
    Control field;             // money field
    Line line;
    std::string_view content;  // grid content, the same for both answers
    bool quantityFollowsAnswer;  // quantity "1"/"0"; otherwise always "1"
};
inline constexpr YesNoItem kProcedures{Flag::proceduresChosen, Slot::proceduresFee, kProceduresFee,
                                       Control::SsEditShindan, Line::procedures, "　死亡届け", true};
inline constexpr YesNoItem kMakeup{Flag::makeupChosen, Slot::makeupFee, kMakeupFee,
                                   Control::SsEditKesho, Line::makeup, "　ﾗｽﾄﾒｲｸ", true};
inline constexpr YesNoItem kPortrait{Flag::portraitChosen, Slot::portraitFee, kPortraitFee,
                                     Control::SsEditIei, Line::portrait, "　ｶﾗｰ四切り(祭壇用・お別用・手札各1)", true};
inline constexpr YesNoItem kReception{Flag::receptionChosen, Slot::receptionFee, kReceptionFee,
                                      Control::SsEditUketuke, Line::reception, "　ﾃｰﾌﾞﾙ・椅子・会葬ｶｰﾄﾞ・筆記具など", true};
inline constexpr YesNoItem kAfterAltar{Flag::afterAltarChosen, Slot::afterAltarFee, kAfterAltarFee,
                                       Control::SsEditAto, Line::afterAltar, "　1段後飾り", false};

// Fixed charges, set when the estimate is reset, with the field showing each.
struct FixedCharge {
    Slot slot;
    Currency amount;
    Control field;
};
inline constexpr std::array<FixedCharge, 5> kFixedCharges = {{
    {Slot::wakeMcFee, kMcPerDay, Control::SsEditTuyaShikai},
    {Slot::ceremonyMcFee, kMcPerDay, Control::SsEditKokuShikai},
    {Slot::cremationFee, 48'300_yen, Control::SsEditKaso},
    {Slot::urnFee, 12'075_yen, Control::SsEditTubo},
    {Slot::gratuitiesFee, 20'000_yen, Control::SsEditKokoro},
}};
constexpr Currency fixedCharge(Slot slot)
{
    for (const FixedCharge& charge : kFixedCharges)
        if (charge.slot == slot)
            return charge.amount;
    return {};
}

// The calculation's refusals, in the order in which the flags are checked.
struct FlagCheck {
    Flag flag;
    std::string_view message;
    int step;
};
inline constexpr std::array<FlagCheck, 13> kFlagChecks = {{
    {Flag::hallChosen, "　火葬場が選択されていない為、計算ができません", 1},
    {Flag::distanceChosen, "　安置場所の距離が選択されていない為、計算ができません", 1},
    {Flag::storageDaysChosen, "　保管日数が選択されていない為、計算ができません", 1},
    {Flag::proceduresChosen, "　手続き代行の有無を選択されていない為、計算ができません", 1},
    {Flag::coffinChosen, "　棺の種類が選択されていない為、計算ができません", 2},
    {Flag::altarChosen, "　祭壇の種類が選択されていない為、計算ができません", 2},
    {Flag::makeupChosen, "　死化粧の有無を選択されていない為、計算ができません", 2},
    {Flag::portraitChosen, "　遺影写真の有無を選択されていない為、計算ができません", 2},
    {Flag::receptionChosen, "　受付設備の有無を選択されていない為、計算ができません", 3},
    {Flag::wakeFoodChosen, "　通夜のお料理が選択されていない為、計算ができません", 3},
    {Flag::ceremonyFoodChosen, "　告別式のお料理や数量が選択されていない為、計算ができません", 4},
    {Flag::hearseChosen, "　霊柩車が選択されていない為、計算ができません", 4},
    {Flag::afterAltarChosen, "　後飾りの有無を選択されていない為、計算ができません", 5},
}};
inline constexpr std::array<Flag, 3> kPresetFlags = {Flag::returnGiftsChosen, Flag::flowersChosen, Flag::spareChosen};
static_assert(kFlagChecks.size() + kPresetFlags.size() == kFlagCount, "every flag is checked or preset");

inline constexpr int kDiscountPercent = 5;

// The discount box's caption, its rate in full-width digits: "総額より５％引き".
inline std::string discountBoxCaption()
{
    std::string caption = "総額より";
    for (char digit : std::to_string(kDiscountPercent)) {
        caption += "\xEF\xBC";  // U+FF10 to U+FF19
        caption += char(0x90 + (digit - '0'));
    }
    return caption + "％引き";
}

// The texts above that carry their price.
inline std::string entryText(const GiftKind& kind) { return withPrices(kind.text, {kind.unitPrice}); }
inline std::string entryText(const Dish& dish) { return withPrices(dish.text, {dish.perPerson}); }
inline std::string captionAt(const Hearse& hearse, bool roadCrossingHall)
{
    return withPrices(hearse.caption, {roadCrossingHall ? hearse.roadCrossingFee : hearse.fee});
}

// The officiants' customary offerings and posthumous-name fees, shown on the
// farewell-ceremony screen for information: not part of the estimate.
struct NameGrade {
    const char* male;
    const char* female;
    const char* nameFee;
    const char* total;
};

struct Religion {
    const char* name;
    const char* note;  // second line under the name, may be empty
    const char* offering;
    // Buddhist schools have two grades of posthumous name; the others none.
    std::span<const NameGrade> grades;
};

// The two grades of most Buddhist schools: 信士/信女 and 居士/大姉.
inline constexpr NameGrade kCommonGrades[] = {
    {"○○○○信士", "○○○○信女", "5万円～", "25万円～"},
    {"○○院○○○○居士", "○○院○○○○大姉", "40万円～", "60万円～"},
};
inline constexpr NameGrade kJodoShinshuGrades[] = {
    {"釈○○", "釈尼○○", "5万円～", "25万円～"},
    {"○○院釈○○", "○○院釈尼○○", "30万円～", "50万円～"},
};
inline constexpr NameGrade kNichirenGrades[] = {
    {"○○日○信士", "○○日○信女", "5万円～", "25万円～"},
    {"○○院○日○居士", "○○院○日○大姉", "40万円～", "60万円～"},
};

inline constexpr Religion kReligions[] = {
    {"浄土真宗", "（法名）", "20万円～", kJodoShinshuGrades},
    {"真言宗", "", "20万円～", kCommonGrades},
    {"日蓮宗", "（法号）", "20万円～", kNichirenGrades},
    {"浄土宗", "", "20万円～", kCommonGrades},
    {"曹洞宗", "", "20万円～", kCommonGrades},
    {"天台宗", "", "20万円～", kCommonGrades},
    {"神道", "", "15万円～", {}},
    {"キリスト教", "", "15万円～", {}},
};

} // namespace lumenta::prices
