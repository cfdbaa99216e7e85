#pragma once

#include "MessageBoxAnswerer.h"
#include "PrintFakes.h"
#include "Program.h"
#include "UserDriver.h"

#include <QList>
#include <QUrl>

class TFormMain;
class TFormPrint;

namespace lumenta {
class Estimate;
}

// The program as it starts, shown on the screen, with its print dialogs,
// progress window and web browser replaced by stand-ins that remember what
// was asked of them, and no print service to print on. Without a printer the
// print action offers a PDF file; the stand-in prompter declines unless told
// otherwise.
class WindowSession {
public:
    WindowSession();

    TFormMain& form() { return program_.formMain(); }
    TFormPrint& formPrint() { return program_.formPrint(); }
    const lumenta::Estimate& estimate();
    bool exposed() const { return exposed_; }

    // Goes to step 5 when it is not shown and presses "計算"; the message
    // boxes the press opened, answered with OK.
    QList<MessageBoxAnswerer::Box> pressCalculate();
    // Presses "印 刷" in the header, and waits until the sheet has gone.
    QList<MessageBoxAnswerer::Box> pressPrint();
    // Waits until the sheet has gone the way last asked for.
    void waitWhileSending();

    fakes::Prompter prompter;
    fakes::Progress progress;
    QList<QUrl> openedPages;
    MessageBoxAnswerer boxes;
    UserDriver user;

private:
    Program program_;
    bool exposed_ = false;
};

// The step panels and their header buttons, steps 1 to 5.
inline const char* const kStepPanels[5] = {"PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku",
                                           "PnlMainKaso"};
inline const char* const kStepButtons[5] = {"plBtnBasho", "plBtnJunbi", "plBtnTuya", "plBtnKoku", "plBtnKaso"};
