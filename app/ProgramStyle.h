#pragma once

#include <QProxyStyle>

// The one widget style of the application: Fusion, with the few choices it
// would otherwise take from the desktop fixed as a plain desktop makes them
// (the order of a dialog's buttons, icons on them).
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
