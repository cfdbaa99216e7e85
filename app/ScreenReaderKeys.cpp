#include "ScreenReaderKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool typesText(int key)
{
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Comma;
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
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::KeypadModifier) || typesText(key->key()) || !readerActive_)
        return QObject::eventFilter(watched, event);
    // Taken as the control's own, so that no shortcut runs on it either.
    event->accept();
    return true;
}
