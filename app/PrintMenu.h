#pragma once

#include "PrintWay.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QLabel;
class QWidget;

// The other ways of sending the sheet, beside "印 刷" itself: the print
// button's context menu, and window keys for each of them. The button takes
// no keyboard focus, so Shift+F10 and the menu key open its menu wherever
// the focus is in the window. They act only while the button can be used,
// and say so in a passing note before; its tool tip names them.
class PrintMenu : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(lumenta::report::PrintWay)>;
    PrintMenu(QWidget* printButton, QWidget* window, Send send);

    // Opens the menu over the button, as its context menu, while the button can be used.
    void popUp();
    // A passing note by the button that it can be used once "計算" has made a total.
    void tellNotYet();

protected:
    // A right click on the button while it cannot be used says why.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* button_;
    QPointer<QLabel> note_;
    QTimer noteTimer_;
};
