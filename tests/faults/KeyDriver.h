#pragma once

#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

class QWidget;

// Drives the main window with the keyboard alone, as a user would: keys go
// to the control that has the focus, or to the window when none has it.
namespace keydriver {

QWidget* focused();
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Presses Tab until the focus is on a control that matches; false when a
// whole round of the window's tab chain found none.
bool tabTo(QWidget* window, const std::function<bool(const QWidget*)>& matches);
// The focused control's name, or its radio group's name for a group entry.
QString choiceName(const QWidget* control);
bool tabToChoice(QWidget* window, const QString& name);

// The choices one round of Tab visits on the shown screen, from the first
// one, by choiceName, repeats within a radio set collapsed.
QStringList tabRound(QWidget* window);

// Makes every decision of an estimate with the keyboard, from the start
// screen, and presses F9. Returns what went wrong, or an empty string.
QString completeEstimate(QWidget* window);

} // namespace keydriver
