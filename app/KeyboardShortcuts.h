#pragma once

#include <QKeySequence>
#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

class QShortcut;
class QWidget;
class TplButton;
struct HeaderBar;
struct Screens;

// The keys that press the window's buttons. The header buttons, the start
// button and "計算" take no tab stop, so these keys are how a keyboard
// reaches them.
namespace keys {

// When a key works: only on the start screen, only after it, or always.
enum class When { StartScreen, Steps, Always };

// The buttons that keys press, under their object names.
enum class Button : std::size_t {
    plBtnStart,
    plBtnBasho,
    plBtnJunbi,
    plBtnTuya,
    plBtnKoku,
    plBtnKaso,
    plBntCal,
    plBtnPrint,
    plButton1,
};
inline constexpr std::size_t kButtonCount = 9;
static_assert(kButtonCount == std::size_t(Button::plButton1) + 1);

struct Shortcut {
    QKeySequence keys;
    Button button;
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

    // Takes the buttons from the header bar and the screens, and puts each
    // button's keys in its tool tip; called again once the step screens are
    // built. A key whose button is not there yet does nothing.
    void takeButtons(const HeaderBar& header, const Screens& screens);
    // Once every screen is built: logs each key that has no button, a fault
    // of the program.
    void reportMissing() const;
    void startScreenLeft();
    // True while a key is pressing its button: what the button does then
    // was asked for with the keyboard.
    bool pressingByKey() const { return pressingByKey_; }
    // Told when a key was pressed while its button could not be used.
    void onUnusable(std::function<void(keys::Button)> told) { unusable_ = std::move(told); }

private:
    struct Installed {
        QShortcut* shortcut;
        keys::When when;
    };
    std::array<TplButton*, keys::kButtonCount> buttons_{};
    std::vector<Installed> installed_;
    bool pressingByKey_ = false;
    std::function<void(keys::Button)> unusable_;
};
