#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The window's one menu: 見積りを開く… and the ways of sending the sheet.
// It opens with a right click anywhere in the window (the money fields
// and the description boxes pass theirs on), and with Shift+F10 or the
// menu key wherever the focus is, on the start screen and on every step.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    WindowMenu(QWidget* window, const QList<QAction*>& entries);

    // Lets the right clicks on the fields and boxes under root reach the window.
    void cover(QWidget* root);
    // Opens the menu at the keyboard focus, or in the window's middle.
    void popUp();
    // The menu, made at its first opening (it costs the start nothing).
    QMenu* menu();

private:
    void popUpAt(const QPoint& global);

    QWidget* window_;
    QList<QAction*> entries_;
    QMenu* menu_ = nullptr;
};
