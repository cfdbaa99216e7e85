#include "UnitMain.h"

TFormMain::TFormMain(QWidget* parent) : QWidget(parent)
{
    setObjectName("FormMain");
    setWindowTitle("Lumenta ver.1.00");
    setFixedSize(1001, 737);
}
