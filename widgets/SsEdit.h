#pragma once

#include <QLineEdit>

// Read-only, right-aligned money field: shows exactly the text it is given.
class TSsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TSsEdit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void makeRoomForText();
};
