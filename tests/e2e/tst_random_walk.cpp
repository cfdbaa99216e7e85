// A long seeded random walk through the real window: thousands of user
// actions on any control of any step, "計算", the discount box, "印 刷" (no
// printer; the offered PDF is declined), the step buttons, the pointer over
// the header buttons and the web-page buttons. After every action the
// window must still agree with itself and with its estimate (see WalkChecks).
//
// LUMENTA_WALK_SEED and LUMENTA_WALK_STEPS choose another walk than the
// fixed one run by ctest.

#include "Estimate.h"
#include "Refusals.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "WalkChecks.h"
#include "WindowSession.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr quint32 kDefaultSeed = 20070131;
constexpr int kDefaultSteps = 3000;

// A control of a step screen: clicked, or with this many entries to pick from.
struct Control {
    const char* name;
    int entries;
};
const std::vector<Control> kStepControls[5] = {
    {{"RBtnMap1", 0}, {"RBtnMap2", 0}, {"RBtnMap3", 0}, {"RBtnMap4", 0}, {"RBtnMap5", 0}, {"RBtnMap6", 0},
     {"CBoxHanso", 7}, {"CBoxHokan", 4}, {"RBtnShindan1", 0}, {"RBtnShindan2", 0}},
    {{"RBtnGrpHitugi", 6}, {"RBtnGrpSaidan", 4}, {"RBtnKesho1", 0}, {"RBtnKesho2", 0}, {"RBtnIei1", 0},
     {"RBtnIei2", 0}, {"CBoxHenrei1", 4}, {"CBoxHenrei2", 13}, {"CBoxReijo", 13}},
    {{"CBoxSeika1", 11}, {"CBoxSeika2", 11}, {"RBtnUke1", 0}, {"RBtnUke2", 0}, {"RBtnGrpTuyaRyori", 4},
     {"ChkTuyaryori", 0}},
    {{"CBoxKokuRyori", 3}, {"CBoxKokuRyoriKazu", 8}, {"RBtnReikyu1", 0}, {"RBtnReikyu2", 0}, {"RBtnReikyu3", 0}},
    {{"RBtnAto1", 0}, {"RBtnAto2", 0}, {"ChkDiscount", 0}, {"plBntCal", 0}},
};
const char* const kHoverTargets[] = {"plBtnBasho", "plBtnJunbi", "plBtnTuya", "plBtnKoku", "plBtnKaso",
                                     "plBtnPrint", "plButton1", "plBtnClose"};
// Parts of the banner and the description button, and where on them the
// user clicks (the middle when null); the icon's frame, clicked on its
// edge, opens nothing.
struct WebTarget {
    const char* name;
    QPoint at;
    bool opensPage;
};
const WebTarget kWebTargets[] = {{"PnlCM1", {3, 3}, true}, {"LblCM1", {}, true}, {"LblCM2", {}, true},
                                 {"LblCM3", {}, true},     {"ImgIcon", {}, true}, {"PnlIcon", {1, 1}, false},
                                 {"plButton1", {}, true}};

int envNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

template <class T, std::size_t N>
const T& anyOf(QRandomGenerator& rng, const T (&items)[N])
{
    return items[rng.bounded(int(N))];
}

} // namespace

