#pragma once

#include <QPixmap>

// The 48 x 48 icon on the maker's banner.
QPixmap bannerIcon();
