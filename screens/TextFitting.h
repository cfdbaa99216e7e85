#pragma once

class QComboBox;
class QLabel;
class QTextEdit;

// Fits the screens' texts into the room the layout gives them: the
// substitute screen font runs a little wider and taller than the one the
// screens were laid out with.
namespace screens {

// A memo's lines fit its width without wrapping and its height without
// a scroll bar: a slightly tighter letter or line spacing where needed.
void fitMemo(QTextEdit* memo);

// A list box shows its longest entry whole.
void fitList(QComboBox* list);

// A label carrying the dynamic property "fitWidth" ends within that width.
void fitLabel(QLabel* label);

// A label whose run of ideographic spaces a list box covers ("菊花：　　　基")
// shows the text after the run right beside the list box.
void fitGapLabel(QLabel* label);

} // namespace screens