class RandomWalk : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSession> session;
    QRandomGenerator rng;
    WalkHistory history;
    QStringList trail;  // what the walk did, newest last
    QString failure;
    QList<MessageBoxAnswerer::Box> boxes;
    struct Counts {
        int calculated = 0;
        int refused = 0;
        int printOffers = 0;
    } counts;

    UserDriver& user() { return session->user; }

    void note(const QString& action) { trail << action; }
    void fail(const QString& why)
    {
        if (failure.isEmpty())
            failure = why;
    }

    int shownStep()
    {
        for (int i = 0; i < 5; ++i)
            if (user().isVisible(kStepPanels[i]))
                return i;
        return -1;
    }
    void goToStep(int step)
    {
        if (shownStep() != step) {
            note(QStringLiteral("click %1").arg(kStepButtons[step]));
            user().click(kStepButtons[step]);
        }
    }
    // Runs a user action, answering every warning it opens.
    void perform(const std::function<void()>& action) { boxes << session->boxes.during(action); }

    void useControl(const Control& c)
    {
        const int entry = c.entries > 0 ? rng.bounded(c.entries) : -1;
        note(entry < 0 ? QStringLiteral("click %1").arg(c.name) : QStringLiteral("pick %1 #%2").arg(c.name).arg(entry));
        // A pick of another hall undoes the hearse; the same hall again keeps it.
        const int hallBefore = session->estimate().chosenHall();
        perform([&] { user().choose(c.name, entry); });
        if (QByteArray(c.name).startsWith("RBtnMap") && session->estimate().chosenHall() != hallBefore) {
            for (const char* hearse : {"RBtnReikyu1", "RBtnReikyu2", "RBtnReikyu3"})
                if (user().isChecked(hearse))
                    fail(QStringLiteral("%1 stays checked after a pick of another hall").arg(hearse));
            if (!user().text("SsEditReikyu").isEmpty())
                fail(QStringLiteral("SsEditReikyu keeps its amount after a pick of another hall"));
        }
    }

    void controlOnShownStep()
    {
        const auto& controls = kStepControls[shownStep()];
        useControl(controls[std::size_t(rng.bounded(int(controls.size())))]);
    }
    void controlOnAnyStep()
    {
        const int step = rng.bounded(5);
        goToStep(step);
        const auto& controls = kStepControls[step];
        useControl(controls[std::size_t(rng.bounded(int(controls.size())))]);
    }
    void stepButton()
    {
        const char* button = anyOf(rng, kStepButtons);
        note(QStringLiteral("click %1").arg(button));
        perform([&] { user().click(button); });
    }
    void calculate()
    {
        note(QStringLiteral("計算"));
        boxes << session->pressCalculate();
    }
    void print()
    {
        note(QStringLiteral("印 刷"));
        const qsizetype offersBefore = session->prompter.questions.size();
        const qsizetype boxesBefore = boxes.size();
        perform([&] {
            user().click("plBtnPrint");
            session->waitWhileSending();
        });
        const bool printed = session->prompter.questions.size() > offersBefore;
        counts.printOffers += printed ? 1 : 0;
        // A print follows exactly the calculations that succeed.
        const bool wanted = history.everCalculated && boxes.size() == boxesBefore;
        if (printed != wanted)
            fail(QStringLiteral("the print button printed %1, expected %2").arg(printed).arg(wanted));
        // The sheet carries the total the window shows.
        const QString sheetTotal = session->formPrint().sheet().text(QStringLiteral("QRLblGokei"));
        if (printed && sheetTotal != user().text("SsEditGokei"))
            fail(QStringLiteral("the sheet's total %1 differs from the window's").arg(sheetTotal));
    }
    void hover()
    {
        if (rng.bounded(4) == 0) {
            note(QStringLiteral("pointer away"));
            user().hoverNowhere();
            return;
        }
        const char* target = anyOf(rng, kHoverTargets);
        note(QStringLiteral("pointer onto %1").arg(target));
        user().hover(target);
    }
    void discountBox()
    {
        goToStep(4);
        note(QStringLiteral("click ChkDiscount"));
        perform([&] { user().click("ChkDiscount"); });
    }
    void webPage()
    {
        const WebTarget& target = anyOf(rng, kWebTargets);
        const qsizetype before = session->openedPages.size();
        note(QStringLiteral("click %1").arg(target.name));
        perform([&] {
            if (target.at.isNull())
                user().click(target.name);
            else
                user().clickAt(target.name, target.at);
        });
        if (session->openedPages.size() - before != (target.opensPage ? 1 : 0))
            fail(QStringLiteral("%1 opened %2 pages").arg(target.name).arg(session->openedPages.size() - before));
    }
    void pressStart()
    {
        note(QStringLiteral("click plBtnStart"));
        user().click("plBtnStart");
        history.started = true;
    }

    // What the user does next, and how often, on the start screen and later.
    struct Weighted {
        int weight;
        void (RandomWalk::*act)();
    };
    static constexpr Weighted kOnStartScreen[] = {
        {25, &RandomWalk::pressStart}, {25, &RandomWalk::stepButton}, {25, &RandomWalk::hover},
        {10, &RandomWalk::print},      {15, &RandomWalk::webPage},
    };
    static constexpr Weighted kOnSteps[] = {
        {55, &RandomWalk::controlOnShownStep}, {13, &RandomWalk::controlOnAnyStep}, {8, &RandomWalk::stepButton},
        {6, &RandomWalk::calculate},           {4, &RandomWalk::print},             {7, &RandomWalk::hover},
        {4, &RandomWalk::discountBox},         {3, &RandomWalk::webPage},
    };
    template <std::size_t N>
    void actFrom(const Weighted (&table)[N])
    {
        int total = 0;
        for (const Weighted& w : table)
            total += w.weight;
        int r = rng.bounded(total);
        for (const Weighted& w : table) {
            if (r < w.weight)
                return (this->*w.act)();
            r -= w.weight;
        }
    }

    // The warnings of one action: at most one, for the first undecided item,
    // which the window then shows.
    void checkWarnings(qsizetype before)
    {
        const auto seen = boxes.mid(before);
        if (seen.isEmpty())
            return;
        counts.refused += 1;
        if (seen.size() > 1)
            return fail(QStringLiteral("%1 message boxes for one action").arg(seen.size()));
        const auto& flags = session->estimate().state().flags;
        for (const ItemRefusal& r : kItemRefusals) {
            if (flags[std::size_t(r.flag)])
                continue;
            if (seen[0].title != QStringLiteral("警告") || seen[0].buttons != QStringList{QStringLiteral("OK")} ||
                seen[0].text != QString::fromUtf8(r.message))
                return fail(QStringLiteral("warning \"%1\" / \"%2\", expected \"%3\"")
                                .arg(seen[0].title, seen[0].text, QString::fromUtf8(r.message)));
            if (shownStep() != r.step - 1)
                fail(QStringLiteral("after the warning step %1 is shown, expected %2").arg(shownStep() + 1).arg(r.step));
            return;
        }
        fail(QStringLiteral("a warning \"%1\" although every item is decided").arg(seen[0].text));
    }

    void checkPrinting()
    {
        if (session->progress.started != session->progress.finished || !session->prompter.suggestions.isEmpty() ||
            !session->prompter.messages.isEmpty())
            fail(QStringLiteral("printing went further than the declined PDF offer"));
    }

