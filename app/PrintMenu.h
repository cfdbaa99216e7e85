#pragma once

#include "PrintWay.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAction;
class QLabel;
class QWidget;

// The other ways of sending the sheet, beside "印 刷" itself: entries of the
// window's menu (WindowMenu, which Shift+F10 and the menu key open wherever
// the focus is), and window keys for each of them. They act only while the
// button can be used, and say so in a passing note before; its tool tip
// names them.
class PrintMenu : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(lumenta::report::PrintWay)>;
    PrintMenu(QWidget* printButton, QWidget* window, Send send);

    // The entries, in the menu's order.
    const QList<QAction*>& actions() const { return actions_; }
    // A passing note by the button that it can be used once "計算" has made a total.
    void tellNotYet();

protected:
    // A right click on the button while it cannot be used says why.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* button_;
    QList<QAction*> actions_;
    QPointer<QLabel> note_;
    QTimer noteTimer_;
};
