#include "DisplayGuard.h"
#include "EndOnSignal.h"
#include "EstimateOpener.h"
#include "FontCheck.h"
#include "Program.h"
#include "UnitMain.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[])
{
    std::optional<DisplayGuard> noDisplay(std::in_place);
    QApplication app(argc, argv);
    noDisplay.reset();
    QApplication::setApplicationName("Lumenta");
    const EndOnSignal endOnSignal;
    Program program;
    program.formMain().show();
    font_check::warnIfNoJapaneseFace(&program.formMain());
    // lumenta FILE opens a saved estimate (Qt has taken its own options);
    // the name goes on as the system spells it.
    if (argc > 1)
        program.formMain().opener()->open(QByteArray(argv[1]));
    return QApplication::exec();
}
