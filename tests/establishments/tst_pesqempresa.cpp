#include "estfixture.h"

#include "app/shell/shell.h"
#include "establishments/callertag.h"
#include "establishments/unitCadEmpresa.h"
#include "establishments/unitLocalizaEmpresa.h"
#include "establishments/unitPesqEmpresa.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace Est;

namespace {

void escolher(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    Q_EMIT combo->activated(i);
}

QStringList codigos(const Query &q)
{
    return column(q, QStringLiteral("CLIENTE_CODIGO"));
}

QStringList lista(std::initializer_list<int> numeros)
{
    QStringList out;
    for (int n : numeros)
        out << QString::number(n);
    return out;
}

QStringList faixa(int de, int ate, std::initializer_list<int> exceto = {})
{
    QStringList out;
    for (int n = de; n <= ate; ++n)
        if (std::find(exceto.begin(), exceto.end(), n) == exceto.end())
            out << QString::number(n);
    return out;
}

// Reports go to a folder as PDF files while it lives.
struct PdfFolder
{
    QTemporaryDir dir;
    PdfFolder() { qputenv("QZ_REPORT_PDF_DIR", dir.path().toUtf8()); }
    ~PdfFolder() { qunsetenv("QZ_REPORT_PDF_DIR"); }
    QStringList files() const { return QDir(dir.path()).entryList({QStringLiteral("*.pdf")}); }
    // The text of the one PDF written, blanks simplified.
    QString text() const
    {
        const QStringList pdfs = files();
        if (pdfs.size() != 1)
            return QStringLiteral("<%1 pdf files>").arg(pdfs.size());
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), dir.filePath(pdfs.first()), QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }
};

QString pastaRelatorios()
{
    return TestDb::sourceDir() + QStringLiteral("/relatorios/");
}

} // namespace

class TstPesqEmpresa : public QObject
{
    Q_OBJECT

