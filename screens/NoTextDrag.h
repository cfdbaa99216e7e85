#pragma once

class QTextEdit;

// The text of a read-only explanatory box (memo) can be selected and copied,
// but not dragged away: a press inside the selection starts a new selection
// where a text box would start a drag of the old one.
void keepTextInPlace(QTextEdit* memo);
