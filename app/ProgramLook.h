#pragma once

#include <QPalette>

// The program's own look, the same on every desktop: one palette, one
// widget style and one font for the whole application, set at start-up
// before any window exists. Every colour the screens leave to the platform
// (the button face of the window and the item bodies, the text colours,
// the frames of the standard controls) comes from here, whatever colour
// scheme, widget style or font the desktop has chosen, so that no desktop
// can put light text on the screens' light surfaces. The colours are those
// a plain desktop gives, so there the window looks as it always did. The
// standard dialogs (the warning box, the printing questions, the save
// dialog) are Qt's own, drawn with the same palette and font.
namespace program_look {

// The palette of every window, all groups and roles set.
QPalette palette();

// Sets the palette, the widget style and the font on the application.
void apply();

} // namespace program_look
