#include "estfixture.h"

#include "app/shell/shell.h"
#include "common/clock.h"
#include "establishments/unitCadEmpresa.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"
#include "ui/textboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>
#include <QTableView>

using namespace Est;

namespace {

const QDate kHoje(2024, 5, 17);

void escolher(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    Q_EMIT combo->activated(i);
}

void sair(QWidget *box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

} // namespace

class TstCadEmpresa : public QObject
{
    Q_OBJECT

    BasicShell *shell = nullptr;
    FixedClock clock {QDateTime(kHoje, QTime(10, 0))};
    TfrmCadEmpresa *w = nullptr;

    template<typename T> T *c(const char *name) { return get<T>(w, QString::fromLatin1(name)); }
    QLineEdit *box(const char *name) { return c<QLineEdit>(name); }
    void click(const char *name) { c<QPushButton>(name)->click(); }

    // A new establishment with every required field filled, as typed.
    void preencher(const QString &tipo, const QString &cnpj)
    {
        type(box("edtCpfCnpj"), cnpj);
        type(box("edtRazaoSocial"), QStringLiteral("NOVA LOJA LTDA"));
        escolher(c<QComboBox>("cbSituacao"), QStringLiteral("EM ATIVIDADE"));
        escolher(c<QComboBox>("cbTipoEmpresa"), tipo);
        type(box("edtTelefone"), QStringLiteral("(99) 3210-0000"));
        type(box("edtCep"), QStringLiteral("99990100"));
        w->zqAtividade.setSql(QStringLiteral("select * from atividade where ATIVID_CODIGO = 2"));
        w->zqAtividade.open();
        w->zqBairro.setSql(QStringLiteral("select * from bairros where BAI_NU_SEQUENCIAL = 3"));
        w->zqBairro.open();
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_cadempresa"));
        TestDb::exec(QStringLiteral("create table cliente_demo as select * from cliente"));
        Clock::install(&clock);
    }
    void cleanupTestCase() { Clock::install(nullptr); }

    // Every test starts from the demonstration establishments.
    void init()
    {
        TestDb::exec(QStringLiteral("delete from cliente"));
        TestDb::exec(QStringLiteral("insert into cliente select * from cliente_demo"));
        shell = new BasicShell;
        w = new TfrmCadEmpresa;
    }

    void cleanup()
    {
        if (w->zqContribuinte.isEditing())
            w->zqContribuinte.cancel();
        delete w;
        delete shell;
    }

