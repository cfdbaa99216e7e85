#include "ScreenReaderKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

bool typesText(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Comma;
}

// The key as the window's shortcuts name it.
QKeySequence keysOf(const QKeyEvent& key)
{
    return QKeySequence(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
}

// True when the key runs a shortcut or an action of the active window.
bool isWindowShortcut(const QKeyEvent& key)
{
    const QWidget* window = QApplication::activeWindow();
    if (!window)
        return false;
    const QKeySequence keys = keysOf(key);
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->isEnabled() && shortcut->keys().contains(keys))
            return true;
    QList<QAction*> actions = window->findChildren<QAction*>();
    actions += window->actions();
    for (const QAction* action : actions)
        if (action->isEnabled() && action->shortcuts().contains(keys))
            return true;
    return false;
}

} // namespace

ScreenReaderKeys::ScreenReaderKeys(QObject* parent) : QObject(parent), readerActive_(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
    QCoreApplication::instance()->installEventFilter(this);
}

ScreenReaderKeys::~ScreenReaderKeys() { QAccessible::removeActivationObserver(this); }

bool ScreenReaderKeys::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (!readerActive_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::KeypadModifier) && !typesText(key->key())) {
        // Taken as the control's own, so that no shortcut runs on it either.
        event->accept();
        return true;
    }
    // The window system's key, before the bridge has held it: a shortcut
    // waits for its turn. What the bridge hands back is not spontaneous.
    if (!event->spontaneous() || type == QEvent::KeyRelease || !isWindowShortcut(*key))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Accepted: Qt delivers the key as a key press, which the bridge holds.
        event->accept();
        return true;
    }
    // The bridge let this press through without holding it: it is matched
    // to its shortcut now, as a key handed back would be.
    QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &again);
    return true;
}
