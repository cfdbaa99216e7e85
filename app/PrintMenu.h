#pragma once

#include "PrintWay.h"

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QWidget;

// The other ways of sending the sheet, beside "印 刷" itself: entries of the
// window's menu (WindowMenu), and window keys for each of them. They can be
// used only while the button can, and its tool tip names them.
class PrintMenu : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(lumenta::report::PrintWay)>;
    PrintMenu(QWidget* printButton, QWidget* window, Send send);

    // The entries, in the menu's order.
    const QList<QAction*>& actions() const { return actions_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* button_;
    QList<QAction*> actions_;
};
