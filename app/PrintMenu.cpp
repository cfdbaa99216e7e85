#include "PrintMenu.h"

#include <QAction>
#include <QEvent>
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
        action->setEnabled(button_->isEnabled());
        window->addAction(action);
        actions_ << action;
        named << QStringLiteral("%1 (%2)").arg(action->text(), entry.keys.toString(QKeySequence::NativeText));
    }
    button_->installEventFilter(this);
    // The button's own keys come first.
    const QString tip = button_->toolTip();
    button_->setToolTip((tip.isEmpty() ? QString() : tip + u'\n') +
                        QStringLiteral("右クリック、メニューキー、Shift+F10: ") + named.join(QStringLiteral("、")));
}

// The entries can be used while the button can.
bool PrintMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == button_ && event->type() == QEvent::EnabledChange)
        for (QAction* action : actions_)
            action->setEnabled(button_->isEnabled());
    return QObject::eventFilter(watched, event);
}
