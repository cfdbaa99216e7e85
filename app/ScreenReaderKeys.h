#pragma once

#include <QAccessible>
#include <QObject>

class QKeyEvent;

// The keyboard while a screen reader runs.
//
// The keypad belongs to the reader: Orca reviews the screen with the
// keypad's arrows, Home, End, Page keys and Enter, and when it answers late
// Qt hands the same key to the program too, where it would move a list or a
// set of choices in the middle of the review. So, while a reader is active,
// no keypad key reaches the program's controls except the digits and the
// decimal point (Num Lock on), which still type.
//
// No key overtakes another: Qt's bridge to the reader holds each key press
// until the reader has looked at it, but Qt matches the window's shortcuts
// (F9, Alt+1 … Alt+5, the start screen's Return, the menu keys) before any
// key reaches the bridge, so F9 pressed just after Space would run before
// the Space. While a reader is active, a key that is one of the active
// window's shortcuts goes on as an ordinary key press instead, through the
// bridge in its turn; when the bridge hands it back, Qt matches it to its
// shortcut then. A key the bridge did not hold (no reader listening for
// keys) is matched at once. Without a reader, shortcuts work as Qt makes
// them.
//
// Qt's bridge, which connects once the window is made, sees each key before
// this filter; what the reader leaves, or answers too late, comes back to
// the program and passes here.
class ScreenReaderKeys : public QObject, public QAccessible::ActivationObserver {
public:
    explicit ScreenReaderKeys(QObject* parent);
    ~ScreenReaderKeys() override;

    void accessibilityActiveChanged(bool active) override { readerActive_ = active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool readerActive_;
};
