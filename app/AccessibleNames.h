#pragma once

#include <QString>

class QWidget;

// Gives every control and picture of the window a name that screen
// readers speak: a money field or list is named after its item's header
// caption ("　　式場（火葬場）の選択" gives "式場（火葬場）の選択"), a radio
// group or group box after its own title,
// lists that share an item add what they count, and pictures say what they
// show. Radio buttons, check boxes and the gradient buttons speak their own
// captions.
void nameControls(QWidget* window);

// The spoken title of an item panel (PnlHokan: "保管日数"), taken from its
// header bar, or empty for any other widget.
QString itemPanelTitle(const QWidget* panel);
// The item panel a widget is, or lies in; null for none.
const QWidget* itemPanelOf(const QWidget* w);
// Whether a panel is the header bar of an item panel.
bool isItemHeader(const QWidget* panel);
// Whether a label is a sentence whose blank is where a list sits (told by
// its name, which it has before a screen reader can ask for it); its list
// says it.
bool isSentenceLabel(const QWidget* label);
