#include "reports/template.h"

#include "common/regional.h"
#include "reports/reporterror.h"

#include <QDate>
#include <QDateTime>

namespace {

bool isQuoted(const QString &alt)
{
    return alt.size() >= 2 && alt.startsWith(QLatin1Char('\'')) && alt.endsWith(QLatin1Char('\''));
}

QString onlyDigits(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (c.isDigit())
            digits += c;
    return digits;
}

QString formatCnpjCpf(const QString &text)
{
    const QString d = onlyDigits(text);
    if (d.size() == 11 && d.size() == text.trimmed().size())
        return d.mid(0, 3) + '.' + d.mid(3, 3) + '.' + d.mid(6, 3) + '-' + d.mid(9, 2);
    if (d.size() == 14 && d.size() == text.trimmed().size())
        return d.mid(0, 2) + '.' + d.mid(2, 3) + '.' + d.mid(5, 3) + '/' + d.mid(8, 4) + '-' + d.mid(12, 2);
    return text; // already formatted, or not a CNPJ/CPF: printed as it is
}

std::optional<double> asNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return value.toDouble();
    default: break;
    }
    const QString text = value.toString().trimmed();
    if (auto regional = Regional::parseNumber(text))
        return regional;
    bool ok = false;
    const double plain = text.toDouble(&ok); // "1234.5" as a machine writes it
    return ok ? std::optional<double>(plain) : std::nullopt;
}

QDateTime asDateTime(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid())
        dt = QDate::fromString(text, Qt::ISODate).startOfDay();
    return dt;
}

} // namespace

Template Template::parse(const QString &text, const QString &where)
{
    Template t;
    QString literal;
    auto fail = [&](const QString &why) {
        throw ReportError(QStringLiteral("%1: %2 em \"%3\"").arg(where, why, text));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}')) {
                literal += c;
                ++i;
                continue;
            }
            fail(QStringLiteral("\"}\" sem \"{\""));
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('{')) {
            literal += c;
            ++i;
            continue;
        }
        // A placeholder: up to the closing brace, quotes protect their text.
        qsizetype j = i + 1;
        bool quoted = false;
        for (; j < text.size(); ++j) {
            if (text.at(j) == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && text.at(j) == QLatin1Char('}'))
                break;
        }
        if (j >= text.size())
            fail(QStringLiteral("\"{\" sem \"}\""));
        const QString inner = text.mid(i + 1, j - i - 1);
        Ref ref;
        ref.source = text.mid(i, j - i + 1);
        // Split on '|' and a final ':format', outside quotes.
        QString current;
        quoted = false;
        qsizetype formatAt = -1;
        for (qsizetype k = 0; k < inner.size(); ++k) {
            const QChar ch = inner.at(k);
            if (ch == QLatin1Char('\''))
                quoted = !quoted;
            if (!quoted && ch == QLatin1Char('|')) {
                ref.alternatives.append(current.trimmed());
                current.clear();
            } else if (!quoted && ch == QLatin1Char(':')) {
                formatAt = k;
                break;
            } else {
                current += ch;
            }
        }
        ref.alternatives.append(current.trimmed());
        if (formatAt >= 0) {
            ref.format = inner.mid(formatAt + 1).trimmed().toLower();
            if (!formats().contains(ref.format))
                fail(QStringLiteral("formato desconhecido \"%1\"").arg(ref.format));
        }
        for (const QString &alt : ref.alternatives)
            if (alt.isEmpty() || (alt.startsWith(QLatin1Char('\'')) && !isQuoted(alt)))
                fail(QStringLiteral("campo vazio ou aspas abertas em %1").arg(ref.source));
        if (!literal.isEmpty())
            t.m_parts.push_back({literal, std::nullopt});
        literal.clear();
        t.m_parts.push_back({QString(), ref});
        i = j;
    }
    if (!literal.isEmpty())
        t.m_parts.push_back({literal, std::nullopt});
    return t;
}

bool Template::isConstant() const
{
    for (const Part &p : m_parts)
        if (p.ref)
            return false;
    return true;
}

const std::vector<Template::Ref> Template::refs() const
{
    std::vector<Ref> result;
    for (const Part &p : m_parts)
        if (p.ref)
            result.push_back(*p.ref);
    return result;
}

QString Template::expand(const Lookup &lookup, const std::function<void(const QString &)> &unknown) const
{
    QString out;
    for (const Part &p : m_parts) {
        if (!p.ref) {
            out += p.literal;
            continue;
        }
        bool found = false;
        for (const QString &alt : p.ref->alternatives) {
            if (isQuoted(alt)) {
                out += formatValue(alt.mid(1, alt.size() - 2), p.ref->format);
                found = true;
                break;
            }
            if (auto value = lookup(alt)) {
                out += formatValue(*value, p.ref->format);
                found = true;
                break;
            }
        }
        if (!found && unknown)
            unknown(p.ref->source);
    }
    return out;
}

const QStringList &Template::formats()
{
    static const QStringList list {QStringLiteral("date"),  QStringLiteral("datetime"),
                                   QStringLiteral("money"), QStringLiteral("cnpj"),
                                   QStringLiteral("upper"), QStringLiteral("lower")};
    return list;
}

QString Template::formatValue(const QVariant &value, const QString &format)
{
    if (value.isNull() && value.typeId() != QMetaType::QString)
        return {};
    if (format.isEmpty()) {
        switch (value.typeId()) {
        case QMetaType::QDate: return Regional::formatDate(value.toDate());
        case QMetaType::QDateTime: return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
        case QMetaType::Double:
        case QMetaType::Float: return Regional::formatMoney(value.toDouble());
        default: return value.toString();
        }
    }
    const QString text = value.toString();
    if (format == QLatin1String("upper"))
        return text.toUpper();
    if (format == QLatin1String("lower"))
        return text.toLower();
    if (format == QLatin1String("cnpj"))
        return formatCnpjCpf(text);
    if (format == QLatin1String("money")) {
        if (text.trimmed().isEmpty())
            return {};
        if (auto number = asNumber(value))
            return Regional::formatMoney(*number);
        return text; // "ISENTA" and other words print as they are
    }
    const QDateTime dt = asDateTime(value);
    if (!dt.isValid())
        return text;
    if (format == QLatin1String("date"))
        return Regional::formatDate(dt.date());
    return dt.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
}
