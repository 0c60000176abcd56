#include "reports/catalogue.h"
#include "reports/reporterror.h"
#include "reports/runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Keeps what the runner delivers instead of showing it.
class RecordingOutput : public ReportOutput
{
public:
    void building(int) override { ++pagesHeard; }
    void abandon() override { ++abandoned; }
    void deliver(const Report::Document &document) override { documents.push_back(document); }

    QStringList texts(size_t index = 0) const
    {
        QStringList out;
        for (const Report::Page &page : documents.at(index).pages)
            for (const Report::PageItem &item : page.items)
                if (item.kind == Report::PageItem::Kind::Text)
                    out << item.text;
        return out;
    }

    std::vector<Report::Document> documents;
    int pagesHeard = 0;
    int abandoned = 0;
};

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray simpleReport(const QByteArray &reportName, const QByteArray &text)
{
    return "<project><report name=\"" + reportName + "\"><band height=\"10\"><text>" + text
        + "</text></band></report></project>";
}

} // namespace

class TstReportRunner : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { qunsetenv(ReportRunner::kPdfFolderVariable); }

    // The error names the full path and stops the caller: nothing after the
    // print runs, nothing is delivered.
    void missingFileNamesTheExpandedPath()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        bool laterStepRan = false;
        try {
            Reports::printReport(runner, QStringLiteral("relatorios/"), QStringLiteral("naoexiste.rav"));
            laterStepRan = true;
        } catch (const ReportError &e) {
            const QString expanded
                = QDir::toNativeSeparators(m_dir.path() + QStringLiteral("/relatorios/naoexiste.rav"));
            QCOMPARE(e.text(), QStringLiteral("O projeto de relatório \"%1\" não existe.").arg(expanded));
            QCOMPARE(QString::fromUtf8(e.what()), e.text());
        }
        QDir::setCurrent(previous);
        QVERIFY(!laterStepRan);
        QVERIFY(output.documents.empty());
        QVERIFY(!runner.isOpen());
    }

    void unknownReportPrintsNothingAndSaysNothing()
    {
        const QString file = m_dir.filePath(QStringLiteral("um.rav"));
        writeFile(file, simpleReport("relatorio", "texto"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        runner.setProjectFile(file);
        QVERIFY(!runner.execute(QStringLiteral("outro")));
        QVERIFY(output.documents.empty());
        QVERIFY(runner.execute(QStringLiteral("relatorio")));
        QCOMPARE(output.documents.size(), size_t(1));
    }

    void missingConnectionAbortsWithItsName()
    {
        const QString file = m_dir.filePath(QStringLiteral("dados.rav"));
        writeFile(file,
                  "<project><report name=\"relatorio\"><data source=\"rdsServico\">"
                  "<row height=\"5\"><text>{SERVICO_CODIGO}</text></row></data></report></project>");
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        runner.setProjectFile(file);
        MemoryDataSource other;
        ReportConnection wrongName(QStringLiteral("rdsServicoUnico"), other, connections);
        try {
            runner.execute(QStringLiteral("relatorio"));
            QFAIL("ran without its connection");
        } catch (const ReportError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("conexão de dados \"rdsServico\"")),
                     qPrintable(e.text()));
        }
        QVERIFY(output.documents.empty());
        QCOMPARE(output.abandoned, 1);

        // Once a window offers it, the same run works and reads its rows.
        MemoryDataSource rows(QVariantList {QVariantMap {{QStringLiteral("SERVICO_CODIGO"), 77}}});
        {
            ReportConnection offered(QStringLiteral("rdsServico"), rows, connections);
            QVERIFY(runner.execute(QStringLiteral("relatorio")));
            QCOMPARE(output.texts(), QStringList {QStringLiteral("77")});
        }
        QVERIFY(!connections.find(QStringLiteral("rdsServico")));
    }

    // The latest window to offer a name is used until it closes.
    void connectionsStackByName()
    {
        ReportConnections connections;
        MemoryDataSource a, b;
        ReportConnection first(QStringLiteral("rdsContribuintes"), a, connections);
        {
            ReportConnection second(QStringLiteral("rdsContribuintes"), b, connections);
            QCOMPARE(connections.find(QStringLiteral("rdsContribuintes")), &b);
        }
        QCOMPARE(connections.find(QStringLiteral("rdsContribuintes")), &a);
        QVERIFY(!connections.find(QStringLiteral("rdscontribuintes")));
    }

    // Closing after every print makes the next one read the file again; an
    // open project keeps what it loaded.
    void projectIsReadAgainAfterClose()
    {
        const QString folder = m_dir.filePath(QStringLiteral("troca")) + QLatin1Char('/');
        writeFile(folder + QStringLiteral("lista.rav"), simpleReport("relatorio", "VERSÃO 1"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        QVERIFY(Reports::printReport(runner, folder, QStringLiteral("lista.rav")));
        writeFile(folder + QStringLiteral("lista.rav"), simpleReport("relatorio", "VERSÃO 2"));
        QVERIFY(Reports::printReport(runner, folder, QStringLiteral("lista.rav")));
        QCOMPARE(output.texts(0), QStringList {QStringLiteral("VERSÃO 1")});
        QCOMPARE(output.texts(1), QStringList {QStringLiteral("VERSÃO 2")});

        runner.setProjectFile(folder + QStringLiteral("lista.rav"));
        QVERIFY(runner.execute(QStringLiteral("relatorio")));
        writeFile(folder + QStringLiteral("lista.rav"), simpleReport("relatorio", "VERSÃO 3"));
        QVERIFY(runner.execute(QStringLiteral("relatorio")));
        QCOMPARE(output.texts(3), QStringList {QStringLiteral("VERSÃO 2")});
        runner.close();
        QVERIFY(runner.execute(QStringLiteral("relatorio")));
        QCOMPARE(output.texts(4), QStringList {QStringLiteral("VERSÃO 3")});
    }

    // The folder is used as given: blanks work, and no separator is added.
    void folderWithBlanksAndNoSeparatorAdded()
    {
        const QString folder = m_dir.filePath(QStringLiteral("Meus Programas/SGC BM/relatorios"));
        writeFile(folder + QStringLiteral("/exigencias.rav"), simpleReport("relatorio", "ok"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        QVERIFY(Reports::printReport(runner, folder + QLatin1Char('/'), QStringLiteral("exigencias.rav")));
        QCOMPARE(output.texts(), QStringList {QStringLiteral("ok")});
        try {
            Reports::printReport(runner, folder, QStringLiteral("exigencias.rav"));
            QFAIL("a separator was added");
        } catch (const ReportError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("relatoriosexigencias.rav")), qPrintable(e.text()));
        }
    }

    void letterRunsItsCertificateReport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("report");
        QTest::newRow("letter") << Reports::File::kCartaAnuencia << "certificado";
        QTest::newRow("boleto") << Reports::File::kBoletoTipo << "relatorio";
        QTest::newRow("certificate file") << Reports::File::kCertificadoProvisorio << "relatorio";
    }

    void letterRunsItsCertificateReport()
    {
        QFETCH(QString, file);
        QFETCH(QString, report);
        QCOMPARE(Reports::reportNameFor(file), report);
        const QString folder = m_dir.filePath(QStringLiteral("nomes")) + QLatin1Char('/');
        writeFile(folder + file, simpleReport(report.toUtf8(), "impresso"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        QVERIFY(Reports::printReport(runner, folder, file));
        QCOMPARE(output.documents.size(), size_t(1));
    }

    // Parameters reach the report under their names and do not outlive the
    // print: a later report that is not given one prints it empty.
    void parametersLastOnePrint()
    {
        const QString folder = m_dir.filePath(QStringLiteral("param")) + QLatin1Char('/');
        writeFile(folder + QStringLiteral("p.rav"), simpleReport("relatorio", "[{total}|{obs}]"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        QVERIFY(Reports::printReport(runner, folder, QStringLiteral("p.rav"),
                                     {{QStringLiteral("total"), QStringLiteral("12")},
                                      {QStringLiteral("obs"), QStringLiteral("a")},
                                      {QStringLiteral("obs"), QStringLiteral("b")}}));
        QVERIFY(Reports::printReport(runner, folder, QStringLiteral("p.rav"),
                                     {{QStringLiteral("total"), QStringLiteral("3")}}));
        QCOMPARE(output.texts(0), QStringList {QStringLiteral("[12|b]")});
        QCOMPARE(output.texts(1), QStringList {QStringLiteral("[3|]")});
        QVERIFY(runner.params().isEmpty());
    }

    // With the PDF folder set every report becomes a file there, whatever
    // output the program installed, and no file is overwritten.
    void pdfFolderTakesEveryReport()
    {
        const QString folder = m_dir.filePath(QStringLiteral("saida pdf"));
        qputenv(ReportRunner::kPdfFolderVariable, folder.toUtf8());
        const QString reports = m_dir.filePath(QStringLiteral("pdf")) + QLatin1Char('/');
        writeFile(reports + QStringLiteral("termosaida.rav"), simpleReport("relatorio", "termo"));
        ReportConnections connections;
        ReportRunner runner(connections);
        RecordingOutput output;
        runner.setOutput(&output);
        QVERIFY(Reports::printReport(runner, reports, QStringLiteral("termosaida.rav")));
        QCOMPARE(runner.lastPdf(), folder + QStringLiteral("/termosaida.pdf"));
        QVERIFY(Reports::printReport(runner, reports, QStringLiteral("termosaida.rav")));
        QCOMPARE(runner.lastPdf(), folder + QStringLiteral("/termosaida-2.pdf"));
        QVERIFY(output.documents.empty());
        QFile pdf(runner.lastPdf());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        qunsetenv(ReportRunner::kPdfFolderVariable);
    }
};

QTEST_MAIN(TstReportRunner)
#include "tst_reportrunner.moc"
