#pragma once

#include <QString>

#include <string_view>

// A text of the estimate's tables (UTF-8) as the screens show it.
inline QString tableText(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
