#pragma once

class QWidget;

// Lays out every explanatory text (memo) on a screen as designed: one text
// line every font-size pixels, so that each memo's lines fit its box, and a
// narrow margin. Polishes the screen first, so that the fonts its style sheet
// gives are in place.
void layOutMemos(QWidget* screen);
