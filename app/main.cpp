#include "DisplayGuard.h"
#include "EndOnSignal.h"
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
    return QApplication::exec();
}
