#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QScrollBar;
class QWidget;

// Scrolls a window's content when the window is smaller than it, as a fixed
// layout form does: the window's direct children are the content, laid out
// for the full size; scroll bars along the right and bottom edges move them
// all together. The wheel scrolls, and a control that takes the keyboard
// focus is scrolled into view. While the window shows the whole content
// there are no scroll bars and nothing is moved.
class ClientScroller : public QObject {
public:
    explicit ClientScroller(QWidget* window);

    // The window's client area is now this size; the content keeps its own.
    void setSizes(QSize client, QSize content, bool across, bool down);
    // Where the content's top-left corner lies in the window (0, 0 or above
    // and left of it).
    QPoint origin() const { return -offset_; }
    // Keeps the scroll bars above content added later.
    void raiseBars();
    // The width of a vertical scroll bar in the window's style.
    int barExtent() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scrollTo(QPoint offset);
    void showFocused(QWidget* focused);
    bool isBar(const QObject* o) const;

    QWidget* window_;
    QScrollBar* across_;
    QScrollBar* down_;
    QWidget* corner_;
    QPoint offset_;
};
