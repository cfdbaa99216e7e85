// Whole estimates made through the real window, the way a user makes them:
// the start button, every step's choices, "計算", the discount box and
// "印 刷", checking what the window then shows.
//
// With LUMENTA_SHOTS_DIR set, the complete estimate also leaves PNG pictures
// of the window (start screen and each step after its choices) and of the
// printed sheet in that folder.

#include "ControlStates.h"
#include "CupsOutput.h"
#include "Estimate.h"
#include "EstimateOpener.h"
#include "EstimateRecord.h"
#include "PdfDocument.h"
#include "PdfReader.h"
#include "Refusals.h"
#include "SheetText.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "WindowSession.h"
#include "plButton.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>
#include <vector>

namespace {

const QColor kActiveTop(245, 255, 234);
const QColor kActiveBottom(95, 216, 0);
const QColor kInactiveBottom(192, 192, 192);

struct Pick {
    const char* control;
    int index;  // entry of a list or radio group; -1 for a plain click
};
struct Field {
    const char* name;
    const char* text;
};
// One step of the estimate: what the user picks there and what the money
// fields of that step then show.
struct StepPlan {
    std::vector<Pick> picks;
    std::vector<Field> fields;
};

// 代々幡斎場, 10 km, wake after 6 days, procedures by proxy; plain coffin
// (6 尺), plain altar, make-up, portrait, tea ×50 and 40 letters; 2 + 1
// flower stands, reception, wake food for 50 upgraded; さくら for 40, 普通車;
// after-altar. The gross total 1,243,470 makes the discounted total end in
// exactly half a yen.
const StepPlan kPlan[5] = {
    {{{"RBtnMap2", -1}, {"CBoxHanso", 0}, {"CBoxHokan", 3}, {"RBtnShindan1", -1}},
     {{"SsEditMap", "¥236,775"}, {"SsEditHanso", "¥18,522"}, {"SsEditHokan", "¥47,730"},
      {"SsEditShindan", "¥15,750"}}},
    {{{"RBtnGrpHitugi", 0}, {"RBtnGrpSaidan", 0}, {"RBtnKesho1", -1}, {"RBtnIei1", -1}, {"CBoxHenrei1", 1},
      {"CBoxHenrei2", 5}, {"CBoxReijo", 4}},
     {{"SsEditHitugi", "¥47,300"}, {"SsEditSaidan", "¥105,000"}, {"SsEditKesho", "¥26,000"},
      {"SsEditIei", "¥27,000"}, {"SsEditHenrei", "¥45,360"}}},
    {{{"CBoxSeika1", 2}, {"CBoxSeika2", 1}, {"RBtnUke1", -1}, {"RBtnGrpTuyaRyori", 2}, {"ChkTuyaryori", -1}},
     {{"SsEditSeika", "¥52,500"}, {"SsEditUketuke", "¥20,000"}, {"SsEditTuyaRyori", "¥179,200"},
      {"SsEditTuyaHaizen", "¥10,500"}, {"SsEditTuyaShikai", "¥52,000"}}},
    {{{"CBoxKokuRyori", 2}, {"CBoxKokuRyoriKazu", 7}, {"RBtnReikyu2", -1}},
     {{"SsEditKokuRyori", "¥182,000"}, {"SsEditKokuHaizen", "¥21,000"}, {"SsEditReikyu", "¥13,958"},
      {"SsEditKokuShikai", "¥52,000"}}},
    {{{"RBtnAto1", -1}},
     {{"SsEditAto", "¥10,500"}, {"SsEditKaso", "¥48,300"}, {"SsEditTubo", "¥12,075"},
      {"SsEditKokoro", "¥20,000"}}},
};
const QString kGross = QStringLiteral("¥1,243,470");
const QString kDiscounted = QStringLiteral("¥1,181,297");  // 1,243,470 - 62,173

// The summary grid of that estimate after "計算", rows 1 to 25.
const char* const kGrid[25][5] = {
    {"　火葬料金", "　最上等", "1", "¥48,300", "¥48,300"},
    {"　保管料金", "　冷蔵保管（安置）の日数", "5", "¥7,875", "¥39,375"},
    {"　容器料金", "　瀬戸、桐箱、覆い一式", "1", "¥12,075", "¥12,075"},
    {"　式場料金", "　代々幡斎場", "1", "¥236,775", "¥236,775"},
    {"　心付け", "　火葬場職員、各運転手など", "1", "¥20,000", "¥20,000"},
    {"　寝台車", "　移動距離： 10kmまで", "1", "¥18,522", "¥18,522"},
    {"　霊柩車", "　普通車", "1", "¥13,958", "¥13,958"},
    {"　祭　壇", "　白木5尺", "1", "¥105,000", "¥105,000"},
    {"　生　花", "　菊花：15,750円 / 洋花：21,000円", "3", "", "¥52,500"},
    {"　御　棺", "　白木棺（6尺）", "1", "¥47,300", "¥47,300"},
    {"　ﾄﾞﾗｲｱｲｽ", "　通夜当日に使用", "1", "¥8,355", "¥8,355"},
    {"　死化粧", "　ﾗｽﾄﾒｲｸ", "1", "¥26,000", "¥26,000"},
    {"　遺影写真", "　ｶﾗｰ四切り(祭壇用・お別用・手札各1)", "1", "¥27,000", "¥27,000"},
    {"　後飾り", "　1段後飾り", "1", "¥10,500", "¥10,500"},
    {"　役所手続き", "　死亡届け", "1", "¥15,750", "¥15,750"},
    {"　司会進行", "　司会進行、式場と火葬場のご案内", "4", "26,000", "¥104,000"},
    {"　受付設備", "　ﾃｰﾌﾞﾙ・椅子・会葬ｶｰﾄﾞ・筆記具など", "1", "¥20,000", "¥20,000"},
    {"　会葬礼状", "　会葬客へのお礼状", "40", "¥84", "¥3,360"},
    {"　通夜料理", "　50人分", "1", "¥161,700", "¥161,700"},
    {"　告別式料理", "　さくら （4,200円）", "40", "¥4,200", "¥168,000"},
    {"　飲み物", "　通夜・告別式両日人数分", "90", "¥350", "¥31,500"},
    {"　配　膳", "　通夜及び葬儀、告別式両日", "3", "¥10,500", "¥31,500"},
    {"　返礼品", "　お茶　（840円）", "50", "¥840", "¥42,000"},
    {"", "　うち式場費用などの小計", "", "", "¥285,075"},
    {"", "　うち飲食費などの小計", "", "", "¥392,700"},
};

// How the user decides each refused item, in the order of the refusals,
// right on the step the window has taken them to. A quantity alone does not
// decide the ceremony food, so that item is refused twice.
struct Decision {
    int refusal;  // index into kItemRefusals
    Pick pick;
};
const Decision kDecisions[] = {
    {0, {"RBtnMap5", -1}},      {1, {"CBoxHanso", 4}},      {2, {"CBoxHokan", 0}},
    {3, {"RBtnShindan2", -1}},  {4, {"RBtnGrpHitugi", 5}},  {5, {"RBtnGrpSaidan", 3}},
    {6, {"RBtnKesho2", -1}},    {7, {"RBtnIei2", -1}},      {8, {"RBtnUke2", -1}},
    {9, {"RBtnGrpTuyaRyori", 3}}, {10, {"CBoxKokuRyoriKazu", 0}}, {10, {"CBoxKokuRyori", 0}},
    {11, {"RBtnReikyu3", -1}},  {12, {"RBtnAto2", -1}},
};

const QString kHearseRefusal = QString::fromUtf8(kItemRefusals[11].message);

QString shotsDir() { return qEnvironmentVariable("LUMENTA_SHOTS_DIR"); }

// A random complete estimate, as a user makes it: for each choice its step
// and either one of several buttons, or an entry of a list or radio group.
// Choices marked optional are left alone now and then.
struct RandomChoice {
    int step;
    std::vector<const char*> buttons; // one of them is clicked
    const char* entries = nullptr; // or an entry of this list or group
    int count = 0;
    bool optional = false;
};
const RandomChoice kRandomChoices[] = {
    {1, {"RBtnMap1", "RBtnMap2", "RBtnMap3", "RBtnMap4", "RBtnMap5", "RBtnMap6"}},
    {1, {}, "CBoxHanso", 7},
    {1, {}, "CBoxHokan", 4},
    {1, {"RBtnShindan1", "RBtnShindan2"}},
    {2, {}, "RBtnGrpHitugi", 6},
    {2, {}, "RBtnGrpSaidan", 4},
    {2, {"RBtnKesho1", "RBtnKesho2"}},
    {2, {"RBtnIei1", "RBtnIei2"}},
    {2, {}, "CBoxHenrei1", 4, true},
    {2, {}, "CBoxHenrei2", 13, true},
    {2, {}, "CBoxReijo", 13, true},
    {3, {}, "CBoxSeika1", 11, true},
    {3, {}, "CBoxSeika2", 11, true},
    {3, {"RBtnUke1", "RBtnUke2"}},
    {3, {}, "RBtnGrpTuyaRyori", 4},
    {3, {"ChkTuyaryori"}, nullptr, 0, true},
    {4, {}, "CBoxKokuRyori", 3},
    {4, {}, "CBoxKokuRyoriKazu", 8},
    {4, {"RBtnReikyu2", "RBtnReikyu3", "RBtnReikyu1"}},
    {5, {"RBtnAto1", "RBtnAto2"}},
    {5, {"ChkDiscount"}, nullptr, 0, true},
};

// What a window shows of its estimate: its controls, and the sheet it prints.
struct Shown {
    ControlStates controls;
    lumenta::SheetText sheet;
    lumenta::Choices choices;
};
Shown shownIn(TFormMain& form)
{
    std::vector<QWidget*> panels;
    for (const char* name : kStepPanels)
        panels.push_back(form.findChild<QWidget*>(QString::fromLatin1(name)));
    QWidget* print = form.findChild<QWidget*>(QStringLiteral("plBtnPrint"));
    const lumenta::Estimate& e = form.estimate();
    return {ControlStates::take(panels, {print}), lumenta::buildSheetText(e.grid(), e.state()), e.choices()};
}

// Runs a checking helper and ends the test when the helper failed.
#define CHECKED(call)                        \
    do {                                     \
        call;                                \
        if (QTest::currentTestFailed())      \
            return;                          \
    } while (false)

} // namespace

