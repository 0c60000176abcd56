#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

// A text of a report file with its placeholders, read once when the file is
// loaded:
//     "Total: {total}"               a parameter or a column of the current row
//     "{area|CLIENTE_AREA}"          the first name that exists
//     "{SERVICO_CODIGO|''}"          a quoted text when none does
//     "{valor:money}"                a format: date, datetime, money, cnpj, upper, lower
//     "{#page} de {#pages}"          built-in values: #page, #pages, #date, #time, #row, #count
//     "{{" and "}}"                  literal braces
class Template
{
public:
    struct Ref
    {
        QStringList alternatives; // names, "#builtin" or quoted texts ('...')
        QString format;
        QString source; // the placeholder as written, for messages
    };

    Template() = default;
    // Throws ReportError with `where` in the message on a malformed text.
    static Template parse(const QString &text, const QString &where);

    bool isEmpty() const { return m_parts.empty(); }
    bool isConstant() const;
    const std::vector<Ref> refs() const;

    // What a name stands for: a value, or nothing when the name is unknown.
    using Lookup = std::function<std::optional<QVariant>(const QString &name)>;
    // Expands the text. A placeholder none of whose alternatives is known
    // gives an empty text and is reported through `unknown`.
    QString expand(const Lookup &lookup,
                   const std::function<void(const QString &placeholder)> &unknown = {}) const;

    static const QStringList &formats();
    // The value as printed, after the format (or the default one for its type).
    static QString formatValue(const QVariant &value, const QString &format);

private:
    struct Part
    {
        QString literal;
        std::optional<Ref> ref;
    };
    std::vector<Part> m_parts;
};
