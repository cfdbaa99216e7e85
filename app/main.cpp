#include "Program.h"
#include "UnitMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumenta");
    Program program;
    program.formMain().show();
    return QApplication::exec();
}
