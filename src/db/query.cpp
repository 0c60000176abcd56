#include "db/query.h"

#include "common/apperror.h"
#include "common/regional.h"
#include "db/connection.h"

#include <QMutex>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>

namespace {

// Named placeholders outside quoted literals: ":name" not preceded by another
// colon or a word character (so "10:30" and "::" are left alone).
QStringList placeholders(const QString &sql)
{
    QStringList names;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\\'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            quote = c;
            continue;
        }
        if (c != QLatin1Char(':'))
            continue;
        if (i > 0
            && (sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == QLatin1Char(':')
                || sql.at(i - 1) == QLatin1Char('_')))
            continue;
        int j = i + 1;
        while (j < sql.size() && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
            ++j;
        if (j > i + 1) {
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
        }
        i = j - 1;
    }
    return names;
}

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + s + QLatin1Char('`');
}

DbError errorOf(const QSqlQuery &q)
{
    const QSqlError err = q.lastError();
    QString text = err.databaseText().isEmpty() ? err.text() : err.databaseText();
    if (text.trimmed().isEmpty())
        text = QStringLiteral("Erro desconhecido do banco de dados.");
    return DbError(text, err.nativeErrorCode());
}

// "`a` = :k0 and `b` = :k1": the row's key as a condition.
QString keyCondition(const QStringList &keys)
{
    QStringList where;
    for (int k = 0; k < keys.size(); ++k)
        where << quoted(keys[k]) + QStringLiteral(" = :k%1").arg(k);
    return where.join(QStringLiteral(" and "));
}

void bindKeys(QSqlQuery &q, const QVector<QVariant> &keyValues)
{
    for (int k = 0; k < keyValues.size(); ++k)
        q.bindValue(QStringLiteral(":k%1").arg(k), keyValues[k]);
}

// A statement of the layer's own, prepared on the shared connection.
QSqlQuery prepareShared(const QString &sql)
{
    Connection::shared().ensureOpen();
    QSqlQuery q(Connection::shared().database());
    if (!q.prepare(sql))
        throw errorOf(q);
    return q;
}

bool isTextType(QMetaType type)
{
    return type.id() == QMetaType::QString || type.id() == QMetaType::QByteArray
        || type.id() == QMetaType::QChar;
}

} // namespace

Query::Query(QObject *parent) : QObject(parent)
{ }

Query::~Query() = default;

// ---- statement -------------------------------------------------------------

void Query::clearSql()
{
    close();
    m_lines.clear();
}

void Query::addSql(const QString &line)
{
    close();
    m_lines << line;
}

void Query::setSql(const QString &statement)
{
    close();
    m_lines = QStringList {statement};
}

QStringList Query::paramNames() const
{
    return placeholders(statement());
}

void Query::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.toLower(), value);
}

QVariant Query::param(const QString &name) const
{
    return m_params.value(name.toLower());
}

// ---- running ---------------------------------------------------------------

void Query::run(bool returnsRows)
{
    Connection &conn = Connection::shared();
    conn.ensureOpen();
    QSqlQuery q(conn.database());
    q.setForwardOnly(true);
    const QString sql = statement();
    if (!q.prepare(sql))
        throw errorOf(q);
    for (const QString &name : placeholders(sql))
        q.bindValue(QLatin1Char(':') + name, m_params.value(name.toLower()));
    if (!q.exec())
        throw errorOf(q);

    m_rowsAffected = q.numRowsAffected();
    m_lastInsertId = q.lastInsertId();
    if (!returnsRows)
        return;

    m_record = q.record();
    m_fieldIndex.clear();
    for (int i = 0; i < m_record.count(); ++i)
        m_fieldIndex.insert(m_record.fieldName(i).toLower(), i);
    m_rows.clear();
    const int columns = m_record.count();
    while (q.next()) {
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i)
            row[i] = q.value(i);
        m_rows.push_back(std::move(row));
    }
}

void Query::open()
{
    if (isActive())
        close();
    run(true);
    setState(State::Browse);
    Q_EMIT rowsReset();
    setCurrent(m_rows.empty() ? -1 : 0);
    m_bof = true;
    fire(m_afterOpen);
}

void Query::execSql()
{
    run(false);
}

void Query::close()
{
    if (m_state == State::Inactive)
        return;
    m_rows.clear();
    m_buffer.clear();
    m_changed.clear();
    m_current = -1;
    m_eof = m_bof = true;
    setState(State::Inactive);
    Q_EMIT rowsReset();
    Q_EMIT currentChanged();
}

