#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <vector>

// What the user and the item rules can change on the step screens, taken
// once from a fresh window and put back before another estimate is made
// there: every button's check, caption and enabled state, every list's and
// radio group's selection, every label's text and picture, every field's
// text, and what is hidden. Put back with the controls' signals blocked, so
// no rule runs.
class ControlStates {
public:
    // The controls under these panels (not the panels themselves), and the
    // extra widgets named, in the state they are in now.
    static ControlStates take(const std::vector<QWidget*>& panels, const std::vector<QWidget*>& extra);
    void restore() const;
    // The differences from another set of the same controls, by object name
    // (empty when they agree), for tests and failure reports.
    QStringList differences(const ControlStates& other) const;

private:
    struct State {
        QPointer<QWidget> widget;
        QString name;
        bool hidden = false;
        bool disabled = false;
        bool checked = false;
        int index = -1;
        QString text;
        QPixmap picture;
        QVariant copiedPicture;
    };
    static State stateOf(QWidget* w);
    static void put(const State& s);
    std::vector<State> states_;
};
