#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

class DirectSpeech;
class TSsEdit;

// Lets a screen reader speak what a choice has changed, although the money
// fields never take the focus: a list's new entry, which the screen reader
// does not say, the new amounts, each before its item ("120,750円 柩"; the
// item the user is on goes without saying), the total that "計算" shows, and
// what the change emptied (the hearse a change of hall undid, a total to
// calculate again). They are said a moment after the action, so that all
// one key changed is said at once: by the desktop's speech service beside
// the screen reader (DirectSpeech), or else as a notice (an unseen
// notification that the window shows, and hides again with its text once it
// has been read). Nothing happens while no assistive technology listens.
class PriceAnnouncer : public QObject, public QAccessible::ActivationObserver {
public:
    explicit PriceAnnouncer(QWidget* window);
    ~PriceAnnouncer() override;

    // From now on a new amount in a money field under root is announced, the
    // emptying of the hearse and of the total, and a new entry of a list
    // under root while the list has the focus.
    void watch(QWidget* root);
    // Announces a field's amount after the current action even when it has
    // not changed (the same total calculated twice).
    void announce(TSsEdit* field);
    // Says this after the current action instead of the prices it changed
    // (an estimate opened changes all of them at once).
    void say(const QString& text);

    // Assistive technology started or stopped listening.
    void accessibilityActiveChanged(bool active) override { listening_ = active; }

private:
    void queue(QWidget* source);
    void speak();

    QWidget* window_;
    std::vector<QPointer<QWidget>> pending_;
    QString said_;
    QWidget* notice_ = nullptr;
    DirectSpeech* speech_;
    QTimer delay_;
    QTimer heard_;
    bool listening_;
};

// The unseen notice: a notification to assistive technology, with no look
// of its own.
class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* window);
};
