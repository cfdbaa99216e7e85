#pragma once

// The embedded pictures and icons. They register themselves when a program
// that links this library starts (see resources/CMakeLists.txt).

#include <QString>

namespace lumenta {

// ":/pictures/<name>.jpg" for a picture named as on the screens, e.g. "ImgMap";
// with scale 2, ":/pictures/<name>@2x.jpg", the same picture drawn at twice
// the size in pixels for a device pixel ratio of 2 (Qt's naming).
QString picturePath(const QString& name, int scale = 1);

// ":/icons/lumenta-<size>.png" for size 16, 32, 48, 64, 128 or 256.
QString iconPath(int size);

} // namespace lumenta
