#pragma once

#include "StandIns.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class TStrColGrid;

// Drives a window the way a user does. A control that is not on the screen
// cannot be used: trying fails the running test. Clicks go through the window system
// at the control's place (so the pointer moves, enter and leave events are
// sent, and a covered or disabled control does not react); list entries are
// picked with the arrow keys on the closed drop-down list, which is what both
// the "activated" and the "index changed" listeners hear.
class UserDriver {
public:
    explicit UserDriver(QWidget* window);

    QWidget* window() const { return window_; }

    // The control of that object name under the window. When there is none,
    // or it is of another kind, the running case fails and a blank stand-in
    // comes back (see StandIns).
    QWidget* widget(const QString& name) const;
    template <class T>
    T* find(const QString& name) const
    {
        return checkedCast<T>(widget(name), name);
    }

    // Clicks a button, radio button, check box or gradient button at the
    // point a user would aim for.
    void click(const QString& name);
    // Clicks a control at this point of its own (for a frame whose middle is
    // covered by what it frames).
    void clickAt(const QString& name, QPoint point);
    // Clicks entry `index` of a radio group.
    void clickEntry(const QString& group, int index);
    // Selects entry `index` of a drop-down list with the arrow keys. False
    // when the list does not get there (the window moved it back).
    bool pick(const QString& list, int index);
    // One of the three above, chosen by the control's kind: an entry of a
    // radio group or list, or a click (index ignored) on anything else.
    // False when a list did not take the entry.
    bool choose(const QString& name, int index = -1);
    // Moves the pointer onto a control, or onto a spot of the window where
    // no button is.
    void hover(const QString& name);
    void hoverNowhere();

    // Text of a money field, label, button or list.
    QString text(const QString& name) const;
    bool isChecked(const QString& name) const;
    bool isEnabled(const QString& name) const;
    bool isVisible(const QString& name) const;
    int currentIndex(const QString& name) const;  // list or radio group; -1 for none

    // Summary grid cells, as the grid holds them (and prints them).
    QString cell(int column, int row) const;
    // Columns 1-4 of a grid row.
    QStringList line(int row) const;

    // Saves a picture of the whole window as PNG.
    bool saveShot(const QString& path) const;

private:
    template <class T>
    T* checkedCast(QWidget* w, const QString& name) const
    {
        T* t = qobject_cast<T*>(w);
        return t ? t : standIns_.missing<T>(name + QStringLiteral(" of the expected kind"), __FILE__, __LINE__);
    }
    // Fails the running test: the user cannot act on a control that is hidden
    // or disabled, or on an entry that is not there.
    static void unreachable(const QString& what);
    TStrColGrid* grid() const;
    QPoint aimPoint(QWidget* w) const;
    static void pointAt(QWidget* w, QPoint point);

    QWidget* window_;
    mutable StandIns standIns_;
};
