// The floor: the smallest Qt Widgets program that shows one empty window.

#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1001, 737);
    FirstPaint watch(&window);
    window.show();
    return QApplication::exec();
}
