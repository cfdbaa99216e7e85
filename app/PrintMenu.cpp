#include "PrintMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

using lumenta::report::PrintWay;

namespace {

struct Entry {
    const char* text;
    QKeySequence keys;
    PrintWay way;
};
const Entry kEntries[] = {
    {"PDFとして保存…", QKeySequence(Qt::CTRL | Qt::Key_S), PrintWay::Pdf},
    {"印刷プレビュー…", QKeySequence(), PrintWay::Preview},
    {"プリンタを選んで印刷…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), PrintWay::ChoosePrinter},
};

const QString kMenuKeys = QStringLiteral("右クリック、メニューキー、Shift+F10: ");

bool opensMenu(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

PrintMenu::PrintMenu(QWidget* printButton, QWidget* window, Send send)
    : QObject(window), button_(printButton), menu_(new QMenu(window))
{
    menu_->setObjectName(QStringLiteral("PrintMenu"));
    for (const Entry& entry : kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.text), window);
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [send, way = entry.way] { send(way); });
        window->addAction(action);
        menu_->addAction(action);
        actions_.push_back(action);
    }
    button_->setContextMenuPolicy(Qt::PreventContextMenu);
    button_->installEventFilter(this);
    followButton();
    nameInToolTip();
}

void PrintMenu::popUp() { popUpAt(button_->mapToGlobal(button_->rect().center())); }

void PrintMenu::popUpAt(const QPoint& where)
{
    if (button_->isEnabled())
        menu_->exec(where);
}

bool PrintMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != button_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        followButton();
        break;
    case QEvent::ToolTipChange:
        nameInToolTip();
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            popUpAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (opensMenu(*static_cast<QKeyEvent*>(event))) {
            popUp();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PrintMenu::followButton()
{
    for (QAction* action : actions_)
        action->setEnabled(button_->isEnabled());
}

// The button's own keys come first; the menu and its keys follow.
void PrintMenu::nameInToolTip()
{
    QString tip = button_->toolTip();
    if (tip.contains(kMenuKeys))
        return;
    QStringList entries;
    for (QAction* action : actions_) {
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        entries << (keys.isEmpty() ? action->text() : QStringLiteral("%1 (%2)").arg(action->text(), keys));
    }
    if (!tip.isEmpty())
        tip += u'\n';
    button_->setToolTip(tip + kMenuKeys + entries.join(QStringLiteral("、")));
}
