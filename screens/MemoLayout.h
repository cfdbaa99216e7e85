#pragma once

class QTextEdit;
class QWidget;

// Lays out every explanatory text (memo) on a screen as designed: one text
// line every font-size pixels, so that each memo's lines fit its box, and a
// narrow margin. The screen's fonts must be in place; the screen is polished
// first (a memo whose lines are set before its first polish stays blank).
void layOutMemos(QWidget* screen);

// A memo's lines keep the glyphs they were shaped into when the text was laid
// out, until it is laid out again: Qt would otherwise drop them once the lines
// are placed and shape every line once more for each paint, which doubled the
// work of showing a memo.
void keepShapedLines(QTextEdit* memo);
