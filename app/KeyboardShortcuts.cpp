#include "KeyboardShortcuts.h"

#include "HeaderBar.h"
#include "ScreenFactory.h"
#include "plButton.h"

#include <QScopedValueRollback>
#include <QShortcut>
#include <QStringList>

namespace keys {

namespace {

constexpr auto Alt = Qt::ALT;
constexpr auto Ctrl = Qt::CTRL;

const Shortcut kTable[] = {
    {QKeySequence(Qt::Key_Return), Button::plBtnStart, When::StartScreen},
    {QKeySequence(Qt::Key_Enter), Button::plBtnStart, When::StartScreen},
    {QKeySequence(Qt::Key_Space), Button::plBtnStart, When::StartScreen},
    {QKeySequence(Alt | Qt::Key_S), Button::plBtnStart, When::StartScreen},
    {QKeySequence(Alt | Qt::Key_1), Button::plBtnBasho, When::Steps},
    {QKeySequence(Alt | Qt::Key_2), Button::plBtnJunbi, When::Steps},
    {QKeySequence(Alt | Qt::Key_3), Button::plBtnTuya, When::Steps},
    {QKeySequence(Alt | Qt::Key_4), Button::plBtnKoku, When::Steps},
    {QKeySequence(Alt | Qt::Key_5), Button::plBtnKaso, When::Steps},
    {QKeySequence(Qt::Key_F9), Button::plBntCal, When::Steps},
    {QKeySequence(Alt | Qt::Key_K), Button::plBntCal, When::Steps},
    {QKeySequence(Ctrl | Qt::Key_P), Button::plBtnPrint, When::Steps},
    {QKeySequence(Alt | Qt::Key_P), Button::plBtnPrint, When::Steps},
    {QKeySequence(Qt::Key_F1), Button::plButton1, When::Always},
};

} // namespace

std::span<const Shortcut> table() { return kTable; }

} // namespace keys

namespace {

// The widget of a button: the start button and "計算" are on the screens
// (null until they are built), the others on the header bar.
TplButton* buttonOf(keys::Button button, const HeaderBar& header, const Screens& screens)
{
    using keys::Button;
    switch (button) {
    case Button::plBtnStart:
        return screens.start;
    case Button::plBtnBasho:
        return header.steps[0];
    case Button::plBtnJunbi:
        return header.steps[1];
    case Button::plBtnTuya:
        return header.steps[2];
    case Button::plBtnKoku:
        return header.steps[3];
    case Button::plBtnKaso:
        return header.steps[4];
    case Button::plBntCal:
        return screens.calculate;
    case Button::plBtnPrint:
        return header.plBtnPrint;
    case Button::plButton1:
        return header.plButton1;
    }
    return nullptr;
}

// The keys of a button, for its tool tip: "Alt+1", "F9 / Alt+K".
QString keysOf(keys::Button button)
{
    QStringList keys;
    for (const keys::Shortcut& entry : keys::table())
        if (entry.button == button)
            keys << entry.keys.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(" / "));
}

} // namespace

KeyboardShortcuts::KeyboardShortcuts(QWidget* window)
{
    for (const keys::Shortcut& entry : keys::table()) {
        auto* shortcut = new QShortcut(entry.keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setEnabled(entry.when != keys::When::Steps);
        TplButton* const& button = buttons_[std::size_t(entry.button)];
        QObject::connect(shortcut, &QShortcut::activated, window, [this, &button, which = entry.button] {
            if (button && !button->isEnabled() && unusable_)
                unusable_(which);
            if (!button || !button->isEnabled())
                return;
            const QScopedValueRollback byKey(pressingByKey_, true);
            button->click();
        });
        installed_.push_back({shortcut, entry.when});
    }
}

void KeyboardShortcuts::takeButtons(const HeaderBar& header, const Screens& screens)
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto button = keys::Button(i);
        buttons_[i] = buttonOf(button, header, screens);
        // Once named, a button keeps its tip, and what others added to it.
        if (buttons_[i] && buttons_[i]->toolTip().isEmpty())
            buttons_[i]->setToolTip(keysOf(button));
    }
}

void KeyboardShortcuts::reportMissing() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (!buttons_[i])
            qCritical("KeyboardShortcuts: no button for the keys %s", qPrintable(keysOf(keys::Button(i))));
}

void KeyboardShortcuts::startScreenLeft()
{
    for (const Installed& i : installed_)
        i.shortcut->setEnabled(i.when != keys::When::StartScreen);
}
