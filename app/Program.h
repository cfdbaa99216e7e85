#pragma once

#include "QtTranslations.h"

#include <memory>

class TFormMain;
class TFormPrint;

// Everything the program builds at start-up, in this order: Qt's own texts
// in Japanese, the Japanese font substitutes, the program's own look and
// its name on the desktop, then the main window, with the print button
// wired to the hidden report form. What the first frame does not show
// comes after it: the window's icon once the step screens are built, the
// report form at the first print.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TFormMain& formMain() { return *formMain_; }
    TFormPrint& formPrint();

private:
    JapaneseQtTexts qtTexts_;
    std::unique_ptr<TFormMain> formMain_;
    std::unique_ptr<TFormPrint> formPrint_;
};
