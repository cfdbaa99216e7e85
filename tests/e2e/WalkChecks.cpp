#include "WalkChecks.h"

#include "ControlOracle.h"
#include "Estimate.h"
#include "MoneyText.h"
#include "PictureStore.h"
#include "UnitMain.h"
#include "WindowSession.h"
#include "plButton.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <set>
#include <vector>

namespace walk {

namespace {

using lumenta::Currency;
using lumenta::Slot;

QString yen(Currency amount) { return QString::fromStdString(lumenta::formatYen(amount)); }
Currency slotOf(const lumenta::EstimateState& s, int slot) { return s.amounts[std::size_t(slot)]; }

// Each money field, its slot, and the item flag that makes it show an
// amount (kAlways: a fixed charge; kNoFlag: shown after the first change).
constexpr int kAlways = -2;
constexpr int kNoFlag = -1;
struct MoneyField {
    const char* name;
    int slot;
    int flag;
};
const MoneyField kMoneyFields[] = {
    {"SsEditMap", 0, 0},         {"SsEditHanso", 1, 1},       {"SsEditHokan", 2, 2},
    {"SsEditShindan", 3, 3},     {"SsEditHitugi", 4, 4},      {"SsEditSaidan", 5, 5},
    {"SsEditKesho", 6, 6},       {"SsEditIei", 7, 7},         {"SsEditHenrei", 8, kNoFlag},
    {"SsEditSeika", 9, kNoFlag}, {"SsEditUketuke", 10, 10},   {"SsEditTuyaRyori", 11, 11},
    {"SsEditTuyaHaizen", 12, 11}, {"SsEditKokuRyori", 13, kNoFlag}, {"SsEditKokuHaizen", 14, kNoFlag},
    {"SsEditReikyu", 15, 14},    {"SsEditAto", 16, 15},       {"SsEditTuyaShikai", 17, kAlways},
    {"SsEditKokuShikai", 18, kAlways}, {"SsEditKaso", 19, kAlways}, {"SsEditTubo", 20, kAlways},
    {"SsEditKokoro", 21, kAlways},
};

// Grid lines that show one slot's amount once their item is decided.
struct SlotLine {
    int row;
    int slot;
    int flag;
};
const SlotLine kSlotLines[] = {
    {4, 0, 0},   {6, 1, 1},   {15, 3, 3},  {10, 4, 4},  {8, 5, 5},
    {12, 6, 6},  {13, 7, 7},  {17, 10, 10}, {7, 15, 14}, {14, 16, 15},
};

// Lines only the calculation writes, in full.
struct FixedLine {
    int row;
    const char* cells[5];
};
const FixedLine kCalculationLines[] = {
    {1, {"　火葬料金", "　最上等", "1", "¥48,300", "¥48,300"}},
    {3, {"　容器料金", "　瀬戸、桐箱、覆い一式", "1", "¥12,075", "¥12,075"}},
    {5, {"　心付け", "　火葬場職員、各運転手など", "1", "¥20,000", "¥20,000"}},
    {11, {"　ﾄﾞﾗｲｱｲｽ", "　通夜当日に使用", "1", "¥8,355", "¥8,355"}},
    {16, {"　司会進行", "　司会進行、式場と火葬場のご案内", "4", "26,000", "¥104,000"}},
};

// Frames whose picture follows the selected entry of a list or group: the
// stored picture of each entry (null: the frame stays empty).
struct PictureFrame {
    const char* frame;
    const char* chooser;
    std::vector<const char*> pictures;
};
const PictureFrame kPictureFrames[] = {
    {"ImgHitugi1", "RBtnGrpHitugi", {"Img51", "Img52", "Img53", "Img51", "Img52", "Img53"}},
    {"ImgSaidan1", "RBtnGrpSaidan", {"Img61", "Img62", "Img63", "Img64"}},
    {"Imghenrei", "CBoxHenrei1", {"Img91", "Img92", "Img93", nullptr}},
    {"ImgKokuRyori", "CBoxKokuRyori", {"Img131", "Img132", "Img133"}},
};

const char* const kHallNames[7] = {"", "堀之内斎場", "代々幡斎場", "落合斎場", "町屋斎場", "四ツ木斎場", "桐ヶ谷斎場"};

class Checker {
public:
    Checker(WindowSession& session) : s_(session), state_(session.estimate().state()) {}

    QString failure;

    void expect(bool holds, const QString& what)
    {
        if (!holds && failure.isEmpty())
            failure = what;
    }
    void expectText(const QString& seen, const QString& wanted, const QString& where)
    {
        expect(seen == wanted, QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(where, seen, wanted));
    }
    // An amount column, empty counting as nothing.
    qint64 amount(int row)
    {
        const QString text = s_.user.cell(4, row);
        if (text.isEmpty())
            return 0;
        const auto value = parseYen(text);
        expect(value.has_value(), QStringLiteral("grid row %1 amount \"%2\" is no money text").arg(row).arg(text));
        return value.value_or(0);
    }
    bool written(int row) { return !s_.user.cell(4, row).isEmpty(); }
    qint64 wholeYen(int slot) { return slotOf(state_, slot).raw() / Currency::kScale; }

