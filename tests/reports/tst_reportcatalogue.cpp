#include "reports/catalogue.h"
#include "reports/jsonrows.h"
#include "reports/reporterror.h"
#include "reports/runner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Every report of the catalogue, run as its window runs it (file, report
// name, parameters in order, the window's connections) with sample rows,
// written to PDF and read back.

using Pairs = QList<QPair<QString, QString>>;
using Connections = Pairs; // connection, rows file
using Params = Pairs; // name, value
Q_DECLARE_METATYPE(Pairs)

namespace {

const QString kBarcode = QStringLiteral("00195973700001234560000007300215000000012317");

QString sourceDir()
{
    return qEnvironmentVariable("QZ_SOURCE_DIR");
}

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QString run(const QString &program, const QStringList &args, int *exitCode = nullptr, QString *err = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    if (exitCode)
        *exitCode = p.exitCode();
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF's text as pdftotext reads it, lines joined by blanks.
QString pdfText(const QString &pdf)
{
    QString text
        = run(tool(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return text.simplified();
}

Params boletoParams()
{
    return {{"siapi", "2024/000501"},
            {"tipoboleto", "TAXA DE VISTORIA CBMQZ"},
            {"linha", "00190.00009 07300.215000 00000.123175 5 97370000123456"},
            {"nomecedente", "CORPO DE BOMBEIROS DE TREMONTE-FENDAVO CNPJ 98.765.432/0001-10"},
            {"nomesacado", "PADARIA PÃO DOURADO LTDA - 12.345.678/0001-91"},
            {"nossonumero", "73002150000000123"},
            {"numdocumento", "123"},
            {"vencimento", "15/04/2024"},
            {"datadocumento", "16/03/2024"},
            {"valor", "1.234,56"},
            {"numdocumento", "123"},
            {"fantasia", "PÃO DOURADO"},
            {"enderecocedente", "RUA DAS ACACIAS, N° 15, CENTRO - TREMONTE/QZ - CEP 99990000"},
            {"instrucoes",
             "PÃO DOURADO\nPROTESTO APOS 10 DIAS DA DATA DE VENCIMENTO\nTAXA VISTORIA CORPO DE BOMBEIROS\n"
             "TAXA DE VISTORIA CBMQZ\n\n\nRETIRAR TAXA TPI EM: taxas.bombeiros.qz\n"
             "RETIRAR CERTIFICADO NO PRONTO-JA - (99)3210-7788\n"},
            {"endereco01", "RUA DAS FLORES, 100 - CENTRO"},
            {"endereco02", "99990000 - TREMONTE - 12.345.678/0001-91"},
            {"codbarra", kBarcode}};
}

const QString kMemoLotacao = QStringLiteral(
    "    Eu PADARIA PÃO DOURADO LTDA, CPF/CNPJ 12345678000191, responsável pela realização do Evento . "
    "SALÃO DE FESTAS PRIMAVERA, com data de realização do dia 20/03/2024 ao dia 22/03/2024, visando a "
    "concessão do Certificado de Conformidade do Corpo de Bombeiros Militar do Estado de Varsélia, atesto "
    "que o evento realizado na ,RUA DAS PALMEIRAS, 10, Municipio de TREMONTE terá controle de lotação "
    "máxima por recinto de 350 Pessoas.");
const QString kMemoSaida = QStringLiteral(
    "    Visando a concessão do Certificado de Conformidade do Corpo de Bombeiros Militar do Estado de "
    "Varsélia, atestamos que as PORTAS DE SAÍDA DE EMERGÊNCIA da edificação do evento SALÃO DE FESTAS "
    "PRIMAVERA, com data de realização do dia 20/03/2024 ao dia 22/03/2024, realizado na ,RUA DAS "
    "PALMEIRAS, 10, Municipio de TREMONTE permanecerão abertas durante a realização do evento ou "
    "permanência de pessoas na edificação.");

} // namespace

class TstReportCatalogue : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_out;
    QString m_reports;

    // Runs one catalogue entry; returns the PDF written.
    QString print(const QString &file, const Params &params, const Connections &connections,
                  QStringList *warnings = nullptr)
    {
        ReportConnections registry;
        std::vector<std::unique_ptr<MemoryDataSource>> sources;
        std::vector<std::unique_ptr<ReportConnection>> offered;
        for (const auto &[name, rowsFile] : connections) {
            QFile json(sourceDir() + QStringLiteral("/tests/reports/data/") + rowsFile);
            if (!json.open(QIODevice::ReadOnly))
                qFatal("missing sample rows %s", qPrintable(rowsFile));
            sources.push_back(
                std::make_unique<MemoryDataSource>(Report::rowsFromJson(json.readAll(), rowsFile)));
            offered.push_back(std::make_unique<ReportConnection>(name, *sources.back(), registry));
        }
        ReportRunner runner(registry);
        Reports::ParamList list;
        for (const auto &[name, value] : params)
            list.emplace_back(name, value);
        if (!Reports::printReport(runner, m_reports, file, list))
            return {};
        if (warnings)
            *warnings = runner.lastWarnings();
        return runner.lastPdf();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (tool(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        m_reports = sourceDir() + QStringLiteral("/relatorios/");
        qputenv(ReportRunner::kPdfFolderVariable, m_out.path().toUtf8());
    }

    void everyCatalogueReport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Params>("params");
        QTest::addColumn<Connections>("connections");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("pages");

        const Connections searchWindow {{"rdsServico", "servicos.json"},
                                        {"rdsBairroInspecao", "bairros.json"}};
        QTest::newRow("provisional certificate") << "certificadoprovisorio.rav"
                                                 << Params {{"data", "TREMONTE - QZ, 16/03/2024"},
                                                            {"razao", "PADARIA PÃO DOURADO LTDA"},
                                                            {"cnpj", "12345678000191"},
                                                            {"atividade", "PANIFICADORA  RISCO: 2"},
                                                            {"endereco", "RUA DAS PALMEIRAS, 10 - CENTRO"},
                                                            {"siapi", "2024/000501"},
                                                            {"area", "231,50"},
                                                            {"dataemissao", "16/03/2024"},
                                                            {"datavalidade", "15/04/2024"},
                                                            {"obs", "Hidrantes em instalação."}}
                                                 << Connections {{"rdsServicoUnico", "vazio.json"}}
                                                 << QStringList {"CERTIFICADO PROVISÓRIO",
                                                                 "PADARIA PÃO DOURADO LTDA",
                                                                 "12.345.678/0001-91",
                                                                 "PANIFICADORA RISCO: 2",
                                                                 "RUA DAS PALMEIRAS, 10 - CENTRO",
                                                                 "2024/000501",
                                                                 "231,50 m²",
                                                                 "16/03/2024",
                                                                 "15/04/2024",
                                                                 "Hidrantes em instalação.",
                                                                 "TREMONTE - QZ, 16/03/2024"}
                                                 << 1;
        QTest::newRow("boleto from the service window")
            << "boletotipo.rav" << boletoParams() << Connections {{"rdsServicoUnico", "vazio.json"}}
            << QStringList {"Recibo do Pagador",
                            "Banco do Brasil",
                            "001-9",
                            "00190.00009 07300.215000 00000.123175 5 97370000123456",
                            "Pagável em qualquer banco até o vencimento.",
                            "15/04/2024",
                            "CORPO DE BOMBEIROS DE TREMONTE-FENDAVO CNPJ 98.765.432/0001-10",
                            "4417/7300215-1",
                            "16/03/2024",
                            "123",
                            "73002150000000123",
                            "1.234,56",
                            "PROTESTO APOS 10 DIAS DA DATA DE VENCIMENTO",
                            "RETIRAR CERTIFICADO NO PRONTO-JA - (99)3210-7788",
                            "PADARIA PÃO DOURADO LTDA - 12.345.678/0001-91",
                            "RUA DAS FLORES, 100 - CENTRO",
                            "99990000 - TREMONTE - 12.345.678/0001-91",
                            "Ficha de Compensação",
                            "Aceite",
                            "Espécie Doc.",
                            "Nosso Número",
                            "TAXA DE VISTORIA CBMQZ",
                            "2024/000501"}
            << 1;
        QTest::newRow("boleto reprinted from the boleto list")
            << "boletotipo.rav" << boletoParams() << Connections {{"rdsBoletos", "vazio.json"}}
            << QStringList {"Ficha de Compensação", "73002150000000123"} << 1;
        QTest::newRow("inspection sheets from the service search")
            << "inspecaoVarias.rav" << Params {} << searchWindow
            << QStringList {"RELATÓRIO DE INSPEÇÃO",
                            "1001",
                            "1012",
                            "SUPERMERCADO BOA ESPERANÇA LTDA",
                            "VISTORIA AGENDADA",
                            "SALÃO DE FESTAS PRIMAVERA",
                            "Acesso pelos fundos",
                            "2º SGT SOUZA",
                            "Extintores de incêndio"}
            << 12;
        QTest::newRow("inspection sheets from the locator")
            << "inspecaoVarias.rav" << Params {} << Connections {{"rdsContribuintes", "clientes.json"}}
            << QStringList {"RELATÓRIO DE INSPEÇÃO", "ESCOLA MUNICIPAL JOÃO DE BARRO",
                            "EM ATIVIDADE - ISENTA", "75,00",
                            "3º SGT LIMA",           "AVENIDA BRASIL, 7 - JARDIM DAS FLORES - TREMONTE"}
            << 8;
        QTest::newRow("service list") << "listaServicoRelacao.rav" << Params {{"total", "12"}} << searchWindow
                                      << QStringList {"RELAÇÃO DE SERVIÇOS",
                                                      "Total: 12",
                                                      "1001",
                                                      "1012",
                                                      "ISENTA",
                                                      "163,01",
                                                      "DISTRIBUIDORA DE GÁS CHAMA AZUL EIRELI",
                                                      "12 serviço(s) listado(s)"}
                                      << 1;
        QTest::newRow("inspections by neighbourhood")
            << "inspecoesBairro.rav" << Params {{"total", "12"}} << searchWindow
            << QStringList {"INSPEÇÕES POR BAIRRO",      "BAIRRO: CENTRO",
                            "BAIRRO: JARDIM DAS FLORES", "BAIRRO: VILA NOVA",
                            "4 inspeção(ões) em CENTRO", "4 inspeção(ões) em VILA NOVA",
                            "Total de serviços: 12"}
            << 2;
        QTest::newRow("planning sheet")
            << "planilha.rav" << Params {{"reg", "9 CRBM"}, {"obm", "21 BBM"}, {"total", "12"}}
            << searchWindow
            << QStringList {"PLANILHA CIDADE SEGURA", "9 CRBM - 21 BBM", "Estabelecimento", "1012",
                            "Total de estabelecimentos: 12"}
            << 1;
        QTest::newRow("occupancy term")
            << "termolotacao.rav" << Params {{"memo", kMemoLotacao}, {"responsavel", "JOÃO CARLOS PEREIRA"}}
            << searchWindow
            << QStringList {"TERMO DE RESPONSABILIDADE",
                            "CONTROLE DE LOTAÇÃO MÁXIMA",
                            "terá controle de lotação máxima por recinto de 350 Pessoas.",
                            "Certificado de Conformidade",
                            "JOÃO CARLOS PEREIRA",
                            "Responsável pelo evento"}
            << 1;
        QTest::newRow("emergency exit term")
            << "termosaida.rav" << Params {{"memo", kMemoSaida}, {"responsavel", "JOÃO CARLOS PEREIRA"}}
            << searchWindow
            << QStringList {"SAÍDAS DE EMERGÊNCIA", "PORTAS DE SAÍDA DE EMERGÊNCIA",
                            "permanência de pessoas na edificação.", "JOÃO CARLOS PEREIRA"}
            << 1;
        QTest::newRow("requirements") << "exigencias.rav"
                                      << Params {{"info",
                                                  "CNPJ/CPF: 12345678000191  Razao Social: PADARIA PÃO "
                                                  "DOURADO LTDA  SIAPI: 2024/000501"}}
                                      << Connections {{"rdsExigenciaRelatorio", "exigencias.json"}}
                                      << QStringList {"NOTIFICAÇÃO DE EXIGÊNCIAS",
                                                      "Razao Social: PADARIA PÃO DOURADO LTDA",
                                                      "E01",
                                                      "E05",
                                                      "Instalar iluminação de emergência nas rotas de fuga.",
                                                      "PENDENTE",
                                                      "BAIXADA",
                                                      "5 exigência(s)",
                                                      "Responsável pelo estabelecimento"}
                                      << 1;
        QTest::newRow("establishment list") << "listaEmpresas.rav" << Params {{"total", "8"}}
                                            << Connections {{"rdsContribuinteCadastro", "clientes.json"}}
                                            << QStringList {"RELAÇÃO DE ESTABELECIMENTOS",
                                                            "Total: 8",
                                                            "123.456.789-06",
                                                            "12.345.678/0001-91",
                                                            "JOSÉ DA SILVA ÁVILA",
                                                            "AVENIDA BRASIL, 56",
                                                            "8 estabelecimento(s) listado(s)"}
                                            << 1;
        QTest::newRow("city hall list") << "listaEmpresasPrefeitura.rav" << Params {{"total", "15"}}
                                        << Connections {{"rdsPrefeitura", "prefeitura.json"}}
                                        << QStringList {"EMPRESAS DA LISTA DA PREFEITURA",
                                                        "Total: 15",
                                                        "RUA 2 DE MAIO, 3",
                                                        "02/03/2015",
                                                        "VISTORIADA",
                                                        "15 empresa(s) listada(s)"}
                                        << 1;
        QTest::newRow("letter of consent")
            << "cartaAnuencia.rav" << Params {{"numTitulo", "123"},
                                              {"cnpj", "12345678000191"},
                                              {"razao", "PADARIA PÃO DOURADO LTDA"},
                                              {"vencimento", "15/04/2024"},
                                              {"valor", "1234,56"},
                                              {"data", "Tremonte, 16/03/2024"}}
            << Connections {} << QStringList {"CARTA DE ANUÊNCIA",    "PADARIA PÃO DOURADO LTDA",
                                              "12.345.678/0001-91",   "123",
                                              "R$ 1.234,56",          "15/04/2024",
                                              "Tremonte, 16/03/2024."}
            << 1;
    }

    void everyCatalogueReport()
    {
        QFETCH(QString, file);
        QFETCH(Params, params);
        QFETCH(Connections, connections);
        QFETCH(QStringList, expected);
        QFETCH(int, pages);
        QStringList warnings;
        const QString pdf = print(file, params, connections, &warnings);
        QVERIFY2(!pdf.isEmpty(), "the file has no such report");
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        const QString text = pdfText(pdf);
        for (const QString &e : expected)
            QVERIFY2(text.contains(e), qPrintable(QStringLiteral("\"%1\" not in %2").arg(e, pdf)));
        if (tool(QStringLiteral("pdfinfo")).isEmpty())
            return;
        int pageCount = 0;
        const QString info = run(tool(QStringLiteral("pdfinfo")), {pdf});
        for (const QString &line : info.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("Pages:")))
                pageCount = line.mid(6).trimmed().toInt();
        QCOMPARE(pageCount, pages);
    }

    // The printed barcode reads back as the same 44 digits at 300 dpi.
    void boletoBarcodeScansBack()
    {
        if (tool(QStringLiteral("pdftoppm")).isEmpty() || tool(QStringLiteral("zbarimg")).isEmpty())
            QSKIP("pdftoppm or zbarimg is not installed");
        const QString pdf = print(QStringLiteral("boletotipo.rav"), boletoParams(), {});
        const QString prefix = m_out.filePath(QStringLiteral("boleto-scan"));
        run(tool(QStringLiteral("pdftoppm")),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf, prefix});
        int code = -1;
        const QString scanned = run(tool(QStringLiteral("zbarimg")),
                                    {QStringLiteral("-q"), QStringLiteral("--raw"),
                                     QStringLiteral("--nodbus"), prefix + QStringLiteral("-1.png")},
                                    &code);
        QCOMPARE(code, 0);
        QCOMPARE(scanned.trimmed(), kBarcode);
    }

    // A boleto is never printed with a wrong or missing barcode.
    void boletoRefusesABadBarcode_data()
    {
        QTest::addColumn<QString>("codbarra");
        QTest::newRow("empty") << QString();
        QTest::newRow("43 digits") << kBarcode.left(43);
        QTest::newRow("not digits") << QStringLiteral("0019597370000123456000000730021500000001231A");
    }

    void boletoRefusesABadBarcode()
    {
        QFETCH(QString, codbarra);
        Params params = boletoParams();
        params.last().second = codbarra;
        QVERIFY_THROWS_EXCEPTION(ReportError, print(QStringLiteral("boletotipo.rav"), params, {}));
    }

    // The designers' tool renders with parameters and rows, and fails loudly.
    void commandLineTool()
    {
        const QString out = m_out.filePath(QStringLiteral("tool.pdf"));
        int code = -1;
        QString err;
        run(QStringLiteral(QZ_RELATORIO_TOOL),
            {m_reports + QStringLiteral("listaEmpresas.rav"), QStringLiteral("relatorio"), out,
             QStringLiteral("total=8 registros"), QStringLiteral("--rows"),
             QStringLiteral("rdsContribuinteCadastro=") + sourceDir()
                 + QStringLiteral("/tests/reports/data/clientes.json")},
            &code, &err);
        QVERIFY2(code == 0, qPrintable(err));
        const QString text = pdfText(out);
        QVERIFY(text.contains(QStringLiteral("Total: 8 registros")));
        QVERIFY(text.contains(QStringLiteral("JOSÉ DA SILVA ÁVILA")));

        run(QStringLiteral(QZ_RELATORIO_TOOL),
            {m_reports + QStringLiteral("listaEmpresas.rav"), QStringLiteral("relatorio"), out}, &code, &err);
        QVERIFY(code != 0);
        QVERIFY2(err.contains(QStringLiteral("rdsContribuinteCadastro")), qPrintable(err));

        run(QStringLiteral(QZ_RELATORIO_TOOL),
            {m_reports + QStringLiteral("naoexiste.rav"), QStringLiteral("relatorio"), out}, &code, &err);
        QVERIFY(code != 0);
        QVERIFY2(err.contains(QStringLiteral("não existe")), qPrintable(err));

        run(QStringLiteral(QZ_RELATORIO_TOOL),
            {m_reports + QStringLiteral("cartaAnuencia.rav"), QStringLiteral("relatorio"), out}, &code, &err);
        QVERIFY(code != 0);
        QVERIFY2(err.contains(QStringLiteral("\"relatorio\"")), qPrintable(err));
    }
};

QTEST_MAIN(TstReportCatalogue)
#include "tst_reportcatalogue.moc"
