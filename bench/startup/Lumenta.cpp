// The real program, started exactly as the installed one is, ending after
// its main window's first paint once the step screens, built right after
// that frame, are there too.

#include "FirstPaint.h"
#include "Program.h"
#include "UnitMain.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumenta");
    Program program;
    // For profiling the first frame alone (callgrind): leave at once after
    // it, before the work queued behind it runs.
    const bool frameOnly = qEnvironmentVariableIsSet("LUMENTA_BENCH_FRAME_ONLY");
    FirstPaint watch(&program.formMain(), [&program, frameOnly] {
        if (frameOnly)
            std::_Exit(0);
        return program.formMain().stepsBuilt();
    });
    program.formMain().show();
    return QApplication::exec();
}
