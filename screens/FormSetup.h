#pragma once

class QWidget;

// Finishes a screen built from a Designer form with what the form file cannot
// hold; every screen is set up this way. Fonts are given in pixels: a widget
// carrying the dynamic property "fontPixelSize" gets the screen font at that
// size (its children inherit it). A picture label carrying the dynamic
// property "picture" shows that built-in picture for the whole run, decoded
// when the label is first painted. Texts are fitted to the room the screens
// give them, when the screen is first seen: memos are laid out one line every
// font-size pixels where the form carries "memoPitchFromFont", and otherwise
// get a slightly tighter letter or line spacing where the screen font runs
// wider or taller. Labels carrying "fitWidth" are fitted the same way, list
// boxes draw an entry that outruns them narrower and pick an entry by the
// number typed on them, and a label whose gap of ideographic spaces a list box
// covers resumes right after the list.
namespace screens {

void setUpForm(QWidget* form);

} // namespace screens
