#include "estfixture.h"

#include "app/shell/shell.h"
#include "establishments/callertag.h"
#include "establishments/unitCadAtividade.h"
#include "establishments/unitCadBairro.h"
#include "establishments/unitCadEmpresa.h"
#include "establishments/unitLocalizaAtividade.h"
#include "establishments/unitLocalizaBairros.h"
#include "establishments/unitLocalizaEmpresa.h"
#include "establishments/unitLocalizaRua.h"
#include "establishments/unitPesqEmpresa.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableView>

using namespace Est;

namespace {

// Stands for a window that opens the lookups with its own tag, the way the
// service window, the service search and the letter of consent register
// theirs: a neighbourhood list, an activity list, an establishment row being
// edited and a letter row being edited. Each starts with a value of its own
// so that "nothing written" shows.
class Opener : public QWidget
{
public:
    Query bairros, atividades, estabelecimento, carta;

    explicit Opener(const QString &tag)
    {
        bairros.setSql(QStringLiteral("select * from bairros where BAI_NU_SEQUENCIAL = 8"));
        bairros.open();
        atividades.setSql(QStringLiteral("select * from atividade where ATIVID_CODIGO = 9"));
        atividades.open();
        estabelecimento.setSql(QStringLiteral("select * from cliente where CLIENTE_CODIGO = 16"));
        estabelecimento.open();
        estabelecimento.edit();
        carta.setSql(QStringLiteral("select * from certificado_tv where idCertificado = 1"));
        carta.open();
        carta.edit();
        carta.setValue(QStringLiteral("bairro"), QStringLiteral("ANTES"));
        carta.setValue(QStringLiteral("atividade"), QStringLiteral("ANTES"));
        carta.setValue(QStringLiteral("cnpjCpf"), QStringLiteral("ANTES"));

        if (tag == CallerTag::kCartaAnuencia) {
            WriteBack::add(this, Lookup::Bairro, tag,
                           WriteBack::setText(&carta, QStringLiteral("bairro"), true));
            WriteBack::add(this, Lookup::Atividade, tag,
                           WriteBack::setText(&carta, QStringLiteral("atividade")));
            WriteBack::add(this, Lookup::Empresa, tag, WriteBack::setText(&carta, QStringLiteral("cnpjCpf")));
            return;
        }
        WriteBack::add(this, Lookup::Bairro, tag, WriteBack::reloadBairro(&bairros));
        WriteBack::add(this, Lookup::Atividade, tag, WriteBack::reloadAtividade(&atividades));
        if (tag == CallerTag::kEditServ)
            WriteBack::add(this, Lookup::Rua, tag,
                           WriteBack::setText(&estabelecimento, QStringLiteral("CLIENTE_RUA")));
    }

    // What the opener shows for a lookup kind.
    QString mostra(Lookup kind, bool paraCarta) const
    {
        auto valor = [](const Query &q, const QString &f) {
            return q.isNull(f) ? QStringLiteral("<null>") : q.text(f);
        };
        if (paraCarta) {
            switch (kind) {
            case Lookup::Bairro: return valor(carta, QStringLiteral("bairro"));
            case Lookup::Atividade: return valor(carta, QStringLiteral("atividade"));
            case Lookup::Empresa: return valor(carta, QStringLiteral("cnpjCpf"));
            case Lookup::Rua: return valor(estabelecimento, QStringLiteral("CLIENTE_RUA"));
            }
        }
        switch (kind) {
        case Lookup::Bairro: return column(bairros, QStringLiteral("BAI_NO")).join(QLatin1Char('|'));
        case Lookup::Atividade:
            return column(atividades, QStringLiteral("ATIVID_DESCRICAO")).join(QLatin1Char('|'));
        case Lookup::Rua: return valor(estabelecimento, QStringLiteral("CLIENTE_RUA"));
        case Lookup::Empresa: return valor(carta, QStringLiteral("cnpjCpf"));
        }
        return {};
    }
};

QDialog *criar(Lookup kind, QWidget *opener)
{
    switch (kind) {
    case Lookup::Bairro: return new TfrmLocalizaBairro(opener);
    case Lookup::Rua: return new TfrmLocalizaRua(opener);
    case Lookup::Atividade: return new TfrmLocalizaAtividade(opener);
    case Lookup::Empresa: return new TfrmLocalizaEmpresa(opener);
    }
    return nullptr;
}

void setTag(QDialog *d, const QString &tag)
{
    if (auto *l = qobject_cast<LocalizaBase *>(d))
        l->setTag(tag);
    else
        static_cast<TfrmLocalizaEmpresa *>(d)->setTag(tag);
}

Query &lista(QDialog *d)
{
    if (auto *l = qobject_cast<LocalizaBase *>(d))
        return l->zqLista;
    return static_cast<TfrmLocalizaEmpresa *>(d)->zqContribuinte;
}

} // namespace

