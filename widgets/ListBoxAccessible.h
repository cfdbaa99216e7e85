#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A drop-down list as assistive technology sees it: named by what it is
// for (its accessible name), with its current entry as its value and as the
// text it shows, which is what a screen reader reads as a list's value.
// (Qt's own makes the current entry the list's name on this platform and
// gives it no text, so that a screen reader never says which entry is
// chosen.) Its child is the pop-up list, as with Qt's. A list that sits in
// the blank of a sentence describes itself by that sentence, filled in.
class ListBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListBoxAccessible(QComboBox* list);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;

    // The current entry, read-only, with no caret or selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;

private:
    QComboBox* list() const;
    QString entry() const;
};
