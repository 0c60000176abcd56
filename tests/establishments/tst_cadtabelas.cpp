#include "estfixture.h"

#include "app/shell/shell.h"
#include "establishments/unitCadAtividade.h"
#include "establishments/unitCadBairro.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>

using namespace Est;

namespace {

// The two registers side by side: which window, its table and name column.
struct Registro
{
    QString tabela;
    QString campo;
    QString chave;
};

const Registro kBairros {QStringLiteral("bairros"), QStringLiteral("BAI_NO"),
                         QStringLiteral("BAI_NU_SEQUENCIAL")};
const Registro kAtividades {QStringLiteral("atividade"), QStringLiteral("ATIVID_DESCRICAO"),
                            QStringLiteral("ATIVID_CODIGO")};

CadastroSimples *criar(const QString &kind)
{
    if (kind == QLatin1String("bairro"))
        return new TfrmCadBairro;
    return new TfrmCadAtividade;
}

const Registro &registro(const QString &kind)
{
    return kind == QLatin1String("bairro") ? kBairros : kAtividades;
}

QString where(const Registro &r, const QString &nome)
{
    return QStringLiteral("%1 = '%2'").arg(r.campo, nome);
}

} // namespace

class TstCadTabelas : public QObject
{
    Q_OBJECT

    BasicShell *shell = nullptr;
    CadastroSimples *w = nullptr;

    void abrir(const QString &kind)
    {
        w = criar(kind);
        w->show();
    }
    QPushButton *botao(const char *name) { return get<QPushButton>(w, QString::fromLatin1(name)); }
    QLineEdit *nome() { return get<QLineEdit>(w, QStringLiteral("edtNome")); }

