#pragma once

#include <QString>

class WindowSession;

// What the walk knows about its own past.
struct WalkHistory {
    bool started = false;         // the start button has been pressed
    bool everCalculated = false;  // some calculation has succeeded
};

// The rules that hold after every user action, whatever came before. Each
// returns the first rule found broken, or an empty text.
namespace walk {

// The amounts agree with the controls, the money fields and grid lines
// with the amounts, the total with the sum, the option pictures with the
// selected options.
QString checkEstimate(WindowSession& session, const WalkHistory& history);
// One step on the screen, step buttons coloured for it, print button
// enabled once a calculation succeeded, hearse options set for the hall.
QString checkScreens(WindowSession& session, const WalkHistory& history);

// The total the window shows, as the estimate holds it: true while a
// calculation's total is on the screen.
bool totalShown(WindowSession& session);

} // namespace walk
