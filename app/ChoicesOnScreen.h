#pragma once

#include "Choices.h"

class QWidget;

// Makes recorded choices on the step screens of a window whose controls are
// as fresh: each control is set as the user would set it and its own rule
// runs, as on the user's click or pick, in the order of the steps. No
// amount is set here; the rules price everything.
void makeChoicesOnScreens(QWidget* window, const lumenta::Choices& choices);
