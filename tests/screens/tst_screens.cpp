// The start screen and the five step screens, driven through their real
// controls the way a user works them.

#include "JapaneseFonts.h"
#include "ScreenHarness.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    japanese_fonts::registerSubstitutes();
    const int failedStart12 = runSteps12Test(argc, argv);
    const int failed345 = runSteps345Test(argc, argv);
    return failedStart12 + failed345;
}
