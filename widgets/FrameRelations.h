#pragma once

#include <QAccessibleInterface>
#include <QList>
#include <QPair>

// Qt names the titled frame (QGroupBox) that holds a control as the control's
// label too, so that a screen reader says the frame's title twice: once as
// the frame the focus entered, once as the control's label. The relations of
// a control without that one.
inline QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
withoutFrameLabel(QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations, QAccessibleInterface* frame)
{
    relations.removeIf([frame](const auto& r) { return r.first == frame && r.second == QAccessible::Label; });
    return relations;
}
