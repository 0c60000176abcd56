#include "reports/datasource.h"

#include <QVariantMap>

#include <algorithm>

MemoryDataSource::MemoryDataSource(const QVariantList &rows)
{
    setRows(rows);
}

MemoryDataSource::MemoryDataSource(const QStringList &columns, const QVariantList &rows) : m_columns(columns)
{
    setRows(rows);
}

void MemoryDataSource::setRows(const QVariantList &rows)
{
    for (const QVariant &row : rows) {
        const QVariantMap map = row.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            if (!m_columns.contains(it.key()))
                m_columns.append(it.key());
    }
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const QVariant &row : rows) {
        const QVariantMap map = row.toMap();
        QVariantList values;
        values.reserve(m_columns.size());
        for (const QString &column : m_columns)
            values.append(map.value(column));
        m_rows.push_back(values);
    }
}

QVariant MemoryDataSource::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_rows[row].size())
        return {};
    return m_rows[row].at(column);
}

ReportConnections &ReportConnections::global()
{
    static ReportConnections connections;
    return connections;
}

void ReportConnections::add(const QString &name, const ReportDataSource *source)
{
    m_entries.push_back({name, source});
}

void ReportConnections::remove(const QString &name, const ReportDataSource *source)
{
    auto it = std::find_if(m_entries.rbegin(), m_entries.rend(),
                           [&](const Entry &e) { return e.name == name && e.source == source; });
    if (it != m_entries.rend())
        m_entries.erase(std::next(it).base());
}

const ReportDataSource *ReportConnections::find(const QString &name) const
{
    auto it
        = std::find_if(m_entries.rbegin(), m_entries.rend(), [&](const Entry &e) { return e.name == name; });
    return it == m_entries.rend() ? nullptr : it->source;
}

QStringList ReportConnections::names() const
{
    QStringList result;
    for (const Entry &e : m_entries)
        if (!result.contains(e.name))
            result.append(e.name);
    return result;
}

ReportConnection::ReportConnection(QString name, const ReportDataSource &source, ReportConnections &registry)
    : m_name(std::move(name)), m_source(&source), m_registry(registry)
{
    m_registry.add(m_name, m_source);
}

ReportConnection::~ReportConnection()
{
    m_registry.remove(m_name, m_source);
}
