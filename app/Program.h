#pragma once

#include "QtTranslations.h"

#include <memory>

class TFormMain;
class TFormPrint;

// Everything the program builds at start-up, in this order: Qt's own texts
// in Japanese, the Japanese font substitutes, the program's own look and
// its name and icon on the desktop, the main window, then the hidden report
// form, with the print button wired to it.
class Program {
public:
    Program();
    ~Program();

    TFormMain& formMain() { return *formMain_; }
    TFormPrint& formPrint() { return *formPrint_; }

private:
    JapaneseQtTexts qtTexts_;
    std::unique_ptr<TFormMain> formMain_;
    std::unique_ptr<TFormPrint> formPrint_;
};
