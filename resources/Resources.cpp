#include "Resources.h"

namespace lumenta {

QString picturePath(const QString& name, int scale)
{
    if (scale == 1)
        return QStringLiteral(":/pictures/%1.jpg").arg(name);
    return QStringLiteral(":/pictures/%1@%2x.jpg").arg(name).arg(scale);
}

QString iconPath(int size)
{
    return QStringLiteral(":/icons/lumenta-%1.png").arg(size);
}

} // namespace lumenta