Q_DECLARE_METATYPE(Lookup)

class TstLocaliza : public QObject
{
    Q_OBJECT

    BasicShell *shell = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_localiza"));
        // A neighbourhood whose name holds another's and sorts before it.
        TestDb::exec(QStringLiteral("insert into bairros (BAI_NU_SEQUENCIAL, LOC_NU_SEQUENCIAL, BAI_NO) "
                                    "values (20, 1, 'BAIRRO VILA NOVA')"));
    }

    void init() { shell = new BasicShell; }
    void cleanup() { delete shell; }

    // Each dialog searches on every change of its box, with its own threshold.
    void searchThresholds_data()
    {
        QTest::addColumn<Lookup>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("field");
        const QString bai = QStringLiteral("BAI_NO");
        const QString rua = QStringLiteral("CLIENTE_RUA");
        const QString ativ = QStringLiteral("ATIVID_DESCRICAO");
        QTest::newRow("bairro one letter")
            << Lookup::Bairro << "n"
            << QStringList {"BAIRRO VILA NOVA", "CENTRO", "SETOR CENTRAL", "SETOR INDUSTRIAL", "VILA NOVA"}
            << bai;
        QTest::newRow("bairro part") << Lookup::Bairro << "aeroporto"
                                     << QStringList {"SETOR AEROPORTO", "ST AEROPORTO"} << bai;
        QTest::newRow("bairro nothing") << Lookup::Bairro << "xyz" << QStringList {} << bai;
        QTest::newRow("rua distinct")
            << Lookup::Rua << "flores" << QStringList {"R DAS FLORES", "RUA DAS FLORES"} << rua;
        QTest::newRow("rua one letter")
            << Lookup::Rua << "0" << QStringList {"R 10", "RODOVIA QZ-040", "RUA 10"} << rua;
        QTest::newRow("atividade two letters") << Lookup::Atividade << "es" << QStringList {} << ativ;
        QTest::newRow("atividade three letters")
            << Lookup::Atividade << "esc"
            << QStringList {"ESCOLA DE ENSINO FUNDAMENTAL", "ESCRITORIOS ADMINISTRATIVOS"} << ativ;
    }
    void searchThresholds()
    {
        QFETCH(Lookup, kind);
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, field);
        QWidget opener;
        std::unique_ptr<QDialog> d(criar(kind, &opener));
        d->show();
        auto *busca = get<QLineEdit>(d.get(), QStringLiteral("edtBusca"));
        QCOMPARE(d->focusWidget(), busca);
        type(busca, typed);
        QCOMPARE(busca->text(), typed.toUpper());
        QCOMPARE(column(lista(d.get()), field), rows);
        QCOMPARE(get<QTableView>(d.get(), QStringLiteral("grdLista"))->model()->rowCount(), rows.size());
        // Emptying the box empties the list.
        clearBox(busca);
        QVERIFY(!lista(d.get()).isActive());
    }

    void activityThirdCharacterStartsTheSearch()
    {
        QWidget opener;
        TfrmLocalizaAtividade d(&opener);
        d.show();
        auto *busca = get<QLineEdit>(&d, QStringLiteral("edtBusca"));
        type(busca, QStringLiteral("RE"));
        QVERIFY(!d.zqLista.isActive());
        type(busca, QStringLiteral("S"));
        QCOMPARE(column(d.zqLista, QStringLiteral("ATIVID_DESCRICAO")),
                 QStringList {"RESTAURANTES E SIMILARES"});
        QCOMPARE(get<QTableView>(&d, QStringLiteral("grdLista"))
                     ->model()
                     ->headerData(2, Qt::Horizontal)
                     .toString(),
                 QStringLiteral("Cidade Segura"));
    }

    // Up and Down move the list wherever the focus is; OK (Enter) returns the
    // row reached even when the search text would put another row first.
    void arrowsThenEnterReturnTheRowReached()
    {
        Opener opener(CallerTag::kPesqServico);
        TfrmLocalizaBairro d(&opener);
        d.setTag(CallerTag::kPesqServico);
        d.show();
        auto *busca = get<QLineEdit>(&d, QStringLiteral("edtBusca"));
        type(busca, QStringLiteral("VILA NOVA"));
        QCOMPARE(column(d.zqLista, QStringLiteral("BAI_NO")),
                 (QStringList {"BAIRRO VILA NOVA", "VILA NOVA"}));
        QTest::keyClick(busca, Qt::Key_Down);
        QCOMPARE(d.zqLista.recNo(), 1);
        QTest::keyClick(get<QPushButton>(&d, QStringLiteral("btnOK")), Qt::Key_Up);
        QCOMPARE(d.zqLista.recNo(), 0);
        QTest::keyClick(busca, Qt::Key_Down);
        QTest::keyClick(busca, Qt::Key_Down); // stays on the last row
        QCOMPARE(d.zqLista.recNo(), 1);
        QCOMPARE(get<QTableView>(&d, QStringLiteral("grdLista"))->currentIndex().row(), 1);
        QTest::keyClick(busca, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(busca->text(), QStringLiteral("VILA NOVA"));
        QCOMPARE(opener.mostra(Lookup::Bairro, false), QStringLiteral("VILA NOVA"));
        QCOMPARE(d.tag(), QString());
    }

    // A click on a neighbourhood leaves only that row and closes the dialog.
    void clickOnNeighbourhood()
    {
        Opener opener(CallerTag::kEditServ);
        TfrmLocalizaBairro d(&opener);
        d.setTag(CallerTag::kEditServ);
        d.resize(600, 400);
        d.show();
        type(get<QLineEdit>(&d, QStringLiteral("edtBusca")), QStringLiteral("SETOR"));
        QCOMPARE(d.zqLista.recordCount(), 3);
        clickRow(get<QTableView>(&d, QStringLiteral("grdLista")), 1);
        QVERIFY(!d.isVisible());
        QCOMPARE(column(d.zqLista, QStringLiteral("BAI_NO")), QStringList {"SETOR CENTRAL"});
        QCOMPARE(opener.mostra(Lookup::Bairro, false), QStringLiteral("SETOR CENTRAL"));
    }

    // Every tag of a window that is not the establishment window or its
    // search, as those windows will register it: choosing writes the row
    // back, closing without a choice writes "no row", and a tag nobody
    // registered writes nothing.
    void tagWriteBack_data()
    {
        QTest::addColumn<QString>("openerTag");
        QTest::addColumn<QString>("dialogTag");
        QTest::addColumn<Lookup>("kind");
        QTest::addColumn<QString>("typed"); // empty: closed without a choice
        QTest::addColumn<QString>("shows");
        const QString serv = CallerTag::kEditServ;
        const QString pesq = CallerTag::kPesqServico;
        const QString carta = CallerTag::kCartaAnuencia;
        QTest::newRow("editServ bairro") << serv << serv << Lookup::Bairro << "CENTRO"
                                         << "CENTRO";
        QTest::newRow("editServ bairro closed") << serv << serv << Lookup::Bairro << ""
                                                << "";
        QTest::newRow("editServ rua") << serv << serv << Lookup::Rua << "BRASIL"
                                      << "AVENIDA BRASIL";
        QTest::newRow("editServ rua closed") << serv << serv << Lookup::Rua << ""
                                             << "";
        QTest::newRow("editServ atividade") << serv << serv << Lookup::Atividade << "FARMACIA"
                                            << "FARMACIA E DROGARIA";
        QTest::newRow("editServ atividade closed") << serv << serv << Lookup::Atividade << ""
                                                   << "";
        QTest::newRow("pesqServico bairro") << pesq << pesq << Lookup::Bairro << "JARDIM"
                                            << "JARDIM DAS ACACIAS";
        QTest::newRow("pesqServico bairro closed") << pesq << pesq << Lookup::Bairro << ""
                                                   << "";
        QTest::newRow("pesqServico atividade") << pesq << pesq << Lookup::Atividade << "POSTO"
                                               << "POSTO DE COMBUSTIVEIS";
        QTest::newRow("pesqServico atividade closed") << pesq << pesq << Lookup::Atividade << ""
                                                      << "";
        QTest::newRow("pesqServico rua: none") << pesq << pesq << Lookup::Rua << "BRASIL"
                                               << "RUA 3";
        QTest::newRow("cartaAnuencia bairro") << carta << carta << Lookup::Bairro << "CENTRO"
                                              << "CENTRO";
        QTest::newRow("cartaAnuencia bairro closed") << carta << carta << Lookup::Bairro << ""
                                                     << "<null>";
        QTest::newRow("cartaAnuencia atividade") << carta << carta << Lookup::Atividade << "OFICINA"
                                                 << "OFICINA MECANICA";
        QTest::newRow("cartaAnuencia atividade closed") << carta << carta << Lookup::Atividade << ""
                                                        << "";
        QTest::newRow("cartaAnuencia empresa") << carta << carta << Lookup::Empresa << "PISTAO"
                                               << "77888999000181";
        QTest::newRow("cartaAnuencia empresa closed") << carta << carta << Lookup::Empresa << ""
                                                      << "";
        QTest::newRow("editDef bairro: none") << serv << "" << Lookup::Bairro << "CENTRO"
                                              << "VILA NOVA";
        QTest::newRow("no tag atividade: none") << serv << "" << Lookup::Atividade << "FARMACIA"
                                                << "OFICINA MECANICA";
        QTest::newRow("other window's tag: none") << serv << pesq << Lookup::Bairro << "CENTRO"
                                                  << "VILA NOVA";
    }
    void tagWriteBack()
    {
        QFETCH(QString, openerTag);
        QFETCH(QString, dialogTag);
        QFETCH(Lookup, kind);
        QFETCH(QString, typed);
        QFETCH(QString, shows);
        ScriptedMessages msgs;
        Opener opener(openerTag);
        QDialog *d = criar(kind, &opener);
        if (!dialogTag.isEmpty())
            setTag(d, dialogTag);
        d->show();
        if (typed.isEmpty()) {
            d->close();
        } else {
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), typed);
            QVERIFY(lista(d).recordCount() >= 1);
            get<QPushButton>(d, QStringLiteral("btnOK"))->click();
        }
        QVERIFY(!d->isVisible());
        QCOMPARE(opener.mostra(kind, openerTag == CallerTag::kCartaAnuencia), shows);
        // The tag is emptied; the activity lookup and the locator also empty
        // their list and search box.
        QCOMPARE(d->findChild<QLineEdit *>(kind == Lookup::Bairro || kind == Lookup::Rua
                                               ? QStringLiteral("editDef")
                                               : QStringLiteral("editConf"))
                     ->text(),
                 QString());
        if (kind == Lookup::Atividade || kind == Lookup::Empresa) {
            QVERIFY(!lista(d).isActive());
            QVERIFY(get<QLineEdit>(d, QStringLiteral("edtBusca"))->text().isEmpty());
        }
        QVERIFY(msgs.texts().isEmpty());
        delete d;
    }

    void defaultTags()
    {
        QWidget opener;
        TfrmLocalizaBairro bairro(&opener);
        TfrmLocalizaRua rua(&opener);
        TfrmLocalizaAtividade atividade(&opener);
        TfrmLocalizaEmpresa empresa(&opener);
        QCOMPARE(bairro.tag(), QStringLiteral("editDef"));
        QCOMPARE(rua.tag(), QStringLiteral("editDef"));
        QCOMPARE(atividade.tag(), QString());
        QCOMPARE(empresa.tag(), QString());
        QCOMPARE(bairro.windowTitle(), QStringLiteral("Bairros"));
        QCOMPARE(rua.windowTitle(), QStringLiteral("Ruas /Avenidas"));
        QCOMPARE(atividade.windowTitle(), QStringLiteral("Buscar"));
        QVERIFY(!get<QPushButton>(&rua, QStringLiteral("btnExpRepetidas"))->isEnabled());
    }

    // The establishment window's tag, through its own boxes: any key opens the
    // lookup; choosing or closing without a choice writes back.
    void establishmentWindowTag_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed"); // empty: closed without a choice
        QTest::addColumn<QString>("shows");
        QTest::newRow("bairro") << "edtBairro"
                                << "JARDIM"
                                << "JARDIM DAS ACACIAS";
        QTest::newRow("bairro closed") << "edtBairro"
                                       << ""
                                       << "";
        QTest::newRow("rua") << "edtRua"
                             << "RUA DA IND"
                             << "RUA DA INDUSTRIA";
        QTest::newRow("rua closed") << "edtRua"
                                    << ""
                                    << "";
        QTest::newRow("atividade") << "edtAtividade"
                                   << "ESCRITORIO"
                                   << "ESCRITORIOS ADMINISTRATIVOS";
        QTest::newRow("atividade closed") << "edtAtividade"
                                          << ""
                                          << "";
    }
    void establishmentWindowTag()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shows);
        ScriptedMessages msgs;
        TfrmCadEmpresa w;
        w.editarPorCodigo(1, QStringLiteral("CENTRO"));
        w.show();
        auto *caixa = get<QLineEdit>(&w, box);
        QVERIFY(caixa->isReadOnly());
        QVERIFY(!caixa->text().isEmpty());
        QString tag;
        onModal([&](QWidget *d) {
            tag = d->findChild<QLineEdit *>(QStringLiteral("editDef"))
                ? d->findChild<QLineEdit *>(QStringLiteral("editDef"))->text()
                : d->findChild<QLineEdit *>(QStringLiteral("editConf"))->text();
            if (typed.isEmpty()) {
                d->close();
                return;
            }
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), typed);
            QTest::keyClick(get<QLineEdit>(d, QStringLiteral("edtBusca")), Qt::Key_Return);
        });
        QTest::keyClick(caixa, Qt::Key_X);
        QCOMPARE(tag, QStringLiteral("editCli"));
        QCOMPARE(caixa->text(), shows);
        // Only the street goes into the row at once; neighbourhood and
        // activity wait for the confirmation.
        QCOMPARE(w.zqContribuinte.text(QStringLiteral("CLIENTE_RUA")),
                 box == QLatin1String("edtRua") ? shows : QStringLiteral("AVENIDA BRASIL"));
        QCOMPARE(w.zqContribuinte.text(QStringLiteral("BAI_NU_SEQUENCIAL")), QStringLiteral("1"));
        QVERIFY(msgs.texts().isEmpty());
        // Tab passes through without opening anything.
        QTest::keyClick(caixa, Qt::Key_Tab);
        QCOMPARE(QApplication::activeModalWidget(), &w);
        w.zqContribuinte.cancel();
    }

    // "Inscluir esta" takes the typed street for the establishment window and
    // writes nothing else; with no such tag it just closes.
    void includeTypedStreet()
    {
        ScriptedMessages msgs;
        TfrmCadEmpresa w;
        w.editarPorCodigo(16, QString());
        {
            TfrmLocalizaRua d(&w);
            d.setTag(CallerTag::kEditCli);
            d.show();
            type(get<QLineEdit>(&d, QStringLiteral("edtBusca")), QStringLiteral("rua dos ipes"));
            QVERIFY(d.zqLista.isEmpty());
            get<QPushButton>(&d, QStringLiteral("btnIncluir"))->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(w.zqContribuinte.text(QStringLiteral("CLIENTE_RUA")), QStringLiteral("RUA DOS IPES"));
        }
        {
            TfrmLocalizaRua d(&w);
            d.show();
            type(get<QLineEdit>(&d, QStringLiteral("edtBusca")), QStringLiteral("outra"));
            get<QPushButton>(&d, QStringLiteral("btnIncluir"))->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(w.zqContribuinte.text(QStringLiteral("CLIENTE_RUA")), QStringLiteral("RUA DOS IPES"));
        }
        w.zqContribuinte.cancel();
        QVERIFY(msgs.texts().isEmpty());
    }

    // "..." and "Editar" open the registers; the list, if open, is read again.
    void registersFromTheLookups()
    {
        ScriptedMessages msgs;
        QWidget opener;
        TfrmLocalizaAtividade d(&opener);
        d.show();
        type(get<QLineEdit>(&d, QStringLiteral("edtBusca")), QStringLiteral("MECANICA"));
        QCOMPARE(d.zqLista.recordCount(), 1);
        onModal([](QWidget *cad) {
            auto *c = qobject_cast<TfrmCadAtividade *>(cad);
            QVERIFY(c);
            QCOMPARE(c->zqLista.recordCount(), 1);
            QCOMPARE(c->zqLista.state(), Query::State::Edit);
            auto *nome = get<QLineEdit>(c, QStringLiteral("edtNome"));
            clearBox(nome);
            type(nome, QStringLiteral("OFICINA MECANICA E FUNILARIA"));
            get<QPushButton>(c, QStringLiteral("btnSalvar"))->click();
            c->close();
        });
        get<QPushButton>(&d, QStringLiteral("btnEditar"))->click();
        QCOMPARE(column(d.zqLista, QStringLiteral("ATIVID_DESCRICAO")),
                 QStringList {"OFICINA MECANICA E FUNILARIA"});

        onModal([](QWidget *cad) {
            QCOMPARE(cad->windowTitle(), QStringLiteral("Atividade"));
            get<QPushButton>(cad, QStringLiteral("btnNovo"))->click();
            type(get<QLineEdit>(cad, QStringLiteral("edtNome")), QStringLiteral("MECANICA DE PRECISAO"));
            get<QPushButton>(cad, QStringLiteral("btnSalvar"))->click(); // closes it
        });
        get<QPushButton>(&d, QStringLiteral("btnInserir"))->click();
        // The same search read again.
        QCOMPARE(column(d.zqLista, QStringLiteral("ATIVID_DESCRICAO")),
                 (QStringList {"MECANICA DE PRECISAO", "OFICINA MECANICA E FUNILARIA"}));
        QCOMPARE(
            count(QStringLiteral("atividade"), QStringLiteral("ATIVID_DESCRICAO = 'MECANICA DE PRECISAO'")),
            1);
        TestDb::exec(QStringLiteral(
            "update atividade set ATIVID_DESCRICAO = 'OFICINA MECANICA' where ATIVID_CODIGO = 9"));

        TfrmLocalizaBairro b(&opener);
        b.show();
        type(get<QLineEdit>(&b, QStringLiteral("edtBusca")), QStringLiteral("PALMEIRAS"));
        QVERIFY(b.zqLista.isEmpty());
        onModal([](QWidget *cad) {
            QCOMPARE(cad->windowTitle(), QStringLiteral("Cadastro de Bairros"));
            get<QPushButton>(cad, QStringLiteral("btnNovo"))->click();
            type(get<QLineEdit>(cad, QStringLiteral("edtNome")), QStringLiteral("JARDIM DAS PALMEIRAS"));
            get<QPushButton>(cad, QStringLiteral("btnSalvar"))->click();
        });
        get<QPushButton>(&b, QStringLiteral("btnInserir"))->click();
        QCOMPARE(column(b.zqLista, QStringLiteral("BAI_NO")), QStringList {"JARDIM DAS PALMEIRAS"});
        QVERIFY(msgs.texts().isEmpty());
    }

    // The search window's tag: the neighbourhood filter box.
    void searchWindowTag()
    {
        ScriptedMessages msgs;
        TfrmPesqEmpresa w;
        w.show();
        get<QCheckBox>(&w, QStringLiteral("ckBairro"))->click();
        auto *caixa = get<QLineEdit>(&w, QStringLiteral("edtBairro"));
        onModal([](QWidget *d) {
            QCOMPARE(get<QLineEdit>(d, QStringLiteral("editDef"))->text(), QStringLiteral("pesqEmpresa"));
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), QStringLiteral("INDUSTRIAL"));
            get<QPushButton>(d, QStringLiteral("btnOK"))->click();
        });
        QTest::keyClick(caixa, Qt::Key_S);
        QCOMPARE(caixa->text(), QStringLiteral("SETOR INDUSTRIAL"));
        onModal([](QWidget *d) { d->close(); });
        QTest::keyClick(caixa, Qt::Key_S);
        QCOMPARE(caixa->text(), QString());
        QVERIFY(msgs.texts().isEmpty());
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstLocaliza test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_localiza.moc"
