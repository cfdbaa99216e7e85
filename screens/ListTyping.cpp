#include "ListTyping.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

namespace screens {

namespace {

// The entries' numbers are right-aligned with ASCII or ideographic spaces.
QStringView withoutLeadingSpaces(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\u3000'))
        ++i;
    return text.mid(i);
}

// The digit a key typed, or an empty text for any other key.
QString typedDigit(const QKeyEvent* key)
{
    const QString typed = key->text();
    if (typed.size() != 1 || !typed[0].isDigit() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    return typed;
}

// Watches the closed box and its pop-up's list: both take digits by the
// same rule, and the digits typed so far are one number for both.
class DigitPicker : public QObject {
public:
    explicit DigitPicker(QComboBox* list) : QObject(list), list_(list)
    {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString digit = typedDigit(static_cast<QKeyEvent*>(event));
        if (digit.isEmpty())
            return false;
        const int entry = entryFor(digit);
        if (entry >= 0 && watched == list_)
            choose(entry);
        else if (entry >= 0)
            highlight(entry);
        return true;
    }

private:
    int firstBeginning(const QString& number) const
    {
        for (int i = 0; i < list_->count(); ++i)
            if (withoutLeadingSpaces(list_->itemText(i)).startsWith(number))
                return i;
        return -1;
    }

    // The number typed so far goes on with this digit, unless the pause
    // before it was long or no entry begins with the longer number: then
    // the digit starts a new one.
    int entryFor(const QString& digit)
    {
        if (!lastKey_.isValid() || lastKey_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        lastKey_.start();
        typed_ += digit;
        int entry = firstBeginning(typed_);
        if (entry < 0) {
            typed_ = digit;
            entry = firstBeginning(typed_);
        }
        return entry;
    }

    void choose(int entry)
    {
        if (entry == list_->currentIndex())
            return;
        list_->setCurrentIndex(entry);
        emit list_->activated(entry);
        emit list_->textActivated(list_->itemText(entry));
    }

    void highlight(int entry)
    {
        QAbstractItemView* view = list_->view();
        const QModelIndex index = list_->model()->index(entry, list_->modelColumn(), list_->rootModelIndex());
        view->setCurrentIndex(index);
        view->scrollTo(index);
    }

    QComboBox* list_;
    QString typed_;
    QElapsedTimer lastKey_;
};

} // namespace

void pickByTypedDigits(QComboBox* list) { new DigitPicker(list); }

} // namespace screens
