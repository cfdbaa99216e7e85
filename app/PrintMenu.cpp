#include "PrintMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

using lumenta::report::PrintWay;

namespace {

struct Entry {
    const char* text;
    QKeySequence keys;
    PrintWay way;
};
// Ctrl+Shift+V ("view") for the preview: Ctrl+F2, which office programs use,
// switches to the second desktop on KDE Plasma and Xfce.
const Entry kEntries[] = {
    {"PDFとして保存…", QKeySequence(Qt::CTRL | Qt::Key_S), PrintWay::Pdf},
    {"印刷プレビュー…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), PrintWay::Preview},
    {"プリンタを選んで印刷…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), PrintWay::ChoosePrinter},
};
const QKeySequence kMenuKeys[] = {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)};

} // namespace

PrintMenu::PrintMenu(QWidget* printButton, QWidget* window, Send send) : QObject(window), button_(printButton)
{
    QStringList named;
    for (const Entry& entry : kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.text), window);
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, send, way = entry.way] {
            if (button_->isEnabled())
                send(way);
        });
        window->addAction(action);
        button_->addAction(action);
        named << QStringLiteral("%1 (%2)").arg(action->text(), entry.keys.toString(QKeySequence::NativeText));
    }
    button_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const QKeySequence& keys : kMenuKeys)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &PrintMenu::popUp);
    // The button's own keys come first.
    const QString tip = button_->toolTip();
    button_->setToolTip((tip.isEmpty() ? QString() : tip + u'\n') +
                        QStringLiteral("右クリック、メニューキー、Shift+F10: ") + named.join(QStringLiteral("、")));
}

void PrintMenu::popUp()
{
    if (!button_->isEnabled())
        return;
    const QPoint centre = button_->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, button_->mapToGlobal(centre));
    QCoreApplication::sendEvent(button_, &event);
}
