#pragma once

#include <QScrollArea>
#include <vector>

// The main window's client area: one content widget of the window's designed
// size holds the header bar and the screens at their designed places. Where
// the window is smaller than that (a small or scaled screen), the content
// scrolls as any Qt page does, and the user's input goes where it is aimed:
// - the wheel and the touchpad scroll it, partial steps and pixel movements
//   adding up; Shift+wheel and a sideways wheel scroll across. A wheel over
//   a list that does not have the keyboard focus scrolls the page and leaves
//   the list alone; a list with the focus changes with the wheel, as ever;
// - PageUp and PageDown, Home and End (to the top left and the bottom right)
//   and the arrow keys scroll it when the control with the focus does not use
//   them;
// - a control that takes the focus from the keyboard (Tab, Shift+Tab, an
//   arrow key within a set, a shortcut) is scrolled into view with a margin;
//   a control that is clicked stays where it is, so the click lands on it.
// While the window shows the whole content there are no scroll bars. A
// widget pinned to the top (the header bar) stays in view while the rest
// scrolls under it; it moves across with the content only.
class ClientArea : public QScrollArea {
public:
    explicit ClientArea(QWidget* window);

    QWidget* content() const { return widget(); }
    void showBars(bool across, bool down);
    // The width of a vertical scroll bar, the height of a horizontal one.
    int barExtent() const;
    // The lists and the controls that take the focus under root follow the
    // rules above; called once they are all there.
    void takeControls(QWidget* root);
    // A control in one of these panels, reached by the keyboard, brings all
    // of them into view together, as far as the view holds them.
    void keepTogether(std::vector<QWidget*> panels) { together_ = std::move(panels); }
    // The widget, at the top of the content, stays at the top of the view.
    void pinToTop(QWidget* pinned);
    // Brings a control into view with room around it, unless it is seen whole.
    void showControl(QWidget* control);
    // How far the page is scrolled, across and down.
    QPoint position() const;
    void setPosition(QPoint position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showArea(const QRect& area);
    // The part of the content that is seen: the view, less the pinned widget.
    QRect seen() const;
    int pinnedHeight() const;
    void fitPageStep();

    std::vector<QWidget*> together_;
    QWidget* pinned_ = nullptr;
    int pinnedTop_ = 0;
};
