#pragma once

#include <QAccessibleWidget>

class TplButton;

// What assistive technology sees of a TplButton: a push button named by its
// caption lines, that can be pressed.
class TplButtonAccessible : public QAccessibleWidget {
public:
    explicit TplButtonAccessible(TplButton* button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TplButton* button() const;
};
