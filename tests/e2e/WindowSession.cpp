#include "WindowSession.h"

#include "CupsOutput.h"
#include "UnitMain.h"
#include "UnitPrint.h"

#include <QTest>

WindowSession::WindowSession() : user(nullptr)
{
    cups_output::pointServiceAt(cups_output::kNoService);
    formPrint().setPrintServices(&prompter, &progress);
    form().setUrlOpener([this](const QUrl& url) {
        openedPages << url;
        return true;
    });
    user = UserDriver(&form());
    form().show();
    exposed_ = QTest::qWaitForWindowExposed(&form()) && QTest::qWaitFor([this] { return form().stepsBuilt(); });
}

const lumenta::Estimate& WindowSession::estimate() { return form().estimate(); }

QList<MessageBoxAnswerer::Box> WindowSession::pressCalculate()
{
    if (!user.isVisible(QStringLiteral("PnlMainKaso")))
        user.click(QStringLiteral("plBtnKaso"));
    return boxes.during([this] { user.click(QStringLiteral("plBntCal")); });
}

QList<MessageBoxAnswerer::Box> WindowSession::pressPrint()
{
    return boxes.during([this] {
        user.click(QStringLiteral("plBtnPrint"));
        waitWhileSending();
    });
}

// A job runs between the progress window's start and its finish, and a file
// is written between its choice and the word that it was (or was not) saved:
// the rest of a print happens on the window's thread, before these return.
void WindowSession::waitWhileSending()
{
    QVERIFY(QTest::qWaitFor([this] { return progress.started == progress.finished && prompter.saving == 0; }, 60000));
}
