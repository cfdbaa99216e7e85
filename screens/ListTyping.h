#pragma once

class QComboBox;

namespace screens {

// Digits typed on a list box pick the first entry whose number they begin,
// once its leading spaces are set aside (" 10", "　3"). Digits typed in
// quick succession (within the desktop's keyboard input interval, as for
// Qt's own search by typing) build one number: 1, 0, 0 picks " 100". On the
// closed box the entry is chosen at once, as with the arrow keys; in the
// open pop-up it is highlighted, for Enter or a click to choose. Other keys
// keep their usual meaning.
void pickByTypedDigits(QComboBox* list);

} // namespace screens
