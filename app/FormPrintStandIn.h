#pragma once

#include <QWidget>

// Holds the place of the report form until the estimate sheet exists:
// created after the main window and hidden for the whole run.
class FormPrintStandIn : public QWidget {
    Q_OBJECT
public:
    explicit FormPrintStandIn(QWidget* parent = nullptr) : QWidget(parent) { setObjectName("FormPrint"); }
};
