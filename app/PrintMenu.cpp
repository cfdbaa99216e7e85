#include "PrintMenu.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
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

const QString kNotYet = QStringLiteral("「計算」で合計を出した後に、印刷やPDFファイルへの保存ができます。");
// How long the passing note stays.
constexpr int kNoteMs = 5000;

} // namespace

PrintMenu::PrintMenu(QWidget* printButton, QWidget* window, Send send) : QObject(window), button_(printButton)
{
    // The button's tool tip: what it does with its own keys, what its menu
    // holds and how the menu opens, and when it can be used.
    QString tip = QStringLiteral("見積書を印刷します");
    if (!button_->toolTip().isEmpty())
        tip += QStringLiteral("（%1）").arg(button_->toolTip());
    tip += QStringLiteral("\n右クリックのメニュー（メニューキー、Shift+F10）:");
    for (const Entry& entry : kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.text), window);
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, send, way = entry.way] {
            if (button_->isEnabled())
                send(way);
            else
                tellNotYet();
        });
        window->addAction(action);
        actions_ << action;
        tip += QStringLiteral("\n　%1 (%2)").arg(action->text(), entry.keys.toString(QKeySequence::NativeText));
    }
    button_->setToolTip(tip + QStringLiteral("\n「計算」で合計を出した後に使えます。"));
    button_->installEventFilter(this);
}

// The note is a tip window of its own: Qt's tool tip would go at the
// release of the very key that asked.
void PrintMenu::tellNotYet()
{
    if (!note_) {
        note_ = new QLabel(kNotYet, button_->window(), Qt::ToolTip);
        note_->setObjectName(QStringLiteral("PrintNotYet"));
        note_->setForegroundRole(QPalette::ToolTipText);
        note_->setBackgroundRole(QPalette::ToolTipBase);
        note_->setAutoFillBackground(true);
        note_->setFrameShape(QFrame::Box);
        note_->setMargin(4);
        noteTimer_.setSingleShot(true);
        noteTimer_.setInterval(kNoteMs);
        connect(&noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
    }
    note_->adjustSize();
    const QPoint below = button_->mapToGlobal(QPoint(button_->width(), button_->height() + 2));
    note_->move(below.x() - note_->width(), below.y());
    note_->show();
    noteTimer_.start();
}

bool PrintMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == button_ && event->type() == QEvent::ContextMenu && !button_->isEnabled()) {
        tellNotYet();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
