#pragma once

#include <QAccessibleWidget>

class QRadioButton;

// A radio button in a titled frame (a radio group, a group box), whose
// title it leaves to the frame (see FrameRelations.h).
class GroupedChoiceAccessible : public QAccessibleWidget {
public:
    explicit GroupedChoiceAccessible(QRadioButton* button);

    // Made only for a radio button in a titled frame; null for any other.
    static QAccessibleInterface* createFor(QRadioButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;

private:
    QRadioButton* button() const;
};
