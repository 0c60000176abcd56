#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

namespace Report {

// Rows for a MemoryDataSource from a JSON array of objects (column name to
// value). Whole numbers become integers, so a code 1001 prints as "1001";
// other numbers stay floating point. `name` names the text in messages.
// Throws ReportError when the text is not such an array.
QVariantList rowsFromJson(const QByteArray &json, const QString &name);

} // namespace Report
