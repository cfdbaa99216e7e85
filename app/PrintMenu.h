#pragma once

#include "PrintWay.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// The other ways of sending the sheet, beside "印 刷" itself: a menu on the
// print button (right click, or the menu key or Shift+F10 while the button
// has the focus) and window keys for two of them. They can be used exactly
// when the print button can, and its tool tip names them.
class PrintMenu : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(lumenta::report::PrintWay)>;
    PrintMenu(QWidget* printButton, QWidget* window, Send send);

    QMenu* menu() const { return menu_; }
    // Opens the menu over the button, or where the pointer is, while the button can be used.
    void popUp();
    void popUpAt(const QPoint& where);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followButton();
    void nameInToolTip();

    QWidget* button_;
    QMenu* menu_;
    std::vector<QAction*> actions_;
};