    void kinds()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("bairros") << QStringLiteral("bairro");
        QTest::newRow("atividades") << QStringLiteral("atividade");
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_cadtabelas"));
        for (const char *t : {"bairros", "atividade"})
            TestDb::exec(QStringLiteral("create table %1_demo as select * from %1").arg(QLatin1String(t)));
    }

    // Every test starts from the demonstration rows.
    void init()
    {
        for (const char *t : {"bairros", "atividade"}) {
            TestDb::exec(QStringLiteral("delete from %1").arg(QLatin1String(t)));
            TestDb::exec(QStringLiteral("insert into %1 select * from %1_demo").arg(QLatin1String(t)));
        }
        shell = new BasicShell;
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
        delete shell;
    }

    void listsEveryRowByName_data() { kinds(); }
    void listsEveryRowByName()
    {
        QFETCH(QString, kind);
        abrir(kind);
        const Registro &r = registro(kind);
        QCOMPARE(w->zqLista.recordCount(), count(r.tabela));
        const QStringList nomes = column(w->zqLista, r.campo);
        QStringList ordenados = nomes;
        ordenados.sort();
        QCOMPARE(nomes, ordenados);
        auto *grid = get<QTableView>(w, QStringLiteral("grdLista"));
        QCOMPARE(grid->model()->columnCount(), 1);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nome"));
        // Browse mode: only "&Novo" leads to typing.
        QVERIFY(botao("btnNovo")->isEnabled());
        QVERIFY(!botao("btnSalvar")->isEnabled());
        QVERIFY(!get<QGroupBox>(w, QStringLiteral("gbDados"))->isEnabled());
        QCOMPARE(nome()->text(), nomes.first());
    }

    // A new name is saved and closes the window; a name already there is
    // refused and the typed row stays for correction or "&Cancelar".
    void newRowsAndTheDuplicateRule_data() { kinds(); }
    void newRowsAndTheDuplicateRule()
    {
        QFETCH(QString, kind);
        ScriptedMessages msgs;
        const Registro &r = registro(kind);
        const QString existente = kind == QLatin1String("bairro") ? QStringLiteral("VILA NOVA")
                                                                  : QStringLiteral("OFICINA MECANICA");
        const int antes = count(r.tabela);
        abrir(kind);

        botao("btnNovo")->click();
        QVERIFY(botao("btnSalvar")->isEnabled());
        QVERIFY(!botao("btnNovo")->isEnabled());
        type(nome(), existente.toLower()); // typed in lower case, shown in upper case
        QCOMPARE(nome()->text(), existente);
        botao("btnSalvar")->click();
        QCOMPARE(msgs.texts(), QStringList {QStringLiteral("Já esta cadastrada!")});
        QCOMPARE(w->zqLista.state(), Query::State::Insert);
        QVERIFY(w->isVisible());
        QCOMPARE(count(r.tabela), antes);

        // The window cannot be closed while the row is being typed.
        w->close();
        QVERIFY(w->isVisible());
        QCOMPARE(msgs.last(),
                 QStringLiteral("Há um cadastro em aberto. É necessário Savar ou Cancelar a mesmo?"));
        botao("btnCancelar")->click();
        QCOMPARE(w->zqLista.state(), Query::State::Browse);

        botao("btnNovo")->click();
        type(nome(), QStringLiteral("RESIDENCIAL DAS PALMEIRAS"));
        botao("btnSalvar")->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(count(r.tabela), antes + 1);
        QCOMPARE(count(r.tabela, where(r, QStringLiteral("RESIDENCIAL DAS PALMEIRAS"))), 1);
        QCOMPARE(msgs.texts().size(), 2);
    }

    // What counts as nothing to save: a neighbourhood needs its name, an
    // activity its description or its risk.
    void nothingTyped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("risco");
        QTest::addColumn<bool>("salva");
        QTest::newRow("bairro sem nome") << "bairro"
                                         << ""
                                         << "" << false;
        QTest::newRow("atividade vazia") << "atividade"
                                         << ""
                                         << "" << false;
        QTest::newRow("atividade so com risco") << "atividade"
                                                << ""
                                                << "3" << true;
        QTest::newRow("atividade so com descricao") << "atividade"
                                                    << "CAMPING"
                                                    << "" << true;
    }
    void nothingTyped()
    {
        QFETCH(QString, kind);
        QFETCH(QString, descricao);
        QFETCH(QString, risco);
        QFETCH(bool, salva);
        ScriptedMessages msgs;
        const Registro &r = registro(kind);
        const int antes = count(r.tabela);
        abrir(kind);
        botao("btnNovo")->click();
        type(nome(), descricao);
        if (!risco.isEmpty())
            type(get<QComboBox>(w, QStringLiteral("cbRisco"))->lineEdit(), risco);
        botao("btnSalvar")->click();
        QCOMPARE(count(r.tabela), antes + (salva ? 1 : 0));
        QCOMPARE(msgs.texts(), salva ? QStringList() : QStringList {QStringLiteral("Digite os Dados!")});
        QCOMPARE(w->isVisible(), !salva);
        if (!salva)
            QCOMPARE(w->zqLista.state(), Query::State::Insert);
        if (salva && !risco.isEmpty())
            QCOMPARE(
                stored(r.tabela, QStringLiteral("RISCO_CODIGO"), QStringLiteral("ATIVID_DESCRICAO is null")),
                risco);
    }

    // Edits are not checked for duplicates, and saving keeps the window open.
    void editTakesAnotherRowsName_data() { kinds(); }
    void editTakesAnotherRowsName()
    {
        QFETCH(QString, kind);
        ScriptedMessages msgs;
        const Registro &r = registro(kind);
        abrir(kind);
        const QString primeiro = nome()->text();
        botao("btnProximo")->click();
        const QString chave = w->zqLista.text(r.chave);
        botao("btnEditar")->click();
        QCOMPARE(w->zqLista.state(), Query::State::Edit);
        // Moving to another row while typing is not offered.
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(!get<QTableView>(w, QStringLiteral("grdLista"))->isEnabled());
        clearBox(nome());
        type(nome(), primeiro);
        botao("btnSalvar")->click();
        QVERIFY(w->isVisible());
        QCOMPARE(w->zqLista.state(), Query::State::Browse);
        QCOMPARE(stored(r.tabela, r.campo, QStringLiteral("%1 = %2").arg(r.chave, chave)), primeiro);
        QCOMPARE(count(r.tabela, where(r, primeiro)), 2);
        QVERIFY(msgs.texts().isEmpty());
        QVERIFY(botao("btnAnterior")->isEnabled());
    }

    void navigation()
    {
        abrir(QStringLiteral("bairro"));
        QCOMPARE(w->zqLista.recNo(), 0);
        botao("btnAnterior")->click();
        QCOMPARE(w->zqLista.recNo(), 0);
        botao("btnProximo")->click();
        botao("btnProximo")->click();
        QCOMPARE(w->zqLista.recNo(), 2);
        QCOMPARE(nome()->text(), column(w->zqLista, QStringLiteral("BAI_NO")).at(2));
        QCOMPARE(get<QTableView>(w, QStringLiteral("grdLista"))->currentIndex().row(), 2);
        botao("btnAnterior")->click();
        QCOMPARE(w->zqLista.recNo(), 1);
    }

    // Removal asks first and does not look at the establishments that use the row.
    void deleteAsksAndKeepsReferences()
    {
        ScriptedMessages msgs;
        abrir(QStringLiteral("bairro"));
        QVERIFY(w->zqLista.locate(QStringLiteral("BAI_NO"), QStringLiteral("CENTRO")));
        msgs.answerNo();
        botao("btnExcluir")->click();
        QCOMPARE(count(QStringLiteral("bairros"), QStringLiteral("BAI_NU_SEQUENCIAL = 1")), 1);
        msgs.answerYes();
        botao("btnExcluir")->click();
        QCOMPARE(msgs.texts(), QStringList(2, QStringLiteral("Deseja mesmo remover este Registro?")));
        QCOMPARE(count(QStringLiteral("bairros"), QStringLiteral("BAI_NU_SEQUENCIAL = 1")), 0);
        QCOMPARE(count(QStringLiteral("cliente"), QStringLiteral("BAI_NU_SEQUENCIAL = '1'")), 3);
    }

    // Prepared by the activity lookup: one activity, already in edit mode;
    // activation keeps that list. Risk typed or chosen, and the mark.
    void activityPreparedForEditing()
    {
        ScriptedMessages msgs;
        auto *atividade = new TfrmCadAtividade;
        w = atividade;
        atividade->editarAtividade(9);
        w->show();
        QCOMPARE(w->zqLista.recordCount(), 1);
        QCOMPARE(w->zqLista.state(), Query::State::Edit);
        QCOMPARE(nome()->text(), QStringLiteral("OFICINA MECANICA"));
        auto *risco = get<QComboBox>(w, QStringLiteral("cbRisco"));
        QCOMPARE(risco->currentText(), QStringLiteral("2"));
        auto *cidade = get<QCheckBox>(w, QStringLiteral("ckCidadeSegura"));
        QVERIFY(!cidade->isChecked()); // null reads as "N"
        cidade->click();
        risco->setCurrentIndex(3);
        Q_EMIT risco->textActivated(QStringLiteral("4"));
        botao("btnSalvar")->click();
        QCOMPARE(stored(QStringLiteral("atividade"), QStringLiteral("cidadeSegura"),
                        QStringLiteral("ATIVID_CODIGO = 9")),
                 QStringLiteral("S"));
        QCOMPARE(stored(QStringLiteral("atividade"), QStringLiteral("RISCO_CODIGO"),
                        QStringLiteral("ATIVID_CODIGO = 9")),
                 QStringLiteral("4"));
        botao("btnEditar")->click();
        clearBox(risco->lineEdit());
        type(risco->lineEdit(), QStringLiteral("7"));
        botao("btnSalvar")->click();
        QCOMPARE(stored(QStringLiteral("atividade"), QStringLiteral("RISCO_CODIGO"),
                        QStringLiteral("ATIVID_CODIGO = 9")),
                 QStringLiteral("7"));
        QVERIFY(msgs.texts().isEmpty());
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstCadTabelas test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cadtabelas.moc"