class Walkthrough : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> session;

    UserDriver& user() { return session->user; }

    void shot(const QString& name)
    {
        if (shotsDir().isEmpty())
            return;
        QDir().mkpath(shotsDir());
        QVERIFY(user().saveShot(QDir(shotsDir()).filePath(name + QStringLiteral(".png"))));
    }

    // Only step panel k (1-5) is on the screen, and its button carries the
    // active colours in their normal order, the others the inactive ones.
    void checkStepShown(int k)
    {
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(user().isVisible(kStepPanels[i - 1]), i == k);
            auto* b = user().find<TplButton>(kStepButtons[i - 1]);
            QCOMPARE(b->gradBeginColor(), i == k ? kActiveTop : QColor(Qt::white));
            QCOMPARE(b->gradEndColor(), i == k ? kActiveBottom : kInactiveBottom);
        }
    }

    void makeChoices(int step, bool takeShots)
    {
        user().click(kStepButtons[step - 1]);
        const StepPlan& plan = kPlan[step - 1];
        for (const Pick& pick : plan.picks)
            QVERIFY2(user().choose(pick.control, pick.index), pick.control);
        for (const Field& field : plan.fields)
            QCOMPARE(user().text(field.name), QString::fromUtf8(field.text));
        QVERIFY(user().isVisible(kStepPanels[step - 1]));
        if (takeShots)
            shot(QStringLiteral("step%1").arg(step));
    }

    // Every choice of the plan, step by step, from the start screen.
    void completeEstimate(bool takeShots = false)
    {
        if (takeShots)
            shot(QStringLiteral("step0-start"));
        user().click("plBtnStart");
        for (int step = 1; step <= 5; ++step) {
            makeChoices(step, takeShots);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(user().text("SsEditGokei"), QString());
    }

    void calculateWithoutWarning()
    {
        QCOMPARE(session->pressCalculate().size(), 0);
    }

    // "計算" is refused with exactly this message; the item's step is shown.
    void expectRefusal(const QString& message, int step)
    {
        const auto boxes = session->pressCalculate();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("警告"));
        QCOMPARE(boxes[0].buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(boxes[0].text, message);
        checkStepShown(step);
    }

    QString sheetText(const QString& label) const { return session->formPrint().sheet().text(label); }
    static QString sheetField(int column, int line)
    {
        return QStringLiteral("QRLabel%1%2").arg(column).arg(line, 2, 10, QLatin1Char('0'));
    }

private slots:
    void init()
    {
        session = std::make_unique<WindowSession>();
        QVERIFY(session->exposed());
        // The icon comes after the first frame, once the steps are built,
        // in every size the program carries.
        QCOMPARE(session->form().windowIcon().availableSizes().size(), 6);
    }
    void cleanup() { session.reset(); }

    void completeEstimateShowsEveryLineAndTheTotal()
    {
        CHECKED(completeEstimate(true));
        QVERIFY(!user().isEnabled("plBtnPrint"));
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), kGross);
        QVERIFY(user().isEnabled("plBtnPrint"));
        for (int row = 1; row <= 25; ++row)
            for (int column = 0; column < 5; ++column)
                QCOMPARE(user().cell(column, row), QString::fromUtf8(kGrid[row - 1][column]));
        shot(QStringLiteral("step5-calculated"));

        // Pressing it again gives the same.
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), kGross);
        QCOMPARE(user().line(16), (QStringList{"　司会進行、式場と火葬場のご案内", "4", "26,000", "¥104,000"}));
    }

    void discountedTotalRoundsTheHalfYenAwayFromZero()
    {
        CHECKED(completeEstimate());
        user().click("ChkDiscount");
        QVERIFY(user().isChecked("ChkDiscount"));
        QCOMPARE(user().text("SsEditGokei"), QString());
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), kDiscounted);
        // The grid's lines are not discounted.
        QCOMPARE(user().cell(4, 4), QStringLiteral("¥236,775"));
        QCOMPARE(user().cell(4, 25), QStringLiteral("¥392,700"));
    }

    void refusalsComeInTheOrderOfTheItems()
    {
        user().click("plBtnStart");
        for (const Decision& decision : kDecisions) {
            const ItemRefusal& refusal = kItemRefusals[decision.refusal];
            CHECKED(expectRefusal(QString::fromUtf8(refusal.message), refusal.step));
            QCOMPARE(user().text("SsEditGokei"), QString());
            QVERIFY(!user().isEnabled("plBtnPrint"));
            QCOMPARE(user().cell(1, 1), QString());  // no line of the calculation written
            // The item can be decided right where the window has taken the user.
            QVERIFY(user().choose(decision.pick.control, decision.pick.index));
        }
        CHECKED(calculateWithoutWarning());
        QVERIFY(user().isEnabled("plBtnPrint"));
        // 四ツ木斎場, 50 km, 3 days, the family's procedures, 雅 6.25, 花3,
        // nothing on make-up, portrait and reception, wake for 100, すずらん
        // for 5, 指定車, no after-altar.
        QCOMPARE(user().text("SsEditGokei"), QStringLiteral("¥1,223,283"));
    }

    void discountBoxRecalculatesOnlyAShownTotal()
    {
        user().click("plBtnStart");
        user().click("plBtnKaso");
        // Nothing decided and no total: ticking the box warns of nothing.
        QCOMPARE(session->boxes.during([this] { user().click("ChkDiscount"); }).size(), 0);
        QCOMPARE(user().text("SsEditGokei"), QString());
        user().click("ChkDiscount");
        QVERIFY(!user().isChecked("ChkDiscount"));

        for (int step = 1; step <= 5; ++step)
            CHECKED(makeChoices(step, false));
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), kGross);
        user().click("ChkDiscount");
        QCOMPARE(user().text("SsEditGokei"), kDiscounted);
        user().click("ChkDiscount");
        QCOMPARE(user().text("SsEditGokei"), kGross);

        // A new choice empties the total; the box then waits for "計算".
        user().click("RBtnAto2");
        QCOMPARE(user().text("SsEditGokei"), QString());
        user().click("ChkDiscount");
        QCOMPARE(user().text("SsEditGokei"), QString());
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), QStringLiteral("¥1,171,322"));  // 1,232,970 less 5 %, rounded up
    }

    void hallChangeAfterCalculationAsksForTheHearseAgain()
    {
        CHECKED(completeEstimate());
        CHECKED(calculateWithoutWarning());
        QCOMPARE(user().text("SsEditGokei"), kGross);

        user().click("plBtnBasho");
        QVERIFY(!user().isVisible("LblMapNote"));
        user().click("RBtnMap3");
        QCOMPARE(user().text("SsEditGokei"), QString());
        QCOMPARE(user().text("LblMapInfo"), QStringLiteral("落合斎場"));
        for (const char* hearse : {"RBtnReikyu1", "RBtnReikyu2", "RBtnReikyu3"})
            QVERIFY(!user().isChecked(hearse));
        QCOMPARE(user().text("SsEditReikyu"), QString());
        // Nothing of the hearse stays on the summary, and the map says why,
        // in no box and without taking the focus from the hall.
        QCOMPARE(user().line(7), (QStringList{"", "", "", ""}));
        QVERIFY(user().find<QLabel>("ImgReikyu")->pixmap().isNull());
        QVERIFY(user().isVisible("LblMapNote"));
        QCOMPARE(user().text("LblMapNote"), QStringLiteral("式場が変わったため、\n霊柩車を選び直して下さい"));
        QCOMPARE(QApplication::focusWidget(), user().widget("RBtnMap3"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(user().isEnabled("plBtnPrint"));

        CHECKED(expectRefusal(kHearseRefusal, 4));
        QCOMPARE(user().text("SsEditGokei"), QString());

        // Printing calculates first, is refused the same way and prints nothing.
        const QString sheetTotalBefore = sheetText("QRLblGokei");
        user().click("plBtnBasho");
        const auto boxes = session->pressPrint();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, kHearseRefusal);
        checkStepShown(4);
        QVERIFY(session->prompter.silent());
        QCOMPARE(session->progress.started, 0);
        QCOMPARE(sheetText("QRLblGokei"), sheetTotalBefore);

        // Once a hearse is chosen again the next press goes on to print
        // (offering a PDF here, with no printer, which the user declines).
        user().click("RBtnReikyu2");
        QCOMPARE(user().text("SsEditReikyu"), QStringLiteral("¥18,522"));
        QVERIFY(!user().isVisible("LblMapNote"));
        QCOMPARE(session->pressPrint().size(), 0);
        QCOMPARE(session->prompter.questions.size(), 1);
        QCOMPARE(user().text("SsEditGokei"), QStringLiteral("¥1,248,034"));
        QCOMPARE(sheetText("QRLblGokei"), QStringLiteral("¥1,248,034"));
    }

    void hearsePricesFollowTheHall()
    {
        user().click("plBtnStart");
        // Before any hall the prices of the ordinary halls hold.
        user().click("plBtnKoku");
        user().click("RBtnReikyu2");
        QCOMPARE(user().text("SsEditReikyu"), QStringLiteral("¥13,958"));

        user().click("plBtnBasho");
        user().click("RBtnMap3");
        user().click("plBtnKoku");
        QVERIFY(!user().isEnabled("RBtnReikyu1"));
        QCOMPARE(user().text("RBtnReikyu2"), QStringLiteral("普通車（18,522円）"));
        QCOMPARE(user().text("RBtnReikyu3"), QStringLiteral("指定車（38,066円）"));
        // The trolley cannot be taken at this hall.
        user().click("RBtnReikyu1");
        QVERIFY(!user().isChecked("RBtnReikyu1"));
        QCOMPARE(user().text("SsEditReikyu"), QString());
        user().click("RBtnReikyu2");
        QCOMPARE(user().text("SsEditReikyu"), QStringLiteral("¥18,522"));
        QCOMPARE(user().line(7), (QStringList{"　普通車", "1", "¥18,522", "¥18,522"}));

        user().click("plBtnBasho");
        user().click("RBtnMap6");
        user().click("plBtnKoku");
        QVERIFY(user().isEnabled("RBtnReikyu1"));
        QCOMPARE(user().text("RBtnReikyu2"), QStringLiteral("普通車（13,958円）"));
        QCOMPARE(user().text("RBtnReikyu3"), QStringLiteral("指定車（32,476円）"));
        QVERIFY(!user().isChecked("RBtnReikyu2"));
        user().click("RBtnReikyu2");
        QCOMPARE(user().text("SsEditReikyu"), QStringLiteral("¥13,958"));
        user().click("RBtnReikyu1");
        QCOMPARE(user().text("SsEditReikyu"), QStringLiteral("¥0"));
        QCOMPARE(user().line(7), (QStringList{"　台車", "1", "¥0", "¥0"}));
    }

    void drinksAndServingCoverBothDays()
    {
        user().click("plBtnStart");
        user().click("plBtnTuya");
        user().clickEntry("RBtnGrpTuyaRyori", 2);  // 50
        user().click("plBtnKoku");
        QVERIFY(user().pick("CBoxKokuRyoriKazu", 3));  // 20
        QCOMPARE(user().line(21), (QStringList{"　通夜・告別式両日人数分", "70", "¥350", "¥24,500"}));
        QCOMPARE(user().line(22), (QStringList{"　通夜及び葬儀、告別式両日", "2", "¥10,500", "¥21,000"}));
        // No dish yet: drinks only, and the line shows no dish.
        QCOMPARE(user().text("SsEditKokuRyori"), QStringLiteral("¥7,000"));
        QCOMPARE(user().line(20), (QStringList{"　", "20", "¥0", "¥0"}));

        user().click("plBtnTuya");
        user().clickEntry("RBtnGrpTuyaRyori", 0);  // 30
        QCOMPARE(user().line(21), (QStringList{"　通夜・告別式両日人数分", "50", "¥350", "¥17,500"}));
        QCOMPARE(user().line(22), (QStringList{"　通夜及び葬儀、告別式両日", "2", "¥10,500", "¥21,000"}));
        QCOMPARE(user().line(19), (QStringList{"　30人分", "1", "¥91,875", "¥91,875"}));

        user().click("plBtnKoku");
        QVERIFY(user().pick("CBoxKokuRyoriKazu", 7));  // 40, two staff
        QVERIFY(user().pick("CBoxKokuRyori", 0));
        QCOMPARE(user().line(21), (QStringList{"　通夜・告別式両日人数分", "70", "¥350", "¥24,500"}));
        QCOMPARE(user().line(22), (QStringList{"　通夜及び葬儀、告別式両日", "3", "¥10,500", "¥31,500"}));
        QCOMPARE(user().text("SsEditKokuHaizen"), QStringLiteral("¥21,000"));
        QCOMPARE(user().text("SsEditTuyaHaizen"), QStringLiteral("¥10,500"));
        QCOMPARE(user().line(20), (QStringList{"　すずらん (2,310円）", "40", "¥2,310", "¥92,400"}));
    }

    void noReturnGiftsHoldsTheGiftCountAtZero()
    {
        user().click("plBtnStart");
        user().click("plBtnJunbi");
        QVERIFY(user().pick("CBoxHenrei1", 2));  // the immediate-return set
        QVERIFY(user().isVisible("LblImgHenrei"));
        QVERIFY(user().pick("CBoxHenrei2", 5));
        QVERIFY(user().pick("CBoxReijo", 3));
        QCOMPARE(user().text("SsEditHenrei"), QStringLiteral("¥160,020"));  // 3,150 x 50 + 84 x 30

        QVERIFY(user().pick("CBoxHenrei1", 3));
        QCOMPARE(user().text("CBoxHenrei2"), QStringLiteral("   0"));
        QVERIFY(!user().isVisible("LblImgHenrei"));
        QVERIFY(user().find<QLabel>("Imghenrei")->pixmap().isNull());
        QCOMPARE(user().text("SsEditHenrei"), QStringLiteral("¥2,520"));
        // While no gifts are wanted the count goes back to nought at once.
        QVERIFY(!user().pick("CBoxHenrei2", 2));
        QCOMPARE(user().text("CBoxHenrei2"), QStringLiteral("   0"));
        QCOMPARE(user().line(23), (QStringList{"　－返礼品は不要", "0", "¥0", "¥0"}));
        QCOMPARE(user().line(18), (QStringList{"　会葬客へのお礼状", "30", "¥84", "¥2,520"}));
        QCOMPARE(user().text("SsEditHenrei"), QStringLiteral("¥2,520"));
    }

    void printSavesOneA4PageWithDateAndVersion()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("estimate.pdf"));
        session->prompter.answer = true;
        session->prompter.fileToChoose = file;

        CHECKED(completeEstimate());
        user().click("ChkDiscount");
        CHECKED(calculateWithoutWarning());
        QCOMPARE(session->pressPrint().size(), 0);
        QCOMPARE(session->prompter.questions.size(), 2);
        QVERIFY(session->prompter.questions.first().startsWith(QStringLiteral("プリンタが見つかりません。")));
        QVERIFY(QFileInfo::exists(file));

        const QDate today = QDate::currentDate();
        QCOMPARE(sheetText("QRLblNow"), QStringLiteral("令和%1年%2月%3日")
                                            .arg(today.year() - 2018, 2, 10, QLatin1Char('0'))
                                            .arg(today.month(), 2, 10, QLatin1Char('0'))
                                            .arg(today.day(), 2, 10, QLatin1Char('0')));
        QCOMPARE(sheetText("QRLblReNew"), QStringLiteral("Ver. 1.00（2007.01.31版Software）"));
        QCOMPARE(sheetText("QRLblShokei"), kGross);
        // 5 % of 1,243,470 is 62,173.5: the half goes to the smaller discount, so the
        // printed subtotal, discount and total add up.
        QCOMPARE(sheetText("QRLblNebiki"), QStringLiteral("-¥62,173"));
        QCOMPARE(sheetText("QRLblGokei"), kDiscounted);
        // Grid rows are copied as they stand; the altar's own lines sit between them.
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(sheetText(sheetField(column, 4)), user().cell(column, 4));
            QCOMPARE(sheetText(sheetField(column, 32)), user().cell(column, 23));
        }
        QCOMPARE(sheetText(sheetField(1, 10)), QStringLiteral("　経机 大香炉 燭台 りん 木魚 木柾 曲録など"));
        QCOMPARE(sheetText(sheetField(4, 10)), QStringLiteral("祭壇に含む"));

        if (!pdf::toolsInstalled())
            QSKIP("poppler-utils are not installed");
        QCOMPARE(pdf::pages(file), 1);
        const QSizeF paper = pdf::pageSizeMm(file);
        QVERIFY2(qAbs(paper.width() - 210) < 0.5 && qAbs(paper.height() - 297) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(paper.width()).arg(paper.height())));
        QVERIFY(pdf::words(file).size() > 100);
        if (!shotsDir().isEmpty()) {
            QDir().mkpath(shotsDir());
            QVERIFY(!pdf::run(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                               QStringLiteral("-singlefile"), file, QDir(shotsDir()).filePath(QStringLiteral("sheet"))})
                         .isNull());
        }
    }

    // Random complete estimates, each saved with Ctrl+S, come back in a
    // program started again, opened each of the three ways in turn (Ctrl+O,
    // a dropped file, the file named as on the command line): every control,
    // money field, grid cell, picture and the printed sheet's texts are as
    // they were. (Ctrl+S saves only a calculated estimate; a record without
    // a total opens without one.)
    void savedEstimatesOpenAgain()
    {
        QTemporaryDir dir;
        std::mt19937 rng(2912);
        const auto below = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
        constexpr int kEstimates = 20;
        QByteArray lastRecord;
        for (int round = 0; round < kEstimates; ++round) {
            const QString file = dir.filePath(QStringLiteral("見積書_%1.pdf").arg(round));
            session->prompter.fileToChoose = file;
            user().click("plBtnStart");
            for (const RandomChoice& c : kRandomChoices) {
                if (c.optional && below(2) == 0)
                    continue;
                if (!user().isVisible(kStepPanels[c.step - 1]))
                    user().click(kStepButtons[c.step - 1]);
                if (c.entries) {
                    user().choose(c.entries, below(c.count)); // the gift count may be held at 0
                    continue;
                }
                // The trolley cannot reach the furnace at one hall.
                const int usable =
                    user().isEnabled(c.buttons.back()) ? int(c.buttons.size()) : int(c.buttons.size()) - 1;
                user().click(c.buttons[std::size_t(below(usable))]);
            }
            CHECKED(calculateWithoutWarning());
            QTest::keyClick(&session->form(), Qt::Key_S, Qt::ControlModifier);
            session->waitWhileSending();
            QVERIFY2(QFileInfo::exists(file), qPrintable(file));
            const Shown before = shownIn(session->form());
            lastRecord = QByteArray::fromStdString(lumenta::writeRecord(lumenta::recordOf(session->form().estimate())));

            // Quit, start again, open.
            session = std::make_unique<WindowSession>();
            QVERIFY(session->exposed());
            TFormMain& form = session->form();
            QSignalSpy ended(form.opener(), &EstimateOpener::ended);
            const auto boxes = session->boxes.during([&] {
                switch (round % 3) {
                case 0:
                    form.opener()->setChooser([&file](QWidget*, const QString&) { return file; });
                    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
                    break;
                case 1: {
                    QMimeData data;
                    data.setUrls({QUrl::fromLocalFile(file)});
                    QDragEnterEvent enter(QPoint(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(&form, &enter);
                    QVERIFY(enter.isAccepted());
                    QDropEvent drop(QPointF(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(&form, &drop);
                    break;
                }
                default:
                    form.opener()->open(QFile::encodeName(file));
                }
                QVERIFY(QTest::qWaitFor([&ended] { return !ended.isEmpty(); }, 10000));
            });
            QVERIFY2(boxes.isEmpty(), qPrintable(boxes.isEmpty() ? QString() : boxes[0].text));
            const Shown after = shownIn(form);
            const QStringList changed = after.controls.differences(before.controls);
            QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("estimate %1: ").arg(round) + changed.join(u'\n')));
            QVERIFY(after.sheet == before.sheet);
            QVERIFY(after.choices == before.choices);
            QVERIFY(user().isVisible("PnlMainKaso"));
            QVERIFY(form.findChild<QWidget*>(QStringLiteral("PnlMainKaso"))->isAncestorOf(QApplication::focusWidget()));

            session = std::make_unique<WindowSession>();
            QVERIFY(session->exposed());
        }

        // Saved before any total: opened, it has none, as it was.
        QBuffer page;
        page.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&page);
            QPainter(&writer).drawText(100, 100, QStringLiteral("見積書"));
        }
        const QByteArray withoutTotal = lastRecord.left(lastRecord.lastIndexOf("\"total\"")) + "\"total\": null\n}\n";
        const QString file = dir.filePath(QStringLiteral("未計算.pdf"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(lumenta::report::withInfo(page.data(), {QStringLiteral("見積書"), {}, {}, {}, withoutTotal}));
        out.close();
        QSignalSpy ended(session->form().opener(), &EstimateOpener::ended);
        session->form().opener()->open(QFile::encodeName(file));
        QVERIFY(QTest::qWaitFor([&ended] { return !ended.isEmpty(); }, 10000));
        QCOMPARE(user().text("SsEditGokei"), QString());
        QVERIFY(!user().isEnabled("plBtnPrint"));
        QVERIFY(user().isVisible("PnlMainKaso"));
        QVERIFY(!session->form().estimate().totalShown());
        QVERIFY(session->form().estimate().choices() != lumenta::Choices());
    }

    // "印 刷" in the window, with the print service's own printer list: one
    // job of one A4 page on the default printer, without a question. Ctrl+S
    // then saves the same estimate as a PDF file whose every text stands
    // where the job handed to the print service has it.
    void printButtonPrintsOnePageOnTheDefaultPrinter()
    {
        if (const QString why = cups_output::unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QString printer = cups_output::kPrinter;
        cups_output::pointServiceAt(nullptr);
        CHECKED(completeEstimate());
        CHECKED(calculateWithoutWarning());
        const int newest = cups_output::newestJob(printer);

        QCOMPARE(session->pressPrint().size(), 0);
        QVERIFY(session->prompter.questions.isEmpty());

        const QList<int> made = cups_output::jobsAfter(printer, newest);
        QCOMPARE(made.size(), 1);
        QVERIFY(cups_output::waitUntilCompleted(printer, made.first(), 60000));
        const QString job = cups_output::keptDocument(made.first());
        QCOMPARE(pdf::pages(job), 1);
        const QSizeF paper = pdf::pageSizeMm(job);
        QVERIFY2(qAbs(paper.width() - 210) < 1 && qAbs(paper.height() - 297) < 1,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(paper.width()).arg(paper.height())));

        QTemporaryDir dir;
        session->prompter.fileToChoose = dir.filePath(QStringLiteral("saved.pdf"));
        session->form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&session->form()));
        QCOMPARE(session->boxes
                     .during([this] {
                         QTest::keyClick(&session->form(), Qt::Key_S, Qt::ControlModifier);
                         session->waitWhileSending();
                     })
                     .size(),
                 0);
        QCOMPARE(session->prompter.suggestions.size(), 1);
        const QList<pdf::Word> printed = pdf::words(job);
        const QList<pdf::Word> saved = pdf::words(session->prompter.fileToChoose);
        QVERIFY(printed.size() > 100);
        const auto texts = [](const QList<pdf::Word>& words) {
            QStringList list;
            for (const pdf::Word& word : words)
                list << word.text;
            return list;
        };
        QCOMPARE(texts(saved), texts(printed));
        constexpr double kSameMm = 0.01;
        for (qsizetype i = 0; i < saved.size(); ++i) {
            const pdf::Word& a = saved[i];
            const pdf::Word& b = printed[i];
            QCOMPARE(a.text, b.text);
            QVERIFY2(qAbs(a.xMin - b.xMin) < kSameMm && qAbs(a.yMin - b.yMin) < kSameMm &&
                         qAbs(a.xMax - b.xMax) < kSameMm && qAbs(a.yMax - b.yMax) < kSameMm,
                     qPrintable(QStringLiteral("%1: %2,%3 / %4,%5").arg(a.text).arg(a.xMin).arg(a.yMin).arg(b.xMin).arg(b.yMin)));
        }
    }

    void pointerOverAStepButtonExchangesItsColours()
    {
        auto* junbi = user().find<TplButton>("plBtnJunbi");
        user().hover("plBtnJunbi");  // disabled before the start: no change
        QCOMPARE(junbi->gradBeginColor(), QColor(Qt::white));
        user().click("plBtnStart");
        user().hover("plBtnJunbi");
        QCOMPARE(junbi->gradBeginColor(), kInactiveBottom);
        QCOMPARE(junbi->gradEndColor(), QColor(Qt::white));
        user().hoverNowhere();
        QCOMPARE(junbi->gradBeginColor(), QColor(Qt::white));

        // Clicked under the pointer, the shown step's button rests with its
        // active colours exchanged once the pointer has left it.
        user().click("plBtnJunbi");
        QCOMPARE(junbi->gradBeginColor(), kActiveTop);
        user().hoverNowhere();
        QCOMPARE(junbi->gradBeginColor(), kActiveBottom);
        QCOMPARE(junbi->gradEndColor(), kActiveTop);
        // "計算" has no such effect.
        user().click("plBtnKaso");
        auto* calculate = user().find<TplButton>("plBntCal");
        const QColor top = calculate->gradBeginColor();
        user().hover("plBntCal");
        QCOMPARE(calculate->gradBeginColor(), top);
    }

    void bannerAndDescriptionButtonOpenTheirPages()
    {
        user().click("LblCM2");
        user().click("plButton1");
        QCOMPARE(session->openedPages.size(), 2);
        QVERIFY(session->openedPages[0] != session->openedPages[1]);
        QVERIFY(user().isVisible("PnlMainTop"));
    }
};

QTEST_MAIN(Walkthrough)
#include "tst_walkthrough.moc"
