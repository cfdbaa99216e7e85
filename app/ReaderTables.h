#pragma once

#include <QAccessible>
#include <QObject>
#include <functional>
#include <vector>

class QWidget;

// While a screen reader runs, the tables (見積りの明細 and the officiants'
// fees) take the keyboard focus: Tab reaches them, and the arrow keys, Home
// and End move the focus from cell to cell, which the reader reads with its
// column heading (Orca's table cell commands then work). Without a reader
// they stay as they are, reached by no key, and take no keys.
class ReaderTables : public QObject, public QAccessible::ActivationObserver {
public:
    // reorder puts the Tab order right again once the tables join or leave
    // it: they come after their screen's choices.
    ReaderTables(std::vector<QWidget*> tables, std::function<void(const std::vector<QWidget*>&)> reorder,
                 QObject* parent);
    ~ReaderTables() override;

    void accessibilityActiveChanged(bool active) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Table {
        QWidget* widget;
        Qt::FocusPolicy normal;
    };
    std::vector<Table> tables_;
    std::function<void(const std::vector<QWidget*>&)> reorder_;
    bool active_ = false;
};
