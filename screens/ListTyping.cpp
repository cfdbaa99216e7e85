#include "ListTyping.h"

#include <QComboBox>
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

class DigitPicker : public QObject {
public:
    explicit DigitPicker(QComboBox* list) : QObject(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() != 1 || !typed[0].isDigit() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        auto* list = static_cast<QComboBox*>(watched);
        for (int i = 0; i < list->count(); ++i) {
            if (!withoutLeadingSpaces(list->itemText(i)).startsWith(typed))
                continue;
            if (i != list->currentIndex()) {
                list->setCurrentIndex(i);
                emit list->activated(i);
                emit list->textActivated(list->itemText(i));
            }
            break;
        }
        return true;
    }
};

} // namespace

void pickByTypedDigit(QComboBox* list) { list->installEventFilter(new DigitPicker(list)); }

} // namespace screens
