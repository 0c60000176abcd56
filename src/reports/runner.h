#pragma once

#include "reports/datasource.h"
#include "reports/document.h"
#include "reports/layout.h"
#include "reports/project.h"

#include <QString>

#include <memory>
#include <optional>

// Where a finished report goes: the preview, a PDF file, ...
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    // Heard for every page while the report is being built.
    virtual void building(int page) { (void)page; }
    // Heard when building failed: nothing will be delivered.
    virtual void abandon() { }
    // Shows, prints or writes the report; returns when that is over (the
    // preview is modal, so after the operator closed it).
    virtual void deliver(const Report::Document &document) = 0;
};

// Writes each report to one PDF file.
class PdfFileOutput : public ReportOutput
{
public:
    explicit PdfFileOutput(QString path) : m_path(std::move(path)) { }
    void deliver(const Report::Document &document) override;

private:
    QString m_path;
};

// Writes each report into a folder as NAME.pdf (NAME-2.pdf, NAME-3.pdf, ...
// when the name is taken), NAME being the report file's name.
class PdfFolderOutput : public ReportOutput
{
public:
    explicit PdfFolderOutput(QString folder) : m_folder(std::move(folder)) { }
    void deliver(const Report::Document &document) override;
    QString lastFile() const { return m_lastFile; }

private:
    QString m_folder;
    QString m_lastFile;
};

// The report project runner every window prints through: set the project
// file, set the parameters, execute a report by name, close the project.
//
//     runner.setProjectFile(folder + "exigencias.rav");
//     runner.setParam("info", info);
//     runner.execute("relatorio");
//     runner.close();
//
// (printReport() in reports/catalogue.h does these steps.) Failures throw
// ReportError; the runner never shows a message itself.
class ReportRunner
{
public:
    // Environment variable naming a folder: when set, every report is written
    // there as PDF instead of going to the output (workstations without a
    // printer, unattended runs, tests).
    static constexpr const char *kPdfFolderVariable = "QZ_REPORT_PDF_DIR";

    explicit ReportRunner(ReportConnections &connections = ReportConnections::global());
    ~ReportRunner();

    // The full path of the project file; the next run loads it. Setting
    // another path closes the project that was open.
    void setProjectFile(const QString &path);
    QString projectFile() const { return m_projectFile; }

    void setParam(const QString &name, const QString &value);
    QString param(const QString &name) const { return m_params.value(name); }
    Report::Params params() const { return m_params; }

    // Loads the project file if it is not open, then builds the named report
    // and hands it to the output. False, with nothing printed and nothing
    // said, when the project has no report of that name. Throws ReportError
    // when the file does not exist (naming its full path), is malformed,
    // reads a data connection no open window provides, or cannot be printed.
    bool execute(const QString &reportName);

    // Forgets the loaded file and the parameters: the next run reads the
    // file from disk again.
    void close();
    bool isOpen() const { return m_project.has_value(); }

    // Where reports go unless kPdfFolderVariable is set (not owned).
    void setOutput(ReportOutput *output) { m_output = output; }
    ReportOutput *output() const { return m_output; }

    // The PDF written by the last run that went to the PDF folder.
    QString lastPdf() const { return m_lastPdf; }
    // Placeholders of the last run that named nothing (for report designers).
    QStringList lastWarnings() const { return m_lastWarnings; }

private:
    ReportConnections &m_connections;
    QString m_projectFile;
    Report::Params m_params;
    std::optional<Report::Project> m_project;
    ReportOutput *m_output = nullptr;
    QString m_lastPdf;
    QStringList m_lastWarnings;
};
