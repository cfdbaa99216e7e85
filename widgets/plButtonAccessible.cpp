#include "plButtonAccessible.h"

#include "SpokenText.h"
#include "plButton.h"

TplButtonAccessible::TplButtonAccessible(TplButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

TplButton* TplButtonAccessible::button() const { return static_cast<TplButton*>(widget()); }

// The second caption line continues the first ("ｿﾌﾄ説明" + "のHPを開く").
QString TplButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && button()->accessibleName().isEmpty())
        return spokenText(button()->captionA() + button()->captionB());
    return QAccessibleWidget::text(t);
}

QStringList TplButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void TplButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        if (widget()->isEnabled())
            button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList TplButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && button()->focusPolicy() != Qt::NoFocus)
        return {QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
