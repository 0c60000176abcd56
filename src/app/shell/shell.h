#pragma once

#include "db/query.h"
#include "reports/datasource.h"
#include "reports/runner.h"

#include <QString>

// The main window's objects that other windows use: the scratch query for
// single statements, the configuration row and the report folder. The main
// window installs itself; tests of other windows install a BasicShell.
class Shell
{
public:
    virtual ~Shell() = default;

    // Scratch query: a window replaces its statement, runs it and closes it.
    virtual Query &zqSuporte() = 0;
    // "select * from configuracao": ufir, unidade, versao.
    virtual Query &zqConfiguracao() = 0;
    // Report folder: program folder + "relatorios" + separator.
    virtual QString caminhoRelatorio() const = 0;
    // The report runner every window prints through (see Reports::printReport).
    virtual ReportRunner &rvRelatorio() = 0;

    static Shell &instance();
    static bool installed();
    static void install(Shell *shell);
};

// Shell with its own queries; the main window and window tests use it.
class BasicShell : public Shell
{
public:
    explicit BasicShell(QString reportFolder = {});
    ~BasicShell() override;
    Query &zqSuporte() override { return m_suporte; }
    Query &zqConfiguracao() override { return m_configuracao; }
    QString caminhoRelatorio() const override { return m_reportFolder; }
    ReportRunner &rvRelatorio() override { return m_runner; }
    void setCaminhoRelatorio(const QString &folder) { m_reportFolder = folder; }

private:
    Query m_suporte;
    Query m_configuracao;
    QString m_reportFolder;
    ReportRunner m_runner;
};

// A window's query offered to the reports under a connection name: the
// report reads the query's rows as they are when it runs.
class QueryDataSource : public ReportDataSource
{
public:
    explicit QueryDataSource(const Query &query) : m_query(query) { }
    QStringList columnNames() const override { return m_query.fieldNames(); }
    int rowCount() const override { return m_query.isActive() ? m_query.recordCount() : 0; }
    QVariant value(int row, int column) const override { return m_query.value(row, column); }

private:
    const Query &m_query;
};

// Keeps a query registered as a report connection while the window lives:
//     QueryConnection m_rds{QStringLiteral("rdsContribuintes"), zqContribuinte};
class QueryConnection
{
public:
    QueryConnection(const QString &name, const Query &query) : m_source(query), m_connection(name, m_source)
    { }

private:
    QueryDataSource m_source;
    ReportConnection m_connection;
};

// Program folder + "relatorios" + the platform's separator; file names are
// appended to it directly.
QString reportFolderFor(const QString &programFolder);
