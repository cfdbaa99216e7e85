#pragma once

#include <QKeySequence>
#include <span>
#include <vector>

class QShortcut;
class QWidget;

// The keys that press the window's buttons. The header buttons, the start
// button and "計算" take no tab stop, so these keys are how a keyboard
// reaches them.
namespace keys {

// When a key works: only on the start screen, only after it, or always.
enum class When { StartScreen, Steps, Always };

struct Shortcut {
    QKeySequence keys;
    const char* button;  // objectName of the button the key presses
    When when;
};

// Every key of the window, in one table.
std::span<const Shortcut> table();

} // namespace keys

// Puts the table's keys on a window. A key presses its button only while
// that button is enabled; the start screen's keys (Enter and Space among
// them) stop working once the start screen is left, so that they reach the
// step screens' own controls again.
class KeyboardShortcuts {
public:
    explicit KeyboardShortcuts(QWidget* window);

    void startScreenLeft();
    // Puts each button's keys in its tool tip; called again when buttons
    // are added to the window.
    void describeKeys();

private:
    struct Installed {
        QShortcut* shortcut;
        keys::When when;
    };
    QWidget* window_;
    std::vector<Installed> installed_;
};
