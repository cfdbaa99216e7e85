#pragma once

// Without a usable display Qt cannot start: it would abort with advice to
// reinstall the program. While a guard lives (around the construction of
// the application object), such a failure ends the program instead with one
// line, in Japanese and in English, that says what failed (no display named
// or none answering, or a platform plug-in that could not start), then Qt's
// own reason, and exit status 1. Qt's messages of that time are held back
// and passed on once the guard is released.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};
