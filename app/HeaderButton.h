#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QWidget;
class TplButton;

// Bottom gradient colour of the command and start buttons.
inline const QColor kCommandEndColor(226, 221, 199);

// A button of the window frame: round rectangle, caption 20 pixels from the
// top, no tab stop (a click still gives it the focus, so Enter clicks it again).
TplButton* headerButton(const char* name, const QString& captionA, const QString& captionB, const QRect& geometry,
                        QWidget* parent);
