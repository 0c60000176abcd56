#pragma once

#include <QRectF>
#include <QString>

#include <vector>

namespace Report {

// Bars of an Interleaved 2 of 5 symbol without check digit (the one the
// banks print on a boleto), with the given narrow bar width in mm and wide
// bars three times as wide. Rectangles are in mm from the symbol's top-left
// corner. Throws ReportError for a text that is not an even run of digits.
std::vector<QRectF> interleaved2of5(const QString &digits, double narrow, double height);

} // namespace Report
