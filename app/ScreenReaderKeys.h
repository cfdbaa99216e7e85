#pragma once

#include <QAccessible>
#include <QObject>

// While a screen reader runs, the keypad belongs to it: Orca reviews the
// screen with the keypad's arrows, Home, End, Page keys and Enter, and when
// it answers late Qt hands the same key to the program too, where it would
// move a list or a set of choices in the middle of the review. So, while a
// reader is active, no keypad key reaches the program's controls except the
// digits and the decimal point (Num Lock on), which still type. Qt's bridge
// to the reader, which connects once the window is made, still sees each key
// before this filter and hands it to the reader; what the reader leaves, or
// answers too late, comes back to the program and stops here.
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
