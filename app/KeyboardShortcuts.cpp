#include "KeyboardShortcuts.h"

#include "plButton.h"

#include <QShortcut>

namespace keys {

namespace {

constexpr auto Alt = Qt::ALT;
constexpr auto Ctrl = Qt::CTRL;

const Shortcut kTable[] = {
    {QKeySequence(Qt::Key_Return), "plBtnStart", When::StartScreen},
    {QKeySequence(Qt::Key_Enter), "plBtnStart", When::StartScreen},
    {QKeySequence(Qt::Key_Space), "plBtnStart", When::StartScreen},
    {QKeySequence(Alt | Qt::Key_S), "plBtnStart", When::StartScreen},
    {QKeySequence(Alt | Qt::Key_1), "plBtnBasho", When::Steps},
    {QKeySequence(Alt | Qt::Key_2), "plBtnJunbi", When::Steps},
    {QKeySequence(Alt | Qt::Key_3), "plBtnTuya", When::Steps},
    {QKeySequence(Alt | Qt::Key_4), "plBtnKoku", When::Steps},
    {QKeySequence(Alt | Qt::Key_5), "plBtnKaso", When::Steps},
    {QKeySequence(Qt::Key_F9), "plBntCal", When::Steps},
    {QKeySequence(Alt | Qt::Key_K), "plBntCal", When::Steps},
    {QKeySequence(Ctrl | Qt::Key_P), "plBtnPrint", When::Steps},
    {QKeySequence(Alt | Qt::Key_P), "plBtnPrint", When::Steps},
    {QKeySequence(Qt::Key_F1), "plButton1", When::Always},
};

} // namespace

std::span<const Shortcut> table() { return kTable; }

} // namespace keys

namespace {

// The keys of a button, for its tool tip: "Alt+1", "F9 / Alt+K".
void describeKeys(QWidget* window)
{
    for (const keys::Shortcut& entry : keys::table()) {
        auto* button = window->findChild<TplButton*>(QLatin1String(entry.button));
        if (!button)
            continue;
        const QString key = entry.keys.toString(QKeySequence::NativeText);
        button->setToolTip(button->toolTip().isEmpty() ? key : button->toolTip() + QStringLiteral(" / ") + key);
    }
}

} // namespace

KeyboardShortcuts::KeyboardShortcuts(QWidget* window)
{
    for (const keys::Shortcut& entry : keys::table()) {
        auto* shortcut = new QShortcut(entry.keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setEnabled(entry.when != keys::When::Steps);
        const QString name = QLatin1String(entry.button);
        QObject::connect(shortcut, &QShortcut::activated, window, [window, name] {
            auto* button = window->findChild<TplButton*>(name);
            if (button && button->isEnabled())
                button->click();
        });
        installed_.push_back({shortcut, entry.when});
    }
    describeKeys(window);
}

void KeyboardShortcuts::startScreenLeft()
{
    for (const Installed& i : installed_)
        i.shortcut->setEnabled(i.when != keys::When::StartScreen);
}
