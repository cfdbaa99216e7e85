#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

// A framed set of radio buttons laid out in columns, top to bottom then left
// to right; the index of an entry is its place in the item list.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);
    int columns() const { return columns_; }
    void setColumns(int columns);
    int itemIndex() const;
    // Selects an entry (or none with -1) without emitting clicked().
    void setItemIndex(int index);
    QRadioButton* button(int index) const;

signals:
    // The user picked entry index.
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // An arrow key on an entry moves to the entry beside it that way.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void arrange();
    int rowsPerColumn() const;
    // The entry an arrow key leads to from an entry, or -1 at the group's edge.
    int neighbour(int index, int key) const;

    QStringList items_;
    int columns_ = 1;
    QButtonGroup group_;
};
