#include "NoTextDrag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTextEdit>

namespace {

class NoTextDrag : public QObject {
public:
    explicit NoTextDrag(QTextEdit* memo) : QObject(memo), memo_(memo) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !(mouse->modifiers() & Qt::ShiftModifier) &&
            memo_->textCursor().hasSelection()) {
            QTextCursor cursor = memo_->textCursor();
            cursor.clearSelection();
            memo_->setTextCursor(cursor);
        }
        return false;
    }

private:
    QTextEdit* memo_;
};

} // namespace

void keepTextInPlace(QTextEdit* memo) { memo->viewport()->installEventFilter(new NoTextDrag(memo)); }
