#include "FormPrintStandIn.h"
#include "UnitMain.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumenta");
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));

    TFormMain formMain;
    FormPrintStandIn formPrint;  // never shown
    formMain.show();
    return QApplication::exec();
}
