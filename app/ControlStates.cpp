#include "ControlStates.h"

#include "BuiltInPicture.h"
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

ControlStates ControlStates::take(const std::vector<QWidget*>& panels, const std::vector<QWidget*>& extra)
{
    ControlStates states;
    for (QWidget* panel : panels)
        for (QWidget* w : panel->findChildren<QWidget*>())
            states.states_.push_back(stateOf(w));
    for (QWidget* w : extra)
        states.states_.push_back(stateOf(w));
    return states;
}

ControlStates::State ControlStates::stateOf(QWidget* w)
{
    State s;
    s.widget = w;
    s.name = w->objectName();
    s.hidden = w->isHidden();
    s.disabled = w->testAttribute(Qt::WA_Disabled);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        s.checked = button->isChecked();
        s.text = button->text();
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        s.index = list->currentIndex();
    } else if (auto* group = qobject_cast<TRadioGroup*>(w)) {
        s.index = group->itemIndex();
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        s.text = label->text();
        s.picture = label->pixmap();
        s.copiedPicture = label->property(kCopiedPictureProperty);
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
        s.text = field->text();
    }
    return s;
}

void ControlStates::put(const State& s)
{
    QWidget* w = s.widget;
    if (!w)
        return;
    const QSignalBlocker blocker(w);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // An exclusive radio button can only be unchecked with its exclusivity off.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(s.checked);
        button->setAutoExclusive(exclusive);
        button->setText(s.text);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->setCurrentIndex(s.index);
    } else if (auto* group = qobject_cast<TRadioGroup*>(w)) {
        group->setItemIndex(s.index);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (s.picture.isNull())
            label->setText(s.text);
        else
            label->setPixmap(s.picture);
        label->setProperty(kCopiedPictureProperty, s.copiedPicture);
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
        field->setText(s.text);
    }
    w->setEnabled(!s.disabled);
    w->setHidden(s.hidden);
}

void ControlStates::restore() const
{
    for (const State& s : states_)
        put(s);
}

QStringList ControlStates::differences(const ControlStates& other) const
{
    QStringList found;
    const std::size_t n = std::min(states_.size(), other.states_.size());
    if (states_.size() != other.states_.size())
        found << QStringLiteral("%1 controls against %2").arg(states_.size()).arg(other.states_.size());
    for (std::size_t i = 0; i < n; ++i) {
        const State& a = states_[i];
        const State& b = other.states_[i];
        const auto differ = [&](const char* what, const QString& x, const QString& y) {
            if (x != y)
                found << QStringLiteral("%1 %2: %3 / %4").arg(a.name, QLatin1String(what), x, y);
        };
        differ("name", a.name, b.name);
        differ("hidden", QString::number(a.hidden), QString::number(b.hidden));
        differ("disabled", QString::number(a.disabled), QString::number(b.disabled));
        differ("checked", QString::number(a.checked), QString::number(b.checked));
        differ("index", QString::number(a.index), QString::number(b.index));
        differ("text", a.text, b.text);
        differ("picture", a.copiedPicture.toString(), b.copiedPicture.toString());
    }
    return found;
}
