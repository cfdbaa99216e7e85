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

protected:
    void paintEvent(QPaintEvent* event) override;
};
