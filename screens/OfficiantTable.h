#pragma once

#include <QWidget>

// The reference table of officiants' fees on the ceremony screen, drawn as
// text: each religion or Buddhist school with its offering for the sutra
// reading, the grades of posthumous name with a man's and a woman's name
// pattern, and the total. Information only; it takes no input.
class OfficiantTable : public QWidget {
    Q_OBJECT
public:
    explicit OfficiantTable(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {453, 264}; }

    // The table as a screen reader reads it: one row per grade of
    // posthumous name (one for a religion without them), each naming its
    // religion, and the rectangle each cell is drawn in (row -1: headings).
    static int rowCount();
    static constexpr int kColumnCount = 6;
    static QString heading(int column);
    static QString cellText(int row, int column);
    static QRect cellRect(int row, int column);
    // What the headings say of the whole table.
    static QString note();

protected:
    void paintEvent(QPaintEvent* event) override;
};
