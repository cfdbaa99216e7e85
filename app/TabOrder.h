#pragma once

struct Screens;

// Tab walks each step screen's choices in reading order: the left column of
// item panels before the right one, each panel from top to bottom, and
// within a panel row by row, left to right.
void setReadingTabOrder(const Screens& screens);
