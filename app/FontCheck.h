#pragma once

class QWidget;

// Every text of the screens and the sheet is Japanese: without a face that
// can draw it, each would be an empty box. At start the program checks that
// one is installed; if none is, it says so on standard error and in a
// message box over the window, in English too (the Japanese cannot be drawn
// then), naming the packages that bring the faces.
namespace font_check {

// True when an installed face can draw Japanese.
bool japaneseDrawable();

// Tells the user when no face can draw Japanese; does nothing otherwise.
void warnIfNoJapaneseFace(QWidget* window);

} // namespace font_check
