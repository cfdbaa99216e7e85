#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal message boxes that open while an action runs, with
// their first button, and remembers what each box said.
class MessageBoxAnswerer {
public:
    struct Box {
        QString title;
        QString text;
        QStringList buttons;
    };

    MessageBoxAnswerer();

    // Runs the action; every message box it opens is answered at once.
    // Returns the boxes seen during the action.
    QList<Box> during(const std::function<void()>& action);

    // Every box seen so far.
    const QList<Box>& seen() const { return seen_; }

private:
    void answerOpenBox();

    QTimer timer_;
    QList<Box> seen_;
};