    // "CONFIRMAR" checks in its order; each refusal names its field and
    // leaves the row in edit mode. The digit counts come only after the
    // question, when the neighbourhood and activity are already copied.
    void confirmChecks_data()
    {
        QTest::addColumn<QString>("breaks");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("cnpj");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("focus");
        const QString pj = QStringLiteral("2 - PESSOA JURIDICA - CNPJ");
        const QString pf = QStringLiteral("1 - PESSOA FISICA - CPF");
        const QString cnpj = QStringLiteral("12312312000199");
        const QString cpf = QStringLiteral("12312312399");
        const QString q = QStringLiteral("Deseja alterar a Situacao?");
        QTest::newRow("atividade") << "atividade" << pj << cnpj << true << QStringList {"Defina a Atividade"}
                                   << "edtAtividade";
        QTest::newRow("situacao") << "situacao" << pj << cnpj << true
                                  << QStringList {"Defina a situacao da empresa"} << "cbSituacao";
        QTest::newRow("tipo") << "tipo" << pj << cnpj << true << QStringList {"Defina o tipo da empresa"}
                              << "cbTipoEmpresa";
        QTest::newRow("telefone") << "telefone" << pj << cnpj << true
                                  << QStringList {"Defina o telefone de contato"} << "edtTelefone";
        QTest::newRow("cep 7") << "cep7" << pj << cnpj << true << QStringList {"Verifique o CEP"} << "edtCep";
        QTest::newRow("cep 9") << "cep9" << pj << cnpj << true << QStringList {"Verifique o CEP"} << "edtCep";
        QTest::newRow("answered no") << "" << pj << cnpj << false << QStringList {q} << "";
        QTest::newRow("cnpj with 11 digits")
            << "" << pj << cpf << true << QStringList {q, "Verifique a quantidade de digitos do CNPJ"}
            << "edtCpfCnpj";
        QTest::newRow("cpf with 14 digits")
            << "" << pf << cnpj << true << QStringList {q, "Verifique a quantidade de digitos do CPF"}
            << "edtCpfCnpj";
    }
    void confirmChecks()
    {
        QFETCH(QString, breaks);
        QFETCH(QString, tipo);
        QFETCH(QString, cnpj);
        QFETCH(bool, answer);
        QFETCH(QStringList, texts);
        QFETCH(QString, focus);
        w->novo();
        w->show();
        preencher(tipo, cnpj);
        if (breaks == QLatin1String("atividade"))
            w->zqAtividade.close();
        if (breaks == QLatin1String("situacao"))
            w->zqContribuinte.setValue(QStringLiteral("situacao"), QVariant());
        if (breaks == QLatin1String("tipo"))
            w->zqContribuinte.setValue(QStringLiteral("tipoEmpresa"), QVariant());
        if (breaks == QLatin1String("telefone"))
            clearBox(box("edtTelefone"));
        if (breaks.startsWith(QLatin1String("cep"))) {
            clearBox(box("edtCep"));
            type(box("edtCep"),
                 breaks == QLatin1String("cep7") ? QStringLiteral("9999010") : QStringLiteral("999901000"));
        }
        const int antes = count(QStringLiteral("cliente"));
        ScriptedMessages msgs;
        msgs.answer(answer);
        click("btnConfirmar");
        QCOMPARE(msgs.texts(), texts);
        QCOMPARE(count(QStringLiteral("cliente")), antes);
        QVERIFY(w->isVisible());
        QCOMPARE(w->zqContribuinte.state(), Query::State::Insert);
        if (!focus.isEmpty())
            QCOMPARE(w->focusWidget()->objectName(), focus);
        const bool perguntou = msgs.texts(ScriptedMessages::Kind::Question).size() == 1;
        QCOMPARE(msgs.pendingAnswers(), perguntou ? 0 : 1);
        // Numbers go into the row only once the question was answered Yes.
        const bool copiados = perguntou && answer;
        QCOMPARE(w->zqContribuinte.text(QStringLiteral("BAI_NU_SEQUENCIAL")),
                 copiados ? QStringLiteral("3") : QString());
        QCOMPARE(w->zqContribuinte.text(QStringLiteral("ATIVID_CODIGO")),
                 copiados ? QStringLiteral("2") : QString());
    }