    void amountsAgreeWithControls()
    {
        const ExpectedEstimate wanted = expectedFromControls(s_.user);
        for (std::size_t i = 0; i < wanted.yen.size(); ++i)
            expect(state_.amounts[i] == Currency::fromYen(wanted.yen[i]),
                   QStringLiteral("slot %1 holds %2, the controls say %3")
                       .arg(i).arg(yen(state_.amounts[i])).arg(wanted.yen[i]));
        for (std::size_t i = 0; i < wanted.chosen.size(); ++i)
            expect(state_.flags[i] == wanted.chosen[i],
                   QStringLiteral("item flag %1 is %2, the controls say %3").arg(i).arg(state_.flags[i]).arg(wanted.chosen[i]));
    }

    void moneyFieldsShowTheirSlots()
    {
        for (const MoneyField& f : kMoneyFields) {
            const QString text = s_.user.text(QString::fromLatin1(f.name));
            const Currency amount = slotOf(state_, f.slot);
            const bool mustShow = f.flag == kAlways || (f.flag >= 0 && state_.flags[std::size_t(f.flag)]);
            if (text.isEmpty())
                expect(!mustShow && amount == Currency(),
                       QStringLiteral("%1 is empty while its amount is %2").arg(f.name, yen(amount)));
            else
                expectText(text, yen(amount), QString::fromLatin1(f.name));
        }
    }

    void gridLinesAgreeWithSlots(const WalkHistory& history)
    {
        for (const SlotLine& l : kSlotLines)
            if (state_.flags[std::size_t(l.flag)])
                expectText(s_.user.cell(4, l.row), yen(slotOf(state_, l.slot)), QStringLiteral("grid row %1").arg(l.row));
        if (state_.flags[0])
            expectText(s_.user.cell(1, 4), QStringLiteral("　") + s_.user.text(QStringLiteral("LblMapInfo")),
                       QStringLiteral("grid row 4 content"));
        // A hearse undone by a change of hall leaves no line behind.
        if (!state_.flags[14])
            for (int column = 1; column < 5; ++column)
                expectText(s_.user.cell(column, 7), QString(), QStringLiteral("grid row 7 column %1").arg(column));
        // Storage without its one day of dry ice, which has a line of its own.
        if (state_.flags[2])
            expect(amount(2) + 8355 == wholeYen(2), QStringLiteral("grid row 2 and dry ice do not make the storage fee"));
        if (written(9) || wholeYen(9) != 0)
            expectText(s_.user.cell(4, 9), yen(slotOf(state_, 9)), QStringLiteral("grid row 9"));
        if (written(18) || written(23) || wholeYen(8) != 0)
            expect(amount(18) + amount(23) == wholeYen(8), QStringLiteral("grid rows 18 and 23 do not make the return gifts"));
        // Food and drinks of both days lie in the two food slots.
        if (written(21))
            expect(amount(19) + amount(20) + amount(21) == wholeYen(11) + wholeYen(13),
                   QStringLiteral("grid rows 19-21 do not make the two food amounts"));
        if (written(22))
            expect(amount(22) == wholeYen(12) + wholeYen(14), QStringLiteral("grid row 22 is not the two serving amounts"));
        for (const FixedLine& l : kCalculationLines)
            for (int column = 0; column < 5; ++column) {
                const bool label = column == 0;
                const QString wanted = history.everCalculated || label ? QString::fromUtf8(l.cells[column]) : QString();
                expectText(s_.user.cell(column, l.row), wanted, QStringLiteral("grid row %1 column %2").arg(l.row).arg(column));
            }
    }

    void totalAgreesWithSum()
    {
        const QString shown = s_.user.text(QStringLiteral("SsEditGokei"));
        if (!s_.estimate().totalShown()) {
            expectText(shown, QString(), QStringLiteral("SsEditGokei"));
            return;
        }
        expectText(shown, yen(state_.grandTotal), QStringLiteral("SsEditGokei"));
        Currency sum;
        for (Currency c : state_.amounts)
            sum += c;
        expect(state_.grossTotal == sum, QStringLiteral("the gross total is not the sum of the slots"));
        for (bool f : state_.flags)
            expect(f, QStringLiteral("a total is shown while an item is undecided"));
        const bool discount = s_.user.isChecked(QStringLiteral("ChkDiscount"));
        const Currency discounted = discount ? -Currency::fromYen((sum.wholeUnits() + 9) / 20) : Currency();
        expect(state_.discountAmount == discounted && state_.grandTotal == sum + discounted,
               QStringLiteral("the total does not follow the discount box"));
        qint64 lines = 0;
        for (int row = 1; row <= 23; ++row)
            lines += amount(row);
        expect(Currency::fromYen(lines) == sum, QStringLiteral("grid amounts add up to %1, the gross total is %2")
                                                     .arg(lines).arg(yen(sum)));
        expectText(s_.user.cell(4, 24), yen(slotOf(state_, 0) + slotOf(state_, 19)), QStringLiteral("grid row 24"));
        expectText(s_.user.cell(4, 25),
                   yen(slotOf(state_, 11) + slotOf(state_, 12) + slotOf(state_, 13) + slotOf(state_, 14)),
                   QStringLiteral("grid row 25"));
    }

