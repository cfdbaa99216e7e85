#include "WindowMenu.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTextEdit>
#include <QWidget>

namespace {

const QKeySequence kMenuKeys[] = {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)};

} // namespace

WindowMenu::WindowMenu(QWidget* window, const QList<QAction*>& entries)
    : QObject(window), window_(window), entries_(entries)
{
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popUpAt(window_->mapToGlobal(at)); });
    for (const QKeySequence& keys : kMenuKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &WindowMenu::popUp);
    cover(window);
}

// Fields and description boxes have a menu of their own (copy, paste ...).
void WindowMenu::cover(QWidget* root)
{
    for (QWidget* text : root->findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(text) || qobject_cast<QTextEdit*>(text))
            text->setContextMenuPolicy(Qt::NoContextMenu);
}

QMenu* WindowMenu::menu()
{
    if (!menu_) {
        menu_ = new QMenu(window_);
        for (QAction* entry : entries_)
            if (entry)
                menu_->addAction(entry);
            else
                menu_->addSeparator();
    }
    return menu_;
}

void WindowMenu::popUpAt(const QPoint& global) { menu()->popup(global); }

void WindowMenu::popUp()
{
    QWidget* focus = QApplication::focusWidget();
    const bool inWindow = focus && focus->isVisible() && window_->isAncestorOf(focus);
    QWidget* at = inWindow ? focus : window_;
    popUpAt(at->mapToGlobal(at->rect().center()));
}
