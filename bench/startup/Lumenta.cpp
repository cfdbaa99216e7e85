// The real program, started exactly as the installed one is, ending after
// its main window's first paint once the step screens, built right after
// that frame, are there too.

#include "FirstPaint.h"
#include "Program.h"
#include "UnitMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumenta");
    Program program;
    FirstPaint watch(&program.formMain(), [&program] { return program.formMain().stepsBuilt(); });
    program.formMain().show();
    return QApplication::exec();
}
