#pragma once

#include <QString>
#include <optional>

// Reads a money text of the window ("¥1,234", "-¥6,173") back into whole
// yen. Nothing for an empty text and for anything not in that format
// ("¥1,23", "1,234", "¥ 12").
std::optional<qint64> parseYen(const QString& text);