void Query::refresh()
{
    if (!isActive()) {
        open();
        return;
    }
    const QStringList keys = keyFields();
    QVector<QVariant> keyValues;
    if (m_current >= 0)
        for (const QString &k : keys)
            if (hasField(k))
                keyValues << value(k);
    const int position = m_current;
    if (isEditing())
        cancel();
    run(true);
    Q_EMIT rowsReset();
    int target = -1;
    if (!keyValues.isEmpty() && keyValues.size() == keys.size()) {
        for (int r = 0; r < recordCount() && target < 0; ++r) {
            bool same = true;
            for (int k = 0; k < keys.size() && same; ++k)
                same = m_rows[r][fieldIndex(keys[k])] == keyValues[k];
            if (same)
                target = r;
        }
    }
    if (target < 0 && !m_rows.empty())
        target = std::clamp(position, 0, recordCount() - 1);
    setCurrent(target);
}

// ---- rows ------------------------------------------------------------------

void Query::setCurrent(int row, bool notify)
{
    m_current = row;
    m_eof = row < 0;
    m_bof = row < 0;
    if (notify) {
        Q_EMIT currentChanged();
        fire(m_afterScroll);
    }
}

void Query::first()
{
    if (isEditing())
        post();
    setCurrent(m_rows.empty() ? -1 : 0);
    m_bof = true;
}

void Query::last()
{
    if (isEditing())
        post();
    setCurrent(recordCount() - 1);
    m_eof = true;
}

void Query::next()
{
    if (isEditing())
        post();
    if (m_current + 1 < recordCount()) {
        setCurrent(m_current + 1);
    } else {
        m_eof = true;
    }
}

void Query::prior()
{
    if (isEditing())
        post();
    if (m_current > 0) {
        setCurrent(m_current - 1);
    } else {
        m_bof = true;
    }
}

void Query::moveTo(int row)
{
    if (row < 0 || row >= recordCount() || row == m_current)
        return;
    if (isEditing())
        post();
    setCurrent(row);
}

bool Query::locate(const QString &field, const QVariant &wanted)
{
    const int col = requireField(field);
    for (int r = 0; r < recordCount(); ++r) {
        const QVariant &v = m_rows[r][col];
        const bool match = (v.isNull() && wanted.isNull())
            || (!v.isNull() && !wanted.isNull() && v.toString() == wanted.toString());
        if (match) {
            if (isEditing())
                post();
            setCurrent(r);
            return true;
        }
    }
    return false;
}

// ---- fields ----------------------------------------------------------------

QStringList Query::fieldNames() const
{
    QStringList names;
    for (int i = 0; i < m_record.count(); ++i)
        names << m_record.fieldName(i);
    return names;
}

int Query::fieldIndex(const QString &name) const
{
    return m_fieldIndex.value(name.toLower(), -1);
}

int Query::requireField(const QString &field) const
{
    const int col = fieldIndex(field);
    if (col < 0)
        throw DbError(QStringLiteral("Campo '%1' não encontrado.").arg(field));
    return col;
}

QMetaType Query::fieldType(const QString &name) const
{
    return m_record.field(requireField(name)).metaType();
}

QVariant Query::value(const QString &field) const
{
    if (m_state == State::Inactive)
        throw DbError(QStringLiteral("A consulta não está aberta (campo '%1').").arg(field));
    const int col = requireField(field);
    if (isEditing())
        return m_buffer.value(col);
    if (m_current < 0)
        return {};
    return m_rows[m_current][col];
}

QVariant Query::value(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= fieldCount())
        return {};
    if (row == m_current && m_state == State::Edit)
        return m_buffer.value(column);
    return m_rows[row][column];
}

QString Query::text(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return {};
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().toString(Regional::kDateFormat);
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().toString(Regional::kDateTimeFormat);
    return v.toString();
}

int Query::intValue(const QString &field) const
{
    return value(field).toInt();
}

qlonglong Query::int64Value(const QString &field) const
{
    return value(field).toLongLong();
}

double Query::doubleValue(const QString &field) const
{
    return value(field).toDouble();
}

QDate Query::date(const QString &field) const
{
    const QVariant v = value(field);
    return v.metaType().id() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
}

QDateTime Query::dateTime(const QString &field) const
{
    return value(field).toDateTime();
}

QString Query::yesNo(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QStringLiteral("N") : v.toString();
}

