#pragma once

class QWidget;

// Lays out every explanatory text (memo) on a screen as designed: one text
// line every font-size pixels, so that each memo's lines fit its box, and a
// narrow margin. The screen's fonts must be in place; the screen is polished
// first (a memo whose lines are set before its first polish stays blank).
void layOutMemos(QWidget* screen);
