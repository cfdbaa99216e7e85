#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture built into the program (":/pictures/<name>.jpg"), decoded now.
// While a picture is not built in yet, a plain grey one of the designed size
// stands in for it, so that the screens keep their look.
QPixmap builtInPicture(const QString& name, QSize designedSize);
