#include "Program.h"

#include "Estimate.h"
#include "JapaneseFonts.h"
#include "QtTranslations.h"
#include "SheetText.h"
#include "UnitMain.h"
#include "UnitPrint.h"

Program::Program()
{
    japanese_fonts::registerSubstitutes();
    formMain_ = std::make_unique<TFormMain>();
    formPrint_ = std::make_unique<TFormPrint>();
    TFormMain* window = formMain_.get();
    TFormPrint* sheet = formPrint_.get();
    QObject::connect(window, &TFormMain::printRequested, sheet, [window, sheet] {
        sheet->printEstimate(lumenta::buildSheetText(window->estimate().grid(), window->estimate().state()), window);
    });
    QObject::connect(window, &TFormMain::sheetRequested, sheet, [window, sheet](lumenta::report::PrintWay way) {
        sheet->sendEstimate(way, lumenta::buildSheetText(window->estimate().grid(), window->estimate().state()),
                            window);
    });
}

Program::~Program() = default;
