#include "ListBoxAccessible.h"

#include "FrameRelations.h"
#include "SpokenText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

ListBoxAccessible::ListBoxAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* ListBoxAccessible::list() const { return static_cast<QComboBox*>(widget()); }

// Entries right-align their numbers with spaces, which a reader would spell.
QString ListBoxAccessible::entry() const { return spokenText(list()->currentText()); }

void* ListBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString ListBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return entry();
    if (t == QAccessible::Description && list()->accessibleDescription().isEmpty())
        if (const auto* label = qobject_cast<const QLabel*>(list()->property(kSentenceLabel).value<QObject*>()))
            return list()->currentIndex() < 0 ? QString() : filledSentence(label->text(), entry());
    return QAccessibleWidget::text(t);
}

QAccessible::State ListBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = list()->view()->isVisible();
    s.readOnly = true;
    return s;
}

int ListBoxAccessible::childCount() const { return 1; }

QAccessibleInterface* ListBoxAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

QStringList ListBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ListBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        list()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}

// A list in a titled frame is not labelled by the frame as well.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> ListBoxAccessible::relations(QAccessible::Relation match) const
{
    return withoutFrameLabel(QAccessibleWidget::relations(match), parent());
}

QString ListBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString e = entry();
    if (startOffset < 0 || endOffset < startOffset)
        return {};
    return e.mid(startOffset, endOffset - startOffset);
}

int ListBoxAccessible::characterCount() const { return int(entry().size()); }

QString ListBoxAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
