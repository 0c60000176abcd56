#pragma once

#include "db/query.h"

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
    void setCaminhoRelatorio(const QString &folder) { m_reportFolder = folder; }

private:
    Query m_suporte;
    Query m_configuracao;
    QString m_reportFolder;
};

// Program folder + "relatorios" + the platform's separator; file names are
// appended to it directly.
QString reportFolderFor(const QString &programFolder);
