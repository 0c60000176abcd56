// relatorio: renders one report of a report file to PDF, without the program
// or a database, for whoever designs the report files.
//
//   relatorio FILE.rav REPORT OUT.pdf [name=value ...] [--rows CONNECTION=ROWS.json ...]
//
// ROWS.json holds a JSON array of objects, one per row, column name to value.

#include "reports/datasource.h"
#include "reports/jsonrows.h"
#include "reports/reporterror.h"
#include "reports/runner.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void printErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int usage()
{
    printErr(QStringLiteral("uso: relatorio ARQUIVO.rav RELATORIO SAIDA.pdf [nome=valor ...] "
                            "[--rows CONEXAO=LINHAS.json ...]"));
    return 2;
}

QVariantList readRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("Não foi possível ler \"%1\": %2").arg(path, file.errorString()));
    return Report::rowsFromJson(file.readAll(), path);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool writes where it is told, never to the unattended folder.
    qunsetenv(ReportRunner::kPdfFolderVariable);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return usage();

    try {
        ReportConnections connections;
        std::vector<std::unique_ptr<MemoryDataSource>> sources;
        std::vector<std::unique_ptr<ReportConnection>> offered;
        ReportRunner runner(connections);
        runner.setProjectFile(args[0]);
        for (int i = 3; i < args.size(); ++i) {
            QString arg = args[i];
            if (arg == QLatin1String("--rows") || arg.startsWith(QLatin1String("--rows="))) {
                QString rowsArg;
                if (arg == QLatin1String("--rows")) {
                    if (++i >= args.size())
                        return usage();
                    rowsArg = args[i];
                } else {
                    rowsArg = arg.mid(7);
                }
                const qsizetype eq = rowsArg.indexOf(QLatin1Char('='));
                if (eq <= 0)
                    return usage();
                sources.push_back(std::make_unique<MemoryDataSource>(readRows(rowsArg.mid(eq + 1))));
                offered.push_back(
                    std::make_unique<ReportConnection>(rowsArg.left(eq), *sources.back(), connections));
            } else if (arg.indexOf(QLatin1Char('=')) > 0) {
                const qsizetype eq = arg.indexOf(QLatin1Char('='));
                runner.setParam(arg.left(eq), arg.mid(eq + 1));
            } else {
                return usage();
            }
        }
        PdfFileOutput output(args[2]);
        runner.setOutput(&output);
        if (!runner.execute(args[1])) {
            printErr(QStringLiteral("O projeto \"%1\" não tem o relatório \"%2\".").arg(args[0], args[1]));
            return 1;
        }
        for (const QString &warning : runner.lastWarnings())
            printErr(QStringLiteral("aviso: ") + warning);
    } catch (const std::exception &e) {
        printErr(QString::fromUtf8(e.what()));
        return 1;
    }
    return 0;
}
