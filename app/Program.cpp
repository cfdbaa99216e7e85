#include "Program.h"

#include "Estimate.h"
#include "EstimateRecord.h"
#include "JapaneseFonts.h"
#include "ProgramLook.h"
#include "QtTranslations.h"
#include "Resources.h"
#include "SheetText.h"
#include "UnitMain.h"
#include "UnitPrint.h"

#include <QApplication>
#include <QIcon>

namespace {

// The window's icon in every size the program carries; docks and task bars
// that find no installed icon take it from the window.
QIcon builtInIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(lumenta::iconPath(size), QSize(size, size));
    return icon;
}

} // namespace

Program::Program()
{
    japanese_fonts::registerSubstitutes();
    program_look::apply();
    // Matches lumenta.desktop: a Wayland compositor finds the entry, and its
    // icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("lumenta"));
    formMain_ = std::make_unique<TFormMain>();
    TFormMain* window = formMain_.get();
    // Decoding the icon's six pictures would cost the first frame a tenth
    // of its time, and the frame does not show it.
    QObject::connect(
        window, &TFormMain::stepsReady, window, [] { QApplication::setWindowIcon(builtInIcon()); },
        Qt::SingleShotConnection);
    // Every sheet carries the record of its estimate, which a saved PDF keeps.
    const auto send = [this, window](lumenta::report::PrintWay way) {
        TFormPrint& sheet = formPrint();
        sheet.setEstimateRecord(lumenta::writeRecord(lumenta::recordOf(window->estimate())));
        sheet.sendEstimate(way, lumenta::buildSheetText(window->estimate().grid(), window->estimate().state()), window);
    };
    QObject::connect(window, &TFormMain::printRequested, window,
                     [send] { send(lumenta::report::PrintWay::DefaultPrinter); });
    QObject::connect(window, &TFormMain::sheetRequested, window, send);
}

Program::~Program() = default;

TFormPrint& Program::formPrint()
{
    if (!formPrint_)
        formPrint_ = std::make_unique<TFormPrint>();
    return *formPrint_;
}
