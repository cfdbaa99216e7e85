#pragma once

class QWidget;

// Tells a screen reader that the controls of a screen just shown are
// visible. Qt's bridge reports a hidden widget as neither showing nor
// visible, and on showing it says only "showing": a reader that looked at a
// control while its step was hidden (a money field whose amount changed
// there, the total emptied by a change) keeps it as not visible, and its
// review of the screen skips it. This sends the "visible" state of every
// control of the screen over the bridge's own connection, the way the
// bridge sends the others. Nothing happens while no reader listens, or
// where the bridge is not there.
void tellShownToReader(QWidget* screen);