    BasicShell *shell = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_pesqempresa"));
        TestDb::exec(QStringLiteral("create table cliente_demo as select * from cliente"));
    }

    void init()
    {
        TestDb::exec(QStringLiteral("delete from cliente"));
        TestDb::exec(QStringLiteral("insert into cliente select * from cliente_demo"));
        shell = new BasicShell;
    }
    void cleanup() { delete shell; }

    // ---- search window -----------------------------------------------------------

    // "Buscar": each filter line alone and a few together, by the rows found.
    void searchWindowFilters_data()
    {
        QTest::addColumn<QString>("situacao");
        QTest::addColumn<QString>("ano");
        QTest::addColumn<QString>("mes");
        QTest::addColumn<int>("bairro");
        QTest::addColumn<QString>("siapi");
        QTest::addColumn<bool>("naoIsentos");
        QTest::addColumn<QString>("cidade");
        QTest::addColumn<bool>("semSiapi");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("none") << ""
                              << ""
                              << "" << 0 << "" << false << "" << false << faixa(1, 16);
        QTest::newRow("situacao MEI") << "MEI"
                                      << ""
                                      << "" << 0 << "" << false << "" << false << lista({6, 13});
        QTest::newRow("situacao EM BAIXA") << "EM BAIXA"
                                           << ""
                                           << "" << 0 << "" << false << "" << false << lista({4, 15});
        QTest::newRow("not served in 19")
            << ""
            << "19"
            << "" << 0 << "" << false << "" << false << lista({2, 3, 4, 11, 15, 16});
        QTest::newRow("not served in 18") << ""
                                          << "18"
                                          << "" << 0 << "" << false << "" << false << faixa(4, 16, {15});
        QTest::newRow("month 3") << ""
                                 << ""
                                 << "3" << 0 << "" << false << "" << false << lista({1, 2, 7});
        QTest::newRow("month blank") << ""
                                     << ""
                                     << " " << 0 << "" << false << "" << false << faixa(1, 16);
        QTest::newRow("bairro") << ""
                                << ""
                                << "" << 2 << "" << false << "" << false << lista({6, 12, 13});
        QTest::newRow("siapi") << ""
                               << ""
                               << "" << 0 << "2019" << false << "" << false << lista({1, 7, 10, 12, 13, 14});
        QTest::newRow("nao isentos") << ""
                                     << ""
                                     << "" << 0 << "" << true << "" << false << faixa(1, 16, {5});
        QTest::newRow("cidade") << ""
                                << ""
                                << "" << 0 << "" << false << "VALE DO FENDAVO" << false << lista({4, 14});
        QTest::newRow("sem siapi") << ""
                                   << ""
                                   << "" << 0 << "" << false << "" << true << lista({3, 5, 6, 9, 11, 16});
        QTest::newRow("em atividade sem siapi") << "EM ATIVIDADE"
                                                << ""
                                                << "" << 0 << "" << false << "" << true << lista({3, 11, 16});
        QTest::newRow("cidade month") << ""
                                      << ""
                                      << "7" << 0 << "" << false << "TREMONTE" << false << lista({12, 13});
        QTest::newRow("cidade nao isentos")
            << ""
            << ""
            << "" << 0 << "" << true << "TREMONTE" << false << lista({1, 2, 3, 6, 7, 8, 10, 12, 13, 15, 16});
        QTest::newRow("situacao year siapi") << "EM ATIVIDADE"
                                             << "19"
                                             << "" << 0 << "2018" << false << "" << false << lista({2});
        QTest::newRow("bairro and situacao") << "MEI"
                                             << ""
                                             << "" << 2 << "" << false << "" << false << lista({6, 13});
    }
    void searchWindowFilters()
    {
        QFETCH(QString, situacao);
        QFETCH(QString, ano);
        QFETCH(QString, mes);
        QFETCH(int, bairro);
        QFETCH(QString, siapi);
        QFETCH(bool, naoIsentos);
        QFETCH(QString, cidade);
        QFETCH(bool, semSiapi);
        QFETCH(QStringList, rows);
        ScriptedMessages msgs;
        TfrmPesqEmpresa w;
        w.show();
        clearBox(get<QLineEdit>(&w, QStringLiteral("edtQuantidade")));
        if (!situacao.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckSituacao"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbSituacao")), situacao);
        }
        if (!ano.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckNaoTem"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbAnoSiapi")), ano);
        }
        if (!mes.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckMes"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbMes")), mes.trimmed());
        }
        if (bairro) {
            get<QCheckBox>(&w, QStringLiteral("ckBairro"))->click();
            // What the neighbourhood lookup writes back for this window.
            WriteBack::run(&w, Lookup::Bairro, CallerTag::kPesqEmpresa, Escolha {true, bairro, {}});
        }
        type(get<QLineEdit>(&w, QStringLiteral("edtSiapi")), siapi);
        if (naoIsentos)
            get<QCheckBox>(&w, QStringLiteral("ckNaoIsentos"))->click();
        if (!cidade.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckMunicipio"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbMunicipio")), cidade);
        }
        if (semSiapi)
            get<QCheckBox>(&w, QStringLiteral("ckSemSiapi"))->click();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QCOMPARE(sorted(codigos(w.zqContribuinte)), rows);
        QCOMPARE(w.total(), QString::number(rows.size()));
        QVERIFY(msgs.texts().isEmpty());
    }

    // Typing: nothing up to two characters; name, CNPJ/CPF and trade name
    // matched as one condition that every filter restricts; or the street.
    void searchWindowTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("endereco");
        QTest::addColumn<QString>("situacao");
        QTest::addColumn<QString>("quantidade");
        QTest::addColumn<QStringList>("rows"); // in the list's order
        QTest::newRow("two characters") << "ES" << false << ""
                                        << "" << QStringList {};
        QTest::newRow("three characters") << "ESC" << false << ""
                                          << "" << lista({5, 11, 10});
        QTest::newRow("trade name") << "drogaria" << false << ""
                                    << "" << lista({8});
        QTest::newRow("cnpj digits") << "000" << false << ""
                                     << "" << lista({3, 12, 15, 5, 11, 10, 8, 13, 9, 16, 4, 2, 1});
        QTest::newRow("cnpj digits, MEI") << "000" << false << "MEI"
                                          << "" << lista({13});
        QTest::newRow("cnpj digits, limit") << "000" << false << ""
                                            << "2" << lista({3, 12});
        QTest::newRow("street") << "FLORES" << true << ""
                                << "10" << lista({12, 13});
        QTest::newRow("street is not a name") << "FLORES" << false << ""
                                              << "10" << QStringList {};
    }
    void searchWindowTyping()
    {
        QFETCH(QString, typed);
        QFETCH(bool, endereco);
        QFETCH(QString, situacao);
        QFETCH(QString, quantidade);
        QFETCH(QStringList, rows);
        TfrmPesqEmpresa w;
        w.show();
        clearBox(get<QLineEdit>(&w, QStringLiteral("edtQuantidade")));
        type(get<QLineEdit>(&w, QStringLiteral("edtQuantidade")), quantidade);
        if (endereco)
            get<QCheckBox>(&w, QStringLiteral("ckEndereco"))->click();
        if (!situacao.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckSituacao"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbSituacao")), situacao);
        }
        type(get<QLineEdit>(&w, QStringLiteral("edtBusca")), typed);
        QCOMPARE(w.zqContribuinte.isActive(), typed.size() > 2);
        QCOMPARE(codigos(w.zqContribuinte), rows);
    }

    // The quantity box starts at 10; emptying it lifts the limit. The count
    // label follows the list and empties when it closes.
    void quantityAndCount()
    {
        TfrmPesqEmpresa w;
        w.show();
        auto *quantidade = get<QLineEdit>(&w, QStringLiteral("edtQuantidade"));
        QCOMPARE(quantidade->text(), QStringLiteral("10"));
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QCOMPARE(w.zqContribuinte.recordCount(), 10);
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbTotal"))->text(), QStringLiteral("10"));
        type(quantidade, QStringLiteral("a,1")); // digits only
        QCOMPARE(quantidade->text(), QStringLiteral("101"));
        QVERIFY(!w.zqContribuinte.isActive());
        QCOMPARE(w.total(), QString());
        clearBox(quantidade);
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QCOMPARE(w.total(), QStringLiteral("16"));
        // Ordered by city, neighbourhood and address.
        QCOMPARE(codigos(w.zqContribuinte).mid(0, 4), lista({11, 10, 1, 8}));
    }

    // Changing a criterion closes the list.
    void changingACriterionClosesTheList_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *c : {"cbSituacao", "cbMes", "cbMunicipio", "edtSiapi", "edtQuantidade", "edtBairro",
                              "ckNaoIsentos", "ckSemSiapi", "ckSituacao"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void changingACriterionClosesTheList()
    {
        QFETCH(QString, control);
        TfrmPesqEmpresa w;
        w.show();
        for (const char *ck : {"ckSituacao", "ckMes", "ckMunicipio", "ckBairro"})
            get<QCheckBox>(&w, QString::fromLatin1(ck))->click();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QVERIFY(w.zqContribuinte.isActive());
        if (control.startsWith(QLatin1String("cb")))
            escolher(get<QComboBox>(&w, control), get<QComboBox>(&w, control)->itemText(1));
        else if (control == QLatin1String("edtBairro"))
            WriteBack::run(&w, Lookup::Bairro, CallerTag::kPesqEmpresa, Escolha {true, 3, {}});
        else if (control.startsWith(QLatin1String("edt")))
            type(get<QLineEdit>(&w, control), QStringLiteral("1"));
        else
            get<QCheckBox>(&w, control)->click();
        QVERIFY(!w.zqContribuinte.isActive());
        QCOMPARE(w.total(), QString());
    }

    void checkBoxesEnableTheirControls()
    {
        TfrmPesqEmpresa w;
        w.show();
        for (const auto &[ck, ctl] : {std::pair {"ckSituacao", "cbSituacao"},
                                      {"ckNaoTem", "cbAnoSiapi"},
                                      {"ckMes", "cbMes"},
                                      {"ckMunicipio", "cbMunicipio"},
                                      {"ckBairro", "edtBairro"}}) {
            auto *control = get<QWidget>(&w, QString::fromLatin1(ctl));
            QVERIFY2(!control->isEnabled(), ctl);
            get<QCheckBox>(&w, QString::fromLatin1(ck))->click();
            QVERIFY2(control->isEnabled(), ctl);
        }
        QCOMPARE(get<QComboBox>(&w, QStringLiteral("cbAnoSiapi"))->currentText(), QStringLiteral("19"));
        QCOMPARE(get<QComboBox>(&w, QStringLiteral("cbMunicipio"))->count(), 3);
        QCOMPARE(get<QComboBox>(&w, QStringLiteral("cbMes"))->itemText(0), QString());
        // Unchecking "Bairro" empties the neighbourhood; "Municipio" closes its list.
        WriteBack::run(&w, Lookup::Bairro, CallerTag::kPesqEmpresa, Escolha {true, 3, {}});
        QCOMPARE(get<QLineEdit>(&w, QStringLiteral("edtBairro"))->text(),
                 QStringLiteral("JARDIM DAS ACACIAS"));
        get<QCheckBox>(&w, QStringLiteral("ckBairro"))->click();
        QCOMPARE(get<QLineEdit>(&w, QStringLiteral("edtBairro"))->text(), QString());
        get<QCheckBox>(&w, QStringLiteral("ckMunicipio"))->click();
        QCOMPARE(get<QComboBox>(&w, QStringLiteral("cbMunicipio"))->count(), 0);
    }

    // Row colours by situation; the current row's text black and bold; Up
    // and Down move the list from any control.
    void rowColoursAndArrows()
    {
        TfrmPesqEmpresa w;
        w.show();
        clearBox(get<QLineEdit>(&w, QStringLiteral("edtQuantidade")));
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        auto *grid = get<QTableView>(&w, QStringLiteral("grdContribuinte"));
        auto *model = grid->model();
        auto linha = [&](int codigo) {
            return static_cast<int>(codigos(w.zqContribuinte).indexOf(QString::number(codigo)));
        };
        auto fundo = [&](int codigo) {
            return model->index(linha(codigo), 1).data(Qt::BackgroundRole).value<QColor>();
        };
        QCOMPARE(fundo(13), QColor(0, 128, 0));
        QCOMPARE(fundo(4), QColor(255, 0, 0));
        QCOMPARE(fundo(5), QColor(255, 0, 0));
        QCOMPARE(fundo(1), QColor(200, 200, 200));
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Ult. Siapi"));

        QCOMPARE(w.zqContribuinte.recNo(), 0);
        QVERIFY(model->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QTest::keyClick(get<QCheckBox>(&w, QStringLiteral("ckSemSiapi")), Qt::Key_Down);
        QTest::keyClick(get<QLineEdit>(&w, QStringLiteral("edtBusca")), Qt::Key_Down);
        QCOMPARE(w.zqContribuinte.recNo(), 2);
        QCOMPARE(grid->currentIndex().row(), 2);
        QVERIFY(!model->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(model->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbFantasia"))->text(),
                 w.zqContribuinte.text(QStringLiteral("CLIENTE_FANTASIA")));
        QTest::keyClick(get<QComboBox>(&w, QStringLiteral("cbAnoSiapi")), Qt::Key_Up);
        QCOMPARE(w.zqContribuinte.recNo(), 1);
        QCOMPARE(get<QComboBox>(&w, QStringLiteral("cbAnoSiapi"))->currentText(), QStringLiteral("19"));
    }

    // "Novo" and "Alt Cadastro" open the establishment window; the list is
    // read again afterwards.
    void openingTheEstablishmentWindow()
    {
        ScriptedMessages msgs;
        TfrmPesqEmpresa w;
        w.show();
        type(get<QLineEdit>(&w, QStringLiteral("edtBusca")), QStringLiteral("PAO DOURADO"));
        QCOMPARE(codigos(w.zqContribuinte), lista({16}));
        onModal([](QWidget *m) {
            auto *cad = qobject_cast<TfrmCadEmpresa *>(m);
            QVERIFY(cad);
            QCOMPARE(cad->zqContribuinte.text(QStringLiteral("CLIENTE_CODIGO")), QStringLiteral("16"));
            QCOMPARE(get<QLineEdit>(cad, QStringLiteral("edtBairro"))->text(), QStringLiteral("CENTRO"));
            auto *fantasia = get<QLineEdit>(cad, QStringLiteral("edtFantasia"));
            type(fantasia, QStringLiteral(" E CONFEITARIA"));
            get<QPushButton>(cad, QStringLiteral("btnConfirmar"))->click();
        });
        msgs.answerYes();
        get<QPushButton>(&w, QStringLiteral("btnAltCadastro"))->click();
        QCOMPARE(w.zqContribuinte.text(QStringLiteral("CLIENTE_FANTASIA")),
                 QStringLiteral("PAO DOURADO E CONFEITARIA"));
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbFantasia"))->text(),
                 QStringLiteral("PAO DOURADO E CONFEITARIA"));

        onModal([](QWidget *m) {
            auto *cad = qobject_cast<TfrmCadEmpresa *>(m);
            QVERIFY(cad);
            QCOMPARE(cad->zqContribuinte.state(), Query::State::Insert);
            get<QPushButton>(cad, QStringLiteral("btnCancelar"))->click();
        });
        get<QPushButton>(&w, QStringLiteral("btnNovo"))->click();
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &w);
        QCOMPARE(msgs.texts(), QStringList {QStringLiteral("Deseja alterar a Situacao?")});
        QVERIFY(!get<QPushButton>(&w, QStringLiteral("btnInspecao"))->isEnabled());

        // Nothing to alter in an empty list.
        w.zqContribuinte.close();
        get<QPushButton>(&w, QStringLiteral("btnAltCadastro"))->click();
        QCOMPARE(QApplication::activeModalWidget(), &w);
    }

    // "Imprimir": the list as shown, with the count label as "total".
    void printsTheList()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ScriptedMessages msgs;
        PdfFolder pdf;
        shell->setCaminhoRelatorio(pastaRelatorios());
        TfrmPesqEmpresa w;
        w.show();
        get<QCheckBox>(&w, QStringLiteral("ckSituacao"))->click();
        escolher(get<QComboBox>(&w, QStringLiteral("cbSituacao")), QStringLiteral("MEI"));
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        get<QPushButton>(&w, QStringLiteral("btnImprimir"))->click();
        QVERIFY2(msgs.texts().isEmpty(), qPrintable(msgs.texts().join('|')));
        QCOMPARE(pdf.files(), QStringList {QStringLiteral("listaEmpresas.pdf")});
        const QString text = pdf.text();
        QVERIFY2(text.contains(QStringLiteral("Total: 2")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("JOAO BATISTA FERREIRA")));
        QVERIFY(text.contains(QStringLiteral("MERCEARIA SAO BENTO LTDA")));
        QVERIFY(!text.contains(QStringLiteral("SUPERMERCADO")));
    }

    // ---- locator -------------------------------------------------------------------

    // "Imprimir Vistorias": the sheets, then the question; Yes marks every
    // listed establishment (wherever the current row is), and the list is
    // read again either way.
    void printsInspectionSheets_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void printsInspectionSheets()
    {
        QFETCH(bool, answer);
        ScriptedMessages msgs;
        PdfFolder pdf;
        shell->setCaminhoRelatorio(pastaRelatorios());
        TfrmLocalizaEmpresa w;
        w.show();
        get<QCheckBox>(&w, QStringLiteral("ckNaoImpresso"))->click();
        get<QCheckBox>(&w, QStringLiteral("ckEmAtividade"))->click();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QCOMPARE(sorted(codigos(w.zqContribuinte)), lista({3, 8, 11, 16}));
        w.zqContribuinte.moveTo(2);
        msgs.answer(answer);
        get<QPushButton>(&w, QStringLiteral("btnImprimirVistorias"))->click();
        QCOMPARE(msgs.texts(), QStringList {QStringLiteral("Deseja marcar como impressas?")});
        QCOMPARE(pdf.files(), QStringList {QStringLiteral("inspecaoVarias.pdf")});
        QCOMPARE(count(QStringLiteral("cliente"), QStringLiteral("impresso = 'S'")), answer ? 11 : 7);
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("impresso"),
                        QStringLiteral("CLIENTE_CODIGO = 3")),
                 answer ? QStringLiteral("S") : QString());
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("impresso"),
                        QStringLiteral("CLIENTE_CODIGO = 9")),
                 QString());
        QCOMPARE(sorted(codigos(w.zqContribuinte)), answer ? QStringList() : lista({3, 8, 11, 16}));
        if (!answer)
            return;
        const QString text = pdf.text();
        QVERIFY2(text.contains(QStringLiteral("PADARIA PAO DOURADO LTDA")), qPrintable(text.left(300)));
    }

    // A report that cannot run is reported and nothing is asked or marked.
    void missingReportFileStopsThePrint()
    {
        ScriptedMessages msgs;
        PdfFolder pdf;
        shell->setCaminhoRelatorio(QDir::tempPath() + QStringLiteral("/sem relatorios/"));
        TfrmLocalizaEmpresa w;
        w.show();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        get<QPushButton>(&w, QStringLiteral("btnImprimirVistorias"))->click();
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Error).size(), 1);
        QVERIFY(msgs.last().contains(QStringLiteral("sem relatorios")));
        QVERIFY(msgs.texts(ScriptedMessages::Kind::Question).isEmpty());
        QVERIFY(pdf.files().isEmpty());
        QCOMPARE(count(QStringLiteral("cliente"), QStringLiteral("impresso = 'S'")), 7);
    }

    // "Buscar": never an establishment with a letter or certificate (1 and 2).
    void locatorFilters_data()
    {
        QTest::addColumn<bool>("emAtividade");
        QTest::addColumn<QString>("mes");
        QTest::addColumn<QString>("bairro");
        QTest::addColumn<QString>("siapi");
        QTest::addColumn<QString>("cidade");
        QTest::addColumn<bool>("naoImpresso");
        QTest::addColumn<bool>("comSiapi");
        QTest::addColumn<bool>("semSiapi");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("none") << false << ""
                              << ""
                              << ""
                              << "" << false << false << false << faixa(3, 16);
        QTest::newRow("em atividade") << true << ""
                                      << ""
                                      << ""
                                      << "" << false << false << false << lista({3, 8, 10, 11, 12, 16});
        QTest::newRow("month") << false << "7"
                               << ""
                               << ""
                               << "" << false << false << false << lista({4, 12, 13});
        QTest::newRow("bairro") << false << ""
                                << "CENTRO"
                                << ""
                                << "" << false << false << false << lista({8, 16});
        QTest::newRow("siapi") << false << ""
                               << ""
                               << "2019"
                               << "" << false << false << false << lista({7, 10, 12, 13, 14});
        QTest::newRow("cidade") << false << ""
                                << ""
                                << ""
                                << "TREMONTE" << false << false << false
                                << lista({3, 5, 6, 7, 8, 10, 12, 13, 15, 16});
        QTest::newRow("nao impresso") << false << ""
                                      << ""
                                      << ""
                                      << "" << true << false << false << lista({3, 5, 6, 8, 9, 11, 13, 16});
        QTest::newRow("com siapi") << false << ""
                                   << ""
                                   << ""
                                   << "" << false << true << false << lista({4, 7, 8, 10, 12, 13, 14, 15});
        QTest::newRow("sem siapi") << false << ""
                                   << ""
                                   << ""
                                   << "" << false << false << true << lista({3, 5, 6, 9, 11, 16});
        QTest::newRow("together") << true << ""
                                  << ""
                                  << ""
                                  << "" << true << false << true << lista({3, 11, 16});
        QTest::newRow("cidade bairro com siapi") << false << ""
                                                 << "SETOR AEROPORTO"
                                                 << ""
                                                 << "TREMONTE" << false << true << false << lista({12, 13});
    }
    void locatorFilters()
    {
        QFETCH(bool, emAtividade);
        QFETCH(QString, mes);
        QFETCH(QString, bairro);
        QFETCH(QString, siapi);
        QFETCH(QString, cidade);
        QFETCH(bool, naoImpresso);
        QFETCH(bool, comSiapi);
        QFETCH(bool, semSiapi);
        QFETCH(QStringList, rows);
        TfrmLocalizaEmpresa w;
        w.show();
        QCOMPARE(get<QLineEdit>(&w, QStringLiteral("edtQuantidade"))->text(), QString());
        if (emAtividade)
            get<QCheckBox>(&w, QStringLiteral("ckEmAtividade"))->click();
        if (!mes.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckDefMes"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbMes")), mes);
        }
        if (!bairro.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckBairro"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbBairro")), bairro);
        }
        type(get<QLineEdit>(&w, QStringLiteral("edtSiapi")), siapi);
        if (!cidade.isEmpty()) {
            get<QCheckBox>(&w, QStringLiteral("ckMunicipio"))->click();
            escolher(get<QComboBox>(&w, QStringLiteral("cbMunicipio")), cidade);
        }
        if (naoImpresso)
            get<QCheckBox>(&w, QStringLiteral("ckNaoImpresso"))->click();
        if (comSiapi)
            get<QCheckBox>(&w, QStringLiteral("ckComSiapi"))->click();
        if (semSiapi)
            get<QCheckBox>(&w, QStringLiteral("ckSemSiapi"))->click();
        get<QPushButton>(&w, QStringLiteral("btnBuscar"))->click();
        QCOMPARE(sorted(codigos(w.zqContribuinte)), rows);
        QCOMPARE(w.total(), QString::number(rows.size()));
    }

    // Most criteria search at once; the quantity limits the list in its order.
    void locatorSearchesAtOnce()
    {
        TfrmLocalizaEmpresa w;
        w.show();
        get<QCheckBox>(&w, QStringLiteral("ckNaoImpresso"))->click();
        QCOMPARE(w.zqContribuinte.recordCount(), 8);
        type(get<QLineEdit>(&w, QStringLiteral("edtQuantidade")), QStringLiteral("3"));
        QCOMPARE(codigos(w.zqContribuinte), lista({11, 8, 16}));
        get<QCheckBox>(&w, QStringLiteral("ckEmAtividade"))->click(); // waits for "Buscar"
        QCOMPARE(w.zqContribuinte.recordCount(), 3);
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbEndereco"))->text(), QStringLiteral("R 10, 5"));
        QTest::keyClick(get<QLineEdit>(&w, QStringLiteral("edtSiapi")), Qt::Key_Down);
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbEndereco"))->text(),
                 QStringLiteral("AVENIDA CENTRAL, 510, CENTRO"));
        QCOMPARE(get<QLabel>(&w, QStringLiteral("lbFone"))->text(), QStringLiteral("(99) 3210-8800"));
    }

    // Typing searches at every keystroke, an empty box included, and finds
    // establishments that "Buscar" leaves out.
    void locatorTyping()
    {
        TfrmLocalizaEmpresa w;
        w.show();
        auto *busca = get<QLineEdit>(&w, QStringLiteral("edtBusca"));
        type(busca, QStringLiteral("b"));
        QCOMPARE(sorted(codigos(w.zqContribuinte)), lista({1, 2, 6, 10, 11, 12, 13}));
        type(busca, QStringLiteral("oa c"));
        QCOMPARE(codigos(w.zqContribuinte), lista({1}));
        clearBox(busca);
        QCOMPARE(w.zqContribuinte.recordCount(), 16);
    }

    // Without a caller a double click opens the establishment (by its
    // CNPJ/CPF), as "Alterar Situacaio" does; with one it returns the row.
    void locatorDoubleClick()
    {
        ScriptedMessages msgs;
        {
            QWidget opener;
            TfrmLocalizaEmpresa w(&opener);
            w.resize(1000, 600);
            w.show();
            type(get<QLineEdit>(&w, QStringLiteral("edtBusca")), QStringLiteral("EXATO"));
            QCOMPARE(w.zqContribuinte.recordCount(), 2);
            QString aberto;
            onModal([&](QWidget *m) {
                auto *cad = qobject_cast<TfrmCadEmpresa *>(m);
                QVERIFY(cad);
                aberto = cad->zqContribuinte.text(QStringLiteral("CLIENTE_CNPJ_CPF"));
                get<QPushButton>(cad, QStringLiteral("btnCancelar"))->click();
            });
            doubleClickRow(get<QTableView>(&w, QStringLiteral("grdContribuinte")), 1);
            QCOMPARE(aberto, QStringLiteral("88999000000198"));
            QVERIFY(w.isVisible());
        }
        {
            QWidget opener;
            QString cnpj = QStringLiteral("ANTES");
            WriteBack::add(&opener, Lookup::Empresa, CallerTag::kCartaAnuencia,
                           [&](const Escolha &e) { cnpj = e.texto; });
            TfrmLocalizaEmpresa w(&opener);
            w.setTag(CallerTag::kCartaAnuencia);
            w.resize(1000, 600);
            w.show();
            type(get<QLineEdit>(&w, QStringLiteral("edtBusca")), QStringLiteral("MERCEARIA"));
            doubleClickRow(get<QTableView>(&w, QStringLiteral("grdContribuinte")), 0);
            QVERIFY(!w.isVisible());
            QCOMPARE(cnpj, QStringLiteral("10111213000144"));
        }
        QVERIFY(msgs.texts().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstPesqEmpresa test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_pesqempresa.moc"