    void stepsAndButtons(const WalkHistory& history)
    {
        UserDriver& u = s_.user;
        expect(!u.isVisible(QStringLiteral("PnlImg")), QStringLiteral("the picture store is on the screen"));
        expect(u.isVisible(QStringLiteral("PnlMainTop")) != history.started,
               QStringLiteral("the start screen is shown wrongly"));
        int visible = 0;
        for (int i = 0; i < 5; ++i) {
            const bool shown = u.isVisible(QString::fromLatin1(kStepPanels[i]));
            visible += shown ? 1 : 0;
            auto* b = u.find<TplButton>(QString::fromLatin1(kStepButtons[i]));
            expect(b->isEnabled() == history.started, QStringLiteral("%1 enabled wrongly").arg(kStepButtons[i]));
            const bool active = history.started && shown;
            const std::set<QRgb> colours{b->gradBeginColor().rgb(), b->gradEndColor().rgb()};
            const std::set<QRgb> wanted = active ? std::set<QRgb>{QColor(245, 255, 234).rgb(), QColor(95, 216, 0).rgb()}
                                                 : std::set<QRgb>{QColor(Qt::white).rgb(), QColor(192, 192, 192).rgb()};
            expect(colours == wanted, QStringLiteral("%1 has the wrong colours").arg(kStepButtons[i]));
        }
        if (history.started)
            expect(visible == 1, QStringLiteral("%1 step screens are visible").arg(visible));
        expect(u.isEnabled(QStringLiteral("plBtnPrint")) == history.everCalculated,
               QStringLiteral("the print button is enabled wrongly"));
    }

    void hearseOptionsFollowTheHall()
    {
        const int hall = s_.estimate().chosenHall();
        const bool crossing = hall == 3;
        expect(s_.user.isEnabled(QStringLiteral("RBtnReikyu1")) == !crossing, QStringLiteral("the trolley is enabled wrongly"));
        expectText(s_.user.text(QStringLiteral("RBtnReikyu2")),
                   crossing ? QStringLiteral("普通車（18,522円）") : QStringLiteral("普通車（13,958円）"),
                   QStringLiteral("RBtnReikyu2"));
        expectText(s_.user.text(QStringLiteral("RBtnReikyu3")),
                   crossing ? QStringLiteral("指定車（38,066円）") : QStringLiteral("指定車（32,476円）"),
                   QStringLiteral("RBtnReikyu3"));
        expectText(s_.user.text(QStringLiteral("LblMapInfo")), QString::fromUtf8(kHallNames[hall]),
                   QStringLiteral("LblMapInfo"));
    }

    qint64 pictureKey(const char* frame) { return s_.user.find<QLabel>(QString::fromLatin1(frame))->pixmap().cacheKey(); }
    qint64 storedKey(const char* stored)
    {
        auto* store = s_.user.find<PictureStore>(QStringLiteral("PnlImg"));
        return stored ? store->picture(QString::fromLatin1(stored)).cacheKey() : QPixmap().cacheKey();
    }

    void picturesFollowChoices()
    {
        for (const PictureFrame& f : kPictureFrames) {
            const int entry = s_.user.currentIndex(QString::fromLatin1(f.chooser));
            const qint64 wanted = entry < 0 ? QPixmap().cacheKey() : storedKey(f.pictures[std::size_t(entry)]);
            expect(pictureKey(f.frame) == wanted, QStringLiteral("%1 does not show the picture of entry %2").arg(f.frame).arg(entry));
        }
        expect(!s_.user.find<QLabel>(QStringLiteral("LblImgHenrei"))->isHidden() ==
                   (s_.user.currentIndex(QStringLiteral("CBoxHenrei1")) == 2),
               QStringLiteral("LblImgHenrei is shown wrongly"));
        // The hearse picture shows the hearse chosen, and none while none is
        // (a change of hall undoes the choice).
        const char* const hearses[4] = {nullptr, "Img151", "Img152", "Img153"};
        int hearse = 0;
        for (int i = 1; i <= 3; ++i)
            if (s_.user.isChecked(QStringLiteral("RBtnReikyu%1").arg(i)))
                hearse = i;
        expect(pictureKey("ImgReikyu") == storedKey(hearses[hearse]), QStringLiteral("ImgReikyu shows another hearse"));
    }

private:
    WindowSession& s_;
    const lumenta::EstimateState& state_;
};

} // namespace

bool totalShown(WindowSession& session) { return session.estimate().totalShown(); }

QString checkEstimate(WindowSession& session, const WalkHistory& history)
{
    Checker c(session);
    c.amountsAgreeWithControls();
    c.moneyFieldsShowTheirSlots();
    c.gridLinesAgreeWithSlots(history);
    c.totalAgreesWithSum();
    c.picturesFollowChoices();
    return c.failure;
}

QString checkScreens(WindowSession& session, const WalkHistory& history)
{
    Checker c(session);
    c.stepsAndButtons(history);
    c.hearseOptionsFollowTheHall();
    return c.failure;
}

} // namespace walk
