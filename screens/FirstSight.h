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

// Runs the work when the widget is first shown, or just before its first
// paint if it is painted (grabbed) without having been shown.
void atFirstShow(QWidget* widget, std::function<void()> work);

} // namespace screens
