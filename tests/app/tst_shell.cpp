// The bridge between the windows' queries and the reports: a query offered
// under a connection name prints its rows through the shell's runner.
#include "app/shell/shell.h"
#include "reports/catalogue.h"
#include "reports/reporterror.h"
#include "support/testdb.h"
#include "ui/guard.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_shell"), true);
    }

    void queryRowsReachTheReport()
    {
        QTemporaryDir pdfs;
        qputenv(ReportRunner::kPdfFolderVariable, pdfs.path().toUtf8());
        BasicShell shell(TestDb::sourceDir() + QStringLiteral("/relatorios/"));

        Query zqContribuinte;
        zqContribuinte.setSql(QStringLiteral("select * from cliente_view where 1 = 2"));
        zqContribuinte.open();
        {
            // Nobody offers the connection yet: the report is abandoned.
            QVERIFY_THROWS_EXCEPTION(ReportError,
                                     Reports::printReport(shell.rvRelatorio(), shell.caminhoRelatorio(),
                                                          Reports::File::kListaEmpresas, {{"total", "0"}}));
        }
        QueryConnection rds(Reports::Connection::kContribuinteCadastro, zqContribuinte);
        zqContribuinte.setSql(
            QStringLiteral("select * from cliente_view where situacao = :s order by CLIENTE_RAZAO_SOCIAL"));
        zqContribuinte.setParam(QStringLiteral("s"), QStringLiteral("EM ATIVIDADE"));
        zqContribuinte.open();
        QVERIFY(zqContribuinte.recordCount() > 1);
        const QString first = zqContribuinte.text(QStringLiteral("CLIENTE_RAZAO_SOCIAL"));
        zqContribuinte.last();
        const QString last = zqContribuinte.text(QStringLiteral("CLIENTE_RAZAO_SOCIAL"));

        QVERIFY(
            Reports::printReport(shell.rvRelatorio(), shell.caminhoRelatorio(), Reports::File::kListaEmpresas,
                                 {{QStringLiteral("total"), QString::number(zqContribuinte.recordCount())}}));
        const QString pdf = shell.rvRelatorio().lastPdf();
        QVERIFY(QFile::exists(pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString out = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(out.contains(first.simplified()), qPrintable(out.left(400)));
        QVERIFY2(out.contains(last.simplified()), qPrintable(out.left(400)));
        qunsetenv(ReportRunner::kPdfFolderVariable);
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
