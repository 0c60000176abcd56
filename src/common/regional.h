#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Regional formats of the section's workstations, fixed here so that the
// program behaves the same whatever the machine's locale says.
namespace Regional {

// Program-wide short date format.
inline const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
inline const QString kDateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");

// Mask "###,##0.00" with thousands point and decimal comma: 1234.5 -> "1.234,50".
QString formatMoney(double value);
// Same mask for areas typed in square metres.
inline QString formatArea(double value)
{
    return formatMoney(value);
}

// Reads "1.234,50", "1234,5", "1234" or "-3,2" (blanks around are ignored).
// Thousands points are accepted only between groups of three digits.
std::optional<double> parseNumber(const QString &text);
// As parseNumber, but a text that is not a number raises ConversionError.
double toNumber(const QString &text);

// Whole decimal number as the old StrToInt read it; ConversionError otherwise.
int toInt(const QString &text);

QString formatDate(const QDate &date);
// "dd/MM/yyyy"; an empty or blank-masked text gives a null date; anything else
// that is not a real date raises ConversionError.
QDate parseDate(const QString &text);

} // namespace Regional
