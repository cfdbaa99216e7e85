#include "MoneyText.h"

#include <QRegularExpression>

std::optional<qint64> parseYen(const QString& text)
{
    static const QRegularExpression format(QStringLiteral("^(-?)¥(\\d{1,3}(?:,\\d{3})*)$"));
    const QRegularExpressionMatch m = format.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString digits = m.captured(2).remove(QLatin1Char(','));
    if (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        return std::nullopt;
    bool ok = false;
    const qint64 yen = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return m.captured(1).isEmpty() ? yen : -yen;
}
