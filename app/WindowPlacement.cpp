#include "WindowPlacement.h"

#include <algorithm>

namespace {

// The start of a length placed in the middle of a room, never before the
// room's start.
int centred(int roomStart, int room, int length) { return roomStart + std::max(0, (room - length) / 2); }

// The tallest panel a desktop puts beside its windows by default.
constexpr int kPanelRoom = 48;

} // namespace

QRect usableWorkArea(const QRect& screen, const QRect& available, bool compositorPlaces)
{
    if (!compositorPlaces || available != screen)
        return available;
    return available.adjusted(0, 0, 0, -kPanelRoom);
}

WindowPlacement placeWindow(const QRect& workArea, const QMargins& frame, const QSize& content, int scrollBarExtent)
{
    const QSize room = workArea.size().shrunkBy(frame);
    WindowPlacement p;
    p.scrollsAcross = content.width() > room.width();
    p.scrollsDown = content.height() > room.height();
    // A scroll bar along one edge narrows the room of the other direction.
    if (p.scrollsDown && !p.scrollsAcross)
        p.scrollsAcross = content.width() + scrollBarExtent > room.width();
    if (p.scrollsAcross && !p.scrollsDown)
        p.scrollsDown = content.height() + scrollBarExtent > room.height();

    p.client = QSize(p.scrollsAcross ? room.width() : content.width() + (p.scrollsDown ? scrollBarExtent : 0),
                     p.scrollsDown ? room.height() : content.height() + (p.scrollsAcross ? scrollBarExtent : 0));
    const QSize framed = p.client.grownBy(frame);
    p.frame = QRect(QPoint(centred(workArea.left(), workArea.width(), framed.width()),
                           centred(workArea.top(), workArea.height(), framed.height())),
                    framed);
    return p;
}
