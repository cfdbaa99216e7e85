#pragma once

#include <vector>

class QWidget;
struct Screens;

// Tab walks each step screen's choices in reading order: the left column of
// item panels before the right one, each panel from top to bottom, and
// within a panel row by row, left to right.
// The controls in last come after all the others of their screen, so that
// they change nothing in the way through its choices.
void setReadingTabOrder(const Screens& screens, const std::vector<QWidget*>& last = {});

// The control Tab reaches first on a screen: the first choice in reading
// order that can take the focus now (of a set of radio buttons, the one
// that is checked), or null.
QWidget* firstStop(QWidget* screen);
