#include "GroupedChoiceAccessible.h"

#include "FrameRelations.h"

#include <QGroupBox>
#include <QRadioButton>

GroupedChoiceAccessible::GroupedChoiceAccessible(QRadioButton* button)
    : QAccessibleWidget(button, QAccessible::RadioButton)
{
}

QAccessibleInterface* GroupedChoiceAccessible::createFor(QRadioButton* button)
{
    const auto* frame = qobject_cast<const QGroupBox*>(button->parentWidget());
    return frame && !frame->title().isEmpty() ? new GroupedChoiceAccessible(button) : nullptr;
}

QRadioButton* GroupedChoiceAccessible::button() const { return static_cast<QRadioButton*>(widget()); }

QString GroupedChoiceAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return button()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State GroupedChoiceAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = button()->isChecked();
    return s;
}

QStringList GroupedChoiceAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(toggleAction());
    return names;
}

void GroupedChoiceAccessible::doAction(const QString& actionName)
{
    if (actionName == toggleAction() || actionName == pressAction()) {
        if (widget()->isEnabled())
            button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
GroupedChoiceAccessible::relations(QAccessible::Relation match) const
{
    return withoutFrameLabel(QAccessibleWidget::relations(match), parent());
}
