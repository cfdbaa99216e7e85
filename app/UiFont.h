#pragma once

#include <QFont>

// The window's font family at a pixel height.
QFont uiFont(int pixelSize, bool bold = false);
