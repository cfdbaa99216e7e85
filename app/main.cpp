#include "Resources.h"
#include "UnitMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumentaInitResources();
    QApplication::setApplicationName("Lumenta");
    TFormMain formMain;
    formMain.show();
    return QApplication::exec();
}