QVariant Query::coerce(int column, const QVariant &v) const
{
    const QMetaType type = m_record.field(column).metaType();
    if (v.isNull() || isTextType(type))
        return v.isNull() ? QVariant() : QVariant(v.toString());
    if (v.metaType().id() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return {};
        switch (type.id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            bool ok = false;
            const qlonglong n = s.toLongLong(&ok);
            if (!ok)
                throw ConversionError(QStringLiteral("'%1' não é um valor inteiro válido.").arg(s));
            return n;
        }
        case QMetaType::Double:
        case QMetaType::Float: {
            bool ok = false;
            double d = s.toDouble(&ok);
            if (!ok)
                d = QString(s)
                        .remove(QLatin1Char('.'))
                        .replace(QLatin1Char(','), QLatin1Char('.'))
                        .toDouble(&ok);
            if (!ok)
                throw ConversionError(QStringLiteral("'%1' não é um valor numérico válido.").arg(s));
            return d;
        }
        case QMetaType::QDate: {
            const QDate d = QDate::fromString(s, Regional::kDateFormat);
            if (!d.isValid())
                throw ConversionError(QStringLiteral("'%1' não é uma data válida.").arg(s));
            return d;
        }
        case QMetaType::QDateTime: {
            QDateTime dt = QDateTime::fromString(s, Regional::kDateTimeFormat);
            if (!dt.isValid())
                dt = QDateTime(QDate::fromString(s, Regional::kDateFormat), QTime(0, 0));
            if (!dt.isValid())
                throw ConversionError(QStringLiteral("'%1' não é uma data válida.").arg(s));
            return dt;
        }
        default: return s;
        }
    }
    return v;
}

void Query::setValue(const QString &field, const QVariant &v)
{
    checkEditing("alterar um campo");
    const int col = requireField(field);
    const QVariant converted = coerce(col, v);
    const QVariant &old = m_buffer[col];
    if (old.isNull() == converted.isNull() && old == converted)
        return;
    m_buffer[col] = converted;
    m_changed.insert(col);
    Q_EMIT fieldChanged(m_record.fieldName(col));
}

// ---- editing ---------------------------------------------------------------

void Query::checkEditing(const char *what) const
{
    if (!isEditing())
        throw DbError(
            QStringLiteral("Não é possível %1: o registro não está em edição.").arg(QLatin1String(what)));
}

void Query::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    Q_EMIT stateChanged(s);
}

void Query::insert()
{
    if (m_state == State::Inactive)
        throw DbError(QStringLiteral("A consulta não está aberta."));
    if (isEditing())
        post();
    m_buffer = QVector<QVariant>(fieldCount());
    m_changed.clear();
    setState(State::Insert);
    Q_EMIT currentChanged();
    fire(m_afterInsert);
}

void Query::edit()
{
    if (m_state == State::Inactive)
        throw DbError(QStringLiteral("A consulta não está aberta."));
    if (isEditing())
        return;
    if (m_current < 0) {
        // Editing an empty result starts a new row, as the old data layer did.
        insert();
        return;
    }
    m_buffer = m_rows[m_current];
    m_changed.clear();
    setState(State::Edit);
}

void Query::cancel()
{
    if (!isEditing())
        return;
    m_buffer.clear();
    m_changed.clear();
    setState(State::Browse);
    Q_EMIT currentChanged();
}

void Query::post()
{
    checkEditing("gravar");
    fire(m_beforePost);
    if (m_state == State::Edit)
        postUpdate();
    else
        postInsert();
    m_buffer.clear();
    m_changed.clear();
    setState(State::Browse);
    Q_EMIT currentChanged();
    fire(m_afterPost);
}

