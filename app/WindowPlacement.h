#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where the main window goes on a screen, by its frame: the whole frame,
// title bar included, inside the screen's work area (the screen less its
// panels and docks). Where the framed window fits, it keeps its size and
// stands in the middle of the work area. In a direction where it does not,
// the window takes the work area's whole extent and its content scrolls;
// the scroll bar across one direction takes room from the other, which may
// then have to scroll too. The title bar never leaves the work area.
struct WindowPlacement {
    QRect frame;        // the whole window, frame included
    QSize client;       // the client area inside the frame
    bool scrollsAcross = false;  // a horizontal scroll bar is needed
    bool scrollsDown = false;    // a vertical scroll bar is needed

    bool operator==(const WindowPlacement&) const = default;
};

// The work area to place the window in. Where the compositor places windows
// itself and reports no work area (on Wayland the screen's available area is
// the whole screen), it still puts its panel or dock beside the window: room
// for a panel is left, so that the framed window ends on the screen.
QRect usableWorkArea(const QRect& screen, const QRect& available, bool compositorPlaces);

WindowPlacement placeWindow(const QRect& workArea, const QMargins& frame, const QSize& content, int scrollBarExtent);
