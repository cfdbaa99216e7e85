#pragma once

class QWidget;
struct Screens;

// Tab walks each step screen's choices in reading order: the left column of
// item panels before the right one, each panel from top to bottom, and
// within a panel row by row, left to right.
void setReadingTabOrder(const Screens& screens);

// The control Tab reaches first on a screen: the first choice in reading
// order that can take the focus now (of a set of radio buttons, the one
// that is checked), or null.
QWidget* firstStop(QWidget* screen);
