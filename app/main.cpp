#include "UnitMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumenta");
    TFormMain formMain;
    formMain.show();
    return QApplication::exec();
}
