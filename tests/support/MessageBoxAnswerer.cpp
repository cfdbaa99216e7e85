#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageBoxAnswerer::MessageBoxAnswerer()
{
    // Polls from inside the box's own event loop.
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
}

QList<MessageBoxAnswerer::Box> MessageBoxAnswerer::during(const std::function<void()>& action)
{
    const qsizetype before = seen_.size();
    timer_.start();
    action();
    timer_.stop();
    return seen_.mid(before);
}

void MessageBoxAnswerer::answerOpenBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    Box seen{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* b : box->buttons())
        seen.buttons << b->text();
    seen_ << seen;
    if (QAbstractButton* first = box->buttons().value(0))
        first->click();
    else
        box->reject();
}
