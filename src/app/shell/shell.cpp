#include "app/shell/shell.h"

#include "common/apperror.h"

#include <QDir>

namespace {
Shell *current = nullptr;
}

Shell &Shell::instance()
{
    if (!current)
        throw AppError(QStringLiteral("A janela principal não está disponível."));
    return *current;
}

bool Shell::installed()
{
    return current != nullptr;
}

void Shell::install(Shell *shell)
{
    current = shell;
}

BasicShell::BasicShell(QString reportFolder) : m_reportFolder(std::move(reportFolder))
{
    m_configuracao.setSql(QStringLiteral("select * from configuracao"));
    Shell::install(this);
}

BasicShell::~BasicShell()
{
    if (current == this)
        Shell::install(nullptr);
}

QString reportFolderFor(const QString &programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("relatorios")))
        + QDir::separator();
}
