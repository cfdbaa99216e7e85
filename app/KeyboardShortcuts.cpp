#include "KeyboardShortcuts.h"

#include "plButton.h"

#include <QShortcut>
#include <QStringList>

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
QString keysOf(const char* button)
{
    QStringList keys;
    for (const keys::Shortcut& entry : keys::table())
        if (qstrcmp(entry.button, button) == 0)
            keys << entry.keys.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(" / "));
}

} // namespace

void KeyboardShortcuts::describeKeys()
{
    for (const keys::Shortcut& entry : keys::table())
        if (auto* button = window_->findChild<TplButton*>(QLatin1String(entry.button)))
            button->setToolTip(keysOf(entry.button));
}

KeyboardShortcuts::KeyboardShortcuts(QWidget* window) : window_(window)
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
    describeKeys();
}

void KeyboardShortcuts::startScreenLeft()
{
    for (const Installed& i : installed_)
        i.shortcut->setEnabled(i.when != keys::When::StartScreen);
}
