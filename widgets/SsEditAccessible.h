#pragma once

#include <QAccessibleWidget>

class TSsEdit;

// A money field to assistive technology: a read-only text whose amount is
// one run of text. Qt's own line edit reports a run of no length at every
// character, from which Orca puts the field's line together without its last
// character: it read the focused total ¥850,100 as "¥850,10".
class TSsEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TSsEditAccessible(TSsEdit* field);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TSsEdit* field() const;
};