    // The whole road of a new establishment, through the window's own
    // controls and lookups.
    void registersANewEstablishment()
    {
        ScriptedMessages msgs;
        w->novo();
        w->show();
        QCOMPARE(w->windowTitle(), QStringLiteral("Cadastro de Contribuinte"));
        QCOMPARE(w->zqContribuinte.state(), Query::State::Insert);
        QCOMPARE(c<DateBox>("edtDataCadastro")->date(), kHoje);
        QCOMPARE(c<QComboBox>("cbMunicipio")->count(), 3);

        type(box("edtCpfCnpj"), QStringLiteral("12.345-678/0001x95")); // only digits get in
        QCOMPARE(box("edtCpfCnpj")->text(), QStringLiteral("12345678000195"));
        type(box("edtRazaoSocial"), QStringLiteral("Ferragens S.A. - Filial $2/3, Centro*"));
        sair(box("edtRazaoSocial"));
        QCOMPARE(box("edtRazaoSocial")->text(), QStringLiteral("FERRAGENS SA  FILIAL 23 CENTRO"));
        type(box("edtFantasia"), QStringLiteral("Ferragens.com"));
        escolher(c<QComboBox>("cbSituacao"), QStringLiteral("MEI"));
        escolher(c<QComboBox>("cbTipoEmpresa"), QStringLiteral("2 - PESSOA JURIDICA - CNPJ"));
        escolher(c<QComboBox>("cbMunicipio"), QStringLiteral("TREMONTE"));
        type(box("edtNumero"), QStringLiteral("12a"));
        type(box("edtCep"), QStringLiteral("99990-300"));
        type(box("edtTelefone"), QStringLiteral("(99) 3210-7777"));
        type(box("edtEmail"), QStringLiteral("vendas@ferragens.com"));
        c<QCheckBox>("ckIsenta")->click();

        onModal([](QWidget *d) {
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), QStringLiteral("acacias"));
            QTest::keyClick(get<QLineEdit>(d, QStringLiteral("edtBusca")), Qt::Key_Return);
        });
        QTest::keyClick(box("edtBairro"), Qt::Key_J);
        onModal([](QWidget *d) {
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), QStringLiteral("rua dos girassois"));
            get<QPushButton>(d, QStringLiteral("btnIncluir"))->click();
        });
        QTest::keyClick(box("edtRua"), Qt::Key_R);
        onModal([](QWidget *d) {
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), QStringLiteral("farm"));
            clickRow(get<QTableView>(d, QStringLiteral("grdLista")), 0);
        });
        QTest::keyClick(box("edtAtividade"), Qt::Key_F);
        QCOMPARE(box("edtBairro")->text(), QStringLiteral("JARDIM DAS ACACIAS"));
        QCOMPARE(box("edtRua")->text(), QStringLiteral("RUA DOS GIRASSOIS"));
        QCOMPARE(box("edtAtividade")->text(), QStringLiteral("FARMACIA E DROGARIA"));

        msgs.answerYes();
        click("btnConfirmar");
        QCOMPARE(msgs.texts(), QStringList {QStringLiteral("Deseja alterar a Situacao?")});
        QCOMPARE(msgs.entries().first().caption, QStringLiteral("Atenção!"));
        QVERIFY(!w->isVisible());
        const QString novo = QStringLiteral("CLIENTE_CNPJ_CPF = '12345678000195'");
        auto col
            = [&](const char *name) { return stored(QStringLiteral("cliente"), QLatin1String(name), novo); };
        QCOMPARE(col("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("FERRAGENS SA  FILIAL 23 CENTRO"));
        QCOMPARE(col("CLIENTE_FANTASIA"), QStringLiteral("FERRAGENSCOM"));
        QCOMPARE(col("BAI_NU_SEQUENCIAL"), QStringLiteral("3"));
        QCOMPARE(col("ATIVID_CODIGO"), QStringLiteral("8"));
        QCOMPARE(col("CLIENTE_RUA"), QStringLiteral("RUA DOS GIRASSOIS"));
        QCOMPARE(col("CLIENTE_CEP"), QStringLiteral("99990300"));
        QCOMPARE(col("LOC_NU_SEQUENCIAL"), QStringLiteral("1"));
        QCOMPARE(col("CLIENTE_NUMERO_END"), QStringLiteral("12A"));
        QCOMPARE(col("CLIENTE_MAIL"), QStringLiteral("VENDAS@FERRAGENS.COM"));
        QCOMPARE(col("isento"), QStringLiteral("S"));
        QCOMPARE(col("situacao"), QStringLiteral("MEI"));
        QCOMPARE(col("CLIENTE_DATA_CADASTRO"), QStringLiteral("17/05/2024"));
        QCOMPARE(stored(QStringLiteral("cliente_view"), QStringLiteral("bairro"), novo),
                 QStringLiteral("JARDIM DAS ACACIAS"));
    }

    // Opened on a row by number or by CNPJ: its activity and neighbourhood
    // are loaded; a row without a neighbourhood keeps the one the opener
    // chose by name; an unknown number shows none and is kept on saving.
    void editingAnExistingRow_data()
    {
        QTest::addColumn<bool>("porCnpj");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("bairroDoChamador");
        QTest::addColumn<QString>("bairro");
        QTest::addColumn<QString>("atividade");
        QTest::addColumn<QString>("numeroGravado");
        QTest::newRow("by number") << false << "2"
                                   << "CENTRO"
                                   << "JARDIM DAS ACACIAS"
                                   << "RESTAURANTES E SIMILARES"
                                   << "3";
        QTest::newRow("by cnpj") << true << "33444555000181"
                                 << ""
                                 << "SETOR INDUSTRIAL"
                                 << "REVENDA DE GAS LIQUEFEITO DE PETROLEO (GLP)"
                                 << "5";
        QTest::newRow("no neighbourhood") << false << "11"
                                          << "CENTRO"
                                          << "CENTRO"
                                          << ""
                                          << "1";
        QTest::newRow("unknown neighbourhood") << false << "10"
                                               << "CENTRO"
                                               << ""
                                               << "ESCRITORIOS ADMINISTRATIVOS"
                                               << "99";
    }
    void editingAnExistingRow()
    {
        QFETCH(bool, porCnpj);
        QFETCH(QString, chave);
        QFETCH(QString, bairroDoChamador);
        QFETCH(QString, bairro);
        QFETCH(QString, atividade);
        QFETCH(QString, numeroGravado);
        ScriptedMessages msgs;
        if (porCnpj)
            w->editarPorCnpj(chave, bairroDoChamador);
        else
            w->editarPorCodigo(chave.toInt(), bairroDoChamador);
        w->show();
        QCOMPARE(w->zqContribuinte.state(), Query::State::Edit);
        QCOMPARE(box("edtBairro")->text(), bairro);
        QCOMPARE(box("edtAtividade")->text(), atividade);
        QVERIFY(!c<QComboBox>("cbMunicipio")->currentText().isEmpty() || chave == QLatin1String("11"));
        if (atividade.isEmpty())
            return;
        const QString codigo = w->zqContribuinte.text(QStringLiteral("CLIENTE_CODIGO"));
        clearBox(box("edtTelefone"));
        type(box("edtTelefone"), QStringLiteral("(99) 0000-1111"));
        msgs.answerYes();
        click("btnConfirmar");
        QVERIFY2(!w->isVisible(), qPrintable(msgs.texts().join('|')));
        const QString where = QStringLiteral("CLIENTE_CODIGO = ") + codigo;
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("CLIENTE_TEL_CONTATO"), where),
                 QStringLiteral("(99) 0000-1111"));
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("BAI_NU_SEQUENCIAL"), where),
                 numeroGravado);
    }

    void cepWarningOnLeaving_data()
    {
        QTest::addColumn<QString>("cep");
        QTest::addColumn<bool>("avisa");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("7") << "1234567" << true;
        QTest::newRow("8") << "12345678" << false;
        QTest::newRow("9") << "123456789" << true;
    }
    void cepWarningOnLeaving()
    {
        QFETCH(QString, cep);
        QFETCH(bool, avisa);
        ScriptedMessages msgs;
        w->novo();
        w->show();
        type(box("edtCep"), cep);
        sair(box("edtCep"));
        if (avisa) {
            QCOMPARE(msgs.entries().size(), 1);
            QCOMPARE(msgs.entries().first().kind, ScriptedMessages::Kind::Warning);
            QCOMPARE(msgs.entries().first().caption, QStringLiteral("Erro - Aviso do Sistema"));
            QCOMPARE(msgs.last(), QStringLiteral("CEP nulo ou inválido."));
        } else {
            QVERIFY(msgs.texts().isEmpty());
        }
        // The window losing the focus is not leaving the box.
        msgs.clear();
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box("edtCep"), &away);
        QVERIFY(msgs.texts().isEmpty());
    }

    // Removal asks first and is refused while the establishment has services.
    void remove_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("removed");
        const QString q = QStringLiteral("Deseja mesmo remover este cadastro?");
        QTest::newRow("with services")
            << 1 << true
            << QStringList {q, "Este cadastro nao pode ser removido pois existe serviços relacionados a ele."}
            << false;
        QTest::newRow("answered no") << 16 << false << QStringList {q} << false;
        QTest::newRow("no services") << 16 << true << QStringList {q} << true;
    }
    void remove()
    {
        QFETCH(int, codigo);
        QFETCH(bool, answer);
        QFETCH(QStringList, texts);
        QFETCH(bool, removed);
        ScriptedMessages msgs;
        msgs.answer(answer);
        w->editarPorCodigo(codigo, QString());
        w->show();
        click("btnRemover");
        QCOMPARE(msgs.texts(), texts);
        const QString where = QStringLiteral("CLIENTE_CODIGO = %1").arg(codigo);
        QCOMPARE(count(QStringLiteral("cliente"), where), removed ? 0 : 1);
        QCOMPARE(w->isVisible(), !removed);
    }

    // A row never saved has nothing to remove: no question.
    void removeUnsavedRow()
    {
        ScriptedMessages msgs;
        w->novo();
        w->show();
        click("btnRemover");
        QVERIFY(msgs.texts().isEmpty());
        QVERIFY(w->isVisible());
    }

    // "Novo Cadastro" saves the row being edited as it is (no checks) when
    // the operator changed it, drops it otherwise, and starts a new row
    // without neighbourhood or activity.
    void newRecordSavesOnlyChangedRows()
    {
        ScriptedMessages msgs;
        const int antes = count(QStringLiteral("cliente"));
        w->editarPorCodigo(16, QString());
        w->show();
        clearBox(box("edtCep"));
        type(box("edtCep"), QStringLiteral("123")); // refused by CONFIRMAR, saved here
        click("btnNovoCadastro");
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("CLIENTE_CEP"),
                        QStringLiteral("CLIENTE_CODIGO = 16")),
                 QStringLiteral("123"));
        QCOMPARE(w->zqContribuinte.state(), Query::State::Insert);
        QVERIFY(box("edtBairro")->text().isEmpty());
        QVERIFY(box("edtAtividade")->text().isEmpty());
        QCOMPARE(c<DateBox>("edtDataCadastro")->date(), kHoje);

        // An untouched new row is dropped, a typed one saved.
        click("btnNovoCadastro");
        QCOMPARE(count(QStringLiteral("cliente")), antes);
        type(box("edtRazaoSocial"), QStringLiteral("RASCUNHO"));
        click("btnNovoCadastro");
        QCOMPARE(count(QStringLiteral("cliente")), antes + 1);
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("CLIENTE_DATA_CADASTRO"),
                        QStringLiteral("CLIENTE_RAZAO_SOCIAL = 'RASCUNHO'")),
                 QStringLiteral("17/05/2024"));
        QVERIFY(msgs.texts().isEmpty());
    }

    void closeGuardAndCancel()
    {
        ScriptedMessages msgs;
        w->editarPorCodigo(2, QString());
        w->show();
        type(box("edtFantasia"), QStringLiteral(" ALTERADO"));
        w->close();
        QVERIFY(w->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QCOMPARE(
            msgs.texts(),
            QStringList(
                2, QStringLiteral("Há um cadastro em aberto. É necessário CONFIRMAR ou CANCELAR o mesmo?")));
        QCOMPARE(c<QPushButton>("btnCancelar")->text(), QStringLiteral("Cencelar"));
        click("btnCancelar");
        QVERIFY(!w->isVisible());
        QCOMPARE(stored(QStringLiteral("cliente"), QStringLiteral("CLIENTE_FANTASIA"),
                        QStringLiteral("CLIENTE_CODIGO = 2")),
                 QStringLiteral("SABOR DO CERRADO"));
    }

    // Prefilled from the city hall's list: a new row with its names and number.
    void newFromCityHallList()
    {
        w->novoDaPrefeitura(QStringLiteral("BAZAR TRES IRMAOS"), QStringLiteral("55444333000122"),
                            QStringLiteral("BAZAR"));
        w->show();
        QCOMPARE(w->zqContribuinte.state(), Query::State::Insert);
        QCOMPARE(box("edtRazaoSocial")->text(), QStringLiteral("BAZAR TRES IRMAOS"));
        QCOMPARE(box("edtCpfCnpj")->text(), QStringLiteral("55444333000122"));
        QCOMPARE(box("edtFantasia")->text(), QStringLiteral("BAZAR"));
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstCadEmpresa test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cadempresa.moc"
