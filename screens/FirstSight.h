#pragma once

#include <functional>

class QWidget;

// Work that only matters once a widget is seen, done then and not at
// start-up: the pictures and text layout of screens that are hidden or
// covered when the window opens.
namespace screens {

// Runs the work just before the widget's first paint, on the screen or
// into a grab.
void atFirstPaint(QWidget* widget, std::function<void()> work);

// Runs the work when the widget is about to be shown for the first time: when
// it is polished, before it and its children get their sizes and lay out
// their texts (so that the work does not lay them out twice), or else when
// it is shown, or just before its first paint if it is painted (grabbed)
// without having been shown.
void atFirstShow(QWidget* widget, std::function<void()> work);

} // namespace screens
