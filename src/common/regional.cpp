#include "common/regional.h"

#include "common/apperror.h"

#include <QRegularExpression>

#include <cmath>

namespace Regional {

QString formatMoney(double value)
{
    // Round half away from zero on the cents; the small nudge keeps values such
    // as 2.675 (stored as 2.67499999...) from falling to the lower cent.
    const double scaled = value * 100.0;
    const long long cents = std::llround(scaled + (scaled >= 0 ? 1e-7 : -1e-7));
    const bool negative = cents < 0;
    const unsigned long long absCents
        = negative ? 0ULL - static_cast<unsigned long long>(cents) : static_cast<unsigned long long>(cents);
    const QString whole = QString::number(absCents / 100);
    QString grouped;
    const int n = whole.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += QLatin1Char('.');
        grouped += whole.at(i);
    }
    const QString fraction = QStringLiteral("%1").arg(absCents % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + grouped + QLatin1Char(',') + fraction;
}

std::optional<double> parseNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d+))?$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(2);
    digits.remove(QLatin1Char('.'));
    QString plain = digits;
    if (match.hasCaptured(3) && !match.captured(3).isEmpty())
        plain += QLatin1Char('.') + match.captured(3);
    bool ok = false;
    double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? -value : value;
}

double toNumber(const QString &text)
{
    if (auto value = parseNumber(text))
        return *value;
    throw ConversionError(QStringLiteral("'%1' não é um valor numérico válido.").arg(text));
}

int toInt(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    bool ok = false;
    int value = 0;
    if (pattern.match(text).hasMatch())
        value = text.trimmed().toInt(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' não é um valor inteiro válido.").arg(text));
    return value;
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(kDateFormat) : QString();
}

QDate parseDate(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty() || t.remove(QLatin1Char('/')).trimmed().isEmpty())
        return {};
    const QDate date = QDate::fromString(text.trimmed(), kDateFormat);
    if (!date.isValid())
        throw ConversionError(QStringLiteral("'%1' não é uma data válida.").arg(text.trimmed()));
    return date;
}

} // namespace Regional
