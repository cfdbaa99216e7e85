#pragma once

class QComboBox;

namespace screens {

// A digit typed on a closed list box picks the first entry that begins with
// it once its leading spaces are set aside (" 10", "　3"), as a pick with the
// arrow keys does. Other keys keep their usual meaning.
void pickByTypedDigit(QComboBox* list);

} // namespace screens
