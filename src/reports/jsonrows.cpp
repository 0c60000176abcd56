#include "reports/jsonrows.h"

#include "reports/reporterror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

#include <cmath>

namespace Report {

QVariantList rowsFromJson(const QByteArray &json, const QString &name)
{
    QJsonParseError error {};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw ReportError(
            QStringLiteral("\"%1\", posição %2: %3").arg(name).arg(error.offset).arg(error.errorString()));
    const QString shape = QStringLiteral("\"%1\" deve conter uma lista JSON de objetos.").arg(name);
    if (!doc.isArray())
        throw ReportError(shape);
    QVariantList rows;
    for (const QJsonValue &value : doc.array()) {
        if (!value.isObject())
            throw ReportError(shape);
        QVariantMap row;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QJsonValue v = it.value();
            const double d = v.toDouble();
            if (v.isDouble() && std::floor(d) == d && std::abs(d) < 9e15)
                row.insert(it.key(), static_cast<qlonglong>(d));
            else if (v.isNull())
                row.insert(it.key(), QVariant());
            else
                row.insert(it.key(), v.toVariant());
        }
        rows.append(row);
    }
    return rows;
}

} // namespace Report
