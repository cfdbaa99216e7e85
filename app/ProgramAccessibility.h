#pragma once

// Tells assistive technology what the program's own widgets are: the main
// window is a window; panels are panes, or groupings named by their item's
// title; the summary grid and the officiants' fees are tables; the message
// boxes are dialogs named by their title; lists say their entry. One factory, installed once; it
// costs nothing until a screen reader asks.
void installProgramAccessibility();