private slots:
    void walk()
    {
        const auto seed = quint32(envNumber("LUMENTA_WALK_SEED", int(kDefaultSeed)));
        const int steps = envNumber("LUMENTA_WALK_STEPS", kDefaultSteps);
        rng.seed(seed);
        session = std::make_unique<WindowSession>();
        QVERIFY(session->exposed());

        QElapsedTimer clock;
        clock.start();
        int actions = 0;
        for (; actions < steps && failure.isEmpty() && !QTest::currentTestFailed(); ++actions) {
            const bool wasShown = walk::totalShown(*session);
            const qsizetype boxesBefore = boxes.size();
            if (history.started)
                actFrom(kOnSteps);
            else
                actFrom(kOnStartScreen);
            QCoreApplication::processEvents();  // lets the window paint what changed

            const bool shown = walk::totalShown(*session);
            if (shown && !wasShown)
                counts.calculated += 1;
            history.everCalculated = history.everCalculated || shown;
            checkWarnings(boxesBefore);
            checkPrinting();
            fail(walk::checkEstimate(*session, history));
            fail(walk::checkScreens(*session, history));
        }
        qInfo("seed %u: %d actions in %lld ms; %d totals made, %d refusals, %d print offers", seed, actions,
              clock.elapsed(), counts.calculated, counts.refused, counts.printOffers);
        if (!failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(actions)
                                 .arg(failure, trail.mid(trail.size() - 25).join(QStringLiteral("\n  ")))));
        QVERIFY2(steps < 500 || (counts.calculated > 0 && counts.refused > 0 && counts.printOffers > 0),
                 "the walk never reached a total, a refusal and a print");
    }
};

QTEST_MAIN(RandomWalk)
#include "tst_random_walk.moc"
