#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <vector>

// Rows a report prints: the result of one query of a window, read when the
// report runs. Columns are found by name, ignoring case.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;

    virtual QStringList columnNames() const = 0;
    virtual int rowCount() const = 0;
    virtual QVariant value(int row, int column) const = 0;
};

// Rows held in memory, each a QVariantMap of column name to value. The
// columns are the names met in the rows, in order of first appearance (or
// the list given), so rows may leave a column out (it reads as null).
class MemoryDataSource : public ReportDataSource
{
public:
    MemoryDataSource() = default;
    explicit MemoryDataSource(const QVariantList &rows);
    MemoryDataSource(const QStringList &columns, const QVariantList &rows);

    void setRows(const QVariantList &rows);

    QStringList columnNames() const override { return m_columns; }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QVariant value(int row, int column) const override;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

// The data connections open at this moment, by name ("rdsServico", ...). A
// report file names the connections it prints; the runner finds them here.
// When two open windows offer the same name, the one registered last is used
// until it goes away.
class ReportConnections
{
public:
    // The connections of the running program: windows register here, as the
    // report components of the old desktop engine were found by name
    // wherever they lived.
    static ReportConnections &global();

    void add(const QString &name, const ReportDataSource *source);
    void remove(const QString &name, const ReportDataSource *source);
    // Exact name; nullptr when no open window offers it.
    const ReportDataSource *find(const QString &name) const;
    QStringList names() const;

private:
    struct Entry
    {
        QString name;
        const ReportDataSource *source;
    };
    std::vector<Entry> m_entries;
};

// Offers a source under a connection name for as long as it lives; a window
// keeps one as a member next to the query it exposes:
//     ReportConnection m_rdsServico{QStringLiteral("rdsServico"), m_servicoRows};
class ReportConnection
{
public:
    ReportConnection(QString name, const ReportDataSource &source,
                     ReportConnections &registry = ReportConnections::global());
    ~ReportConnection();
    ReportConnection(const ReportConnection &) = delete;
    ReportConnection &operator=(const ReportConnection &) = delete;

    QString name() const { return m_name; }

private:
    QString m_name;
    const ReportDataSource *m_source;
    ReportConnections &m_registry;
};
