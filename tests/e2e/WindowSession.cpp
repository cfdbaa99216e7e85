#include "WindowSession.h"

#include "UnitMain.h"
#include "UnitPrint.h"

#include <QTest>

WindowSession::WindowSession() : user(nullptr)
{
    formPrint().setPrintServices(&printers, &prompter, &progress);
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

void WindowSession::waitWhileSending()
{
    QVERIFY(QTest::qWaitFor([this] { return !formPrint().sending(); }, 60000));
}
