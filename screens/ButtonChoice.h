#pragma once

#include <QAbstractButton>

#include <initializer_list>
#include <optional>

// Reading a choice off radio buttons, the way the item handlers do: from the
// buttons' current state, never from the button that sent the click.

// Place (0-based) of the checked button in the list, or -1 when none is.
inline int checkedPlace(std::initializer_list<const QAbstractButton*> buttons)
{
    int place = 0;
    for (const QAbstractButton* b : buttons) {
        if (b->isChecked())
            return place;
        ++place;
    }
    return -1;
}

// true for the "yes" button, false for the "no" button, nothing while
// neither is checked.
inline std::optional<bool> yesOrNo(const QAbstractButton* yes, const QAbstractButton* no)
{
    if (yes->isChecked())
        return true;
    if (no->isChecked())
        return false;
    return std::nullopt;
}