QString Query::updateTable() const
{
    if (!m_updateTable.isEmpty())
        return m_updateTable;
    static const QRegularExpression from(QStringLiteral("^\\s*select\\s.*?\\sfrom\\s+`?(\\w+)`?"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::DotMatchesEverythingOption);
    const auto m = from.match(statement());
    return m.hasMatch() ? m.captured(1) : QString();
}

QStringList Query::keyFields() const
{
    if (!m_keyFields.isEmpty())
        return m_keyFields;
    const QString table = updateTable();
    if (table.isEmpty())
        return {};
    static QHash<QString, QStringList> cache;
    auto it = cache.find(table);
    if (it == cache.end()) {
        Connection::shared().ensureOpen();
        const QSqlIndex index = Connection::shared().database().primaryIndex(table);
        QStringList keys;
        for (int i = 0; i < index.count(); ++i)
            keys << index.fieldName(i);
        if (keys.isEmpty())
            return {};
        it = cache.insert(table, keys);
    }
    return *it;
}

void Query::postUpdate()
{
    if (m_changed.isEmpty()) {
        return;
    }
    const QString table = updateTable();
    const QStringList keys = keyFields();
    if (table.isEmpty() || keys.isEmpty())
        throw DbError(
            QStringLiteral("Não foi possível determinar a tabela e a chave para gravar o registro."));
    QStringList sets;
    QList<int> cols(m_changed.begin(), m_changed.end());
    std::sort(cols.begin(), cols.end());
    for (int c : cols)
        sets << quoted(m_record.fieldName(c)) + QStringLiteral(" = :v%1").arg(c);
    QSqlQuery q = prepareShared(QStringLiteral("update %1 set %2 where %3")
                                    .arg(quoted(table), sets.join(QStringLiteral(", ")), keyCondition(keys)));
    for (int c : cols)
        q.bindValue(QStringLiteral(":v%1").arg(c), m_buffer[c]);
    bindKeys(q, currentKeyValues(keys));
    if (!q.exec())
        throw errorOf(q);
    m_rows[m_current] = m_buffer;
}

QVector<QVariant> Query::readRowByKey(const QString &table, const QStringList &keys,
                                      const QVector<QVariant> &keyValues) const
{
    QStringList columns;
    for (int i = 0; i < m_record.count(); ++i)
        columns << quoted(m_record.fieldName(i));
    QSqlQuery q
        = prepareShared(QStringLiteral("select %1 from %2 where %3")
                            .arg(columns.join(QStringLiteral(", ")), quoted(table), keyCondition(keys)));
    bindKeys(q, keyValues);
    if (!q.exec())
        throw errorOf(q);
    if (!q.next())
        return {};
    QVector<QVariant> row(m_record.count());
    for (int i = 0; i < m_record.count(); ++i)
        row[i] = q.value(i);
    return row;
}

void Query::postInsert()
{
    const QString table = updateTable();
    if (table.isEmpty())
        throw DbError(QStringLiteral("Não foi possível determinar a tabela para gravar o registro."));
    QList<int> cols;
    for (int c = 0; c < m_buffer.size(); ++c)
        if (!m_buffer[c].isNull())
            cols << c;
    QStringList names, values;
    for (int c : cols) {
        names << quoted(m_record.fieldName(c));
        values << QStringLiteral(":v%1").arg(c);
    }
    const QString sql = cols.isEmpty()
        ? QStringLiteral("insert into %1 () values ()").arg(quoted(table))
        : QStringLiteral("insert into %1 (%2) values (%3)")
              .arg(quoted(table), names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    QSqlQuery q = prepareShared(sql);
    for (int c : cols)
        q.bindValue(QStringLiteral(":v%1").arg(c), m_buffer[c]);
    if (!q.exec())
        throw errorOf(q);
    m_lastInsertId = q.lastInsertId();

    // Read the row back so that the key the server generated and the columns'
    // default values are what the window now shows.
    QVector<QVariant> row = m_buffer;
    const QStringList keys = keyFields();
    if (!keys.isEmpty()) {
        QVector<QVariant> keyValues;
        for (const QString &k : keys) {
            const int col = fieldIndex(k);
            QVariant kv = col >= 0 ? m_buffer[col] : QVariant();
            if (kv.isNull() && keys.size() == 1)
                kv = m_lastInsertId;
            keyValues << kv;
        }
        const QVector<QVariant> stored = readRowByKey(table, keys, keyValues);
        if (!stored.isEmpty())
            row = stored;
    }
    const int at = m_current < 0 ? recordCount() : m_current + 1;
    m_rows.insert(m_rows.begin() + std::min(at, recordCount()), row);
    m_current = std::min(at, recordCount() - 1);
    m_eof = m_bof = false;
    Q_EMIT rowsReset();
}

void Query::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_current < 0)
        throw DbError(QStringLiteral("Não há registro para remover."));
    if (m_state == State::Edit)
        cancel();
    const QString table = updateTable();
    const QStringList keys = keyFields();
    if (table.isEmpty() || keys.isEmpty())
        throw DbError(
            QStringLiteral("Não foi possível determinar a tabela e a chave para remover o registro."));
    QSqlQuery q
        = prepareShared(QStringLiteral("delete from %1 where %2").arg(quoted(table), keyCondition(keys)));
    bindKeys(q, currentKeyValues(keys));
    if (!q.exec())
        throw errorOf(q);
    m_rows.erase(m_rows.begin() + m_current);
    Q_EMIT rowsReset();
    setCurrent(m_rows.empty() ? -1 : std::min(m_current, recordCount() - 1));
}

QVector<QVariant> Query::currentKeyValues(const QStringList &keys) const
{
    QVector<QVariant> values;
    for (const QString &key : keys) {
        const int col = fieldIndex(key);
        if (col < 0)
            throw DbError(QStringLiteral("A chave '%1' não está entre os campos da consulta.").arg(key));
        values << m_rows[m_current][col];
    }
    return values;
}

QVariantMap Query::currentRow() const
{
    QVariantMap row;
    for (int i = 0; i < m_record.count(); ++i)
        row.insert(m_record.fieldName(i), value(m_record.fieldName(i)));
    return row;
}

void Query::fire(const std::vector<Handler> &handlers)
{
    for (const Handler &h : handlers)
        h();
}
