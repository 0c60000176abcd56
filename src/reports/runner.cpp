#include "reports/runner.h"

#include "reports/render.h"
#include "reports/reporterror.h"

#include <QDir>
#include <QFileInfo>

void PdfFileOutput::deliver(const Report::Document &document)
{
    Report::writePdfFile(document, m_path);
}

void PdfFolderOutput::deliver(const Report::Document &document)
{
    QDir dir(m_folder);
    if (!dir.exists() && !dir.mkpath(QStringLiteral(".")))
        throw ReportError(
            QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(QDir::toNativeSeparators(m_folder)));
    const QString base = document.name.isEmpty() ? QStringLiteral("relatorio") : document.name;
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n));
    Report::writePdfFile(document, path);
    m_lastFile = path;
}

ReportRunner::ReportRunner(ReportConnections &connections) : m_connections(connections)
{ }

ReportRunner::~ReportRunner() = default;

void ReportRunner::setProjectFile(const QString &path)
{
    if (path != m_projectFile)
        m_project.reset();
    m_projectFile = path;
}

void ReportRunner::setParam(const QString &name, const QString &value)
{
    m_params.insert(name, value);
}

bool ReportRunner::execute(const QString &reportName)
{
    if (!m_project)
        m_project = Report::Project::load(m_projectFile);
    const auto it = m_project->reports.constFind(reportName);
    if (it == m_project->reports.cend())
        return false;

    const QString folder = qEnvironmentVariable(kPdfFolderVariable);
    std::optional<PdfFolderOutput> pdfFolder;
    ReportOutput *output = m_output;
    if (!folder.isEmpty()) {
        pdfFolder.emplace(folder);
        output = &*pdfFolder;
    }
    if (!output)
        throw ReportError(QStringLiteral("Nenhuma saída de relatório foi definida."));

    const QString name = QFileInfo(m_projectFile).completeBaseName();
    Report::Document document;
    try {
        document = Report::layout(*it, name, m_params, m_connections,
                                  [output](int page) { output->building(page); });
    } catch (...) {
        output->abandon();
        throw;
    }
    m_lastWarnings = document.warnings;
    output->deliver(document);
    if (pdfFolder)
        m_lastPdf = pdfFolder->lastFile();
    return true;
}

void ReportRunner::close()
{
    m_project.reset();
    m_params.clear();
}
