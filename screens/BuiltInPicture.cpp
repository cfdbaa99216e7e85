#include "BuiltInPicture.h"

#include <QColor>

QPixmap builtInPicture(const QString& name, QSize designedSize)
{
    QPixmap picture(QStringLiteral(":/pictures/%1.jpg").arg(name));
    if (picture.isNull()) {
        picture = QPixmap(designedSize);
        picture.fill(QColor(160, 160, 160));
    }
    return picture;
}
