#pragma once

class QWidget;

// Gives every control and picture of the window a name that screen
// readers speak: a money field, list or radio group is named after its
// item's header caption ("　　式場（火葬場）の選択" gives "式場（火葬場）の選択"),
// lists that share an item add what they count, and pictures say what they
// show. Radio buttons, check boxes and the gradient buttons speak their own
// captions.
void nameControls(QWidget* window);
