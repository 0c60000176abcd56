#include "establishments/unitLocalizaEmpresa.h"

#include "app/shell/shell.h"
#include "establishments/listacomum.h"
#include "establishments/textos.h"
#include "establishments/unitCadEmpresa.h"
#include "reports/catalogue.h"
#include "ui/controls.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/keyboard.h"
#include "ui/messageservice.h"
#include "ui/querymodel.h"
#include "ui/textboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

TfrmLocalizaEmpresa::TfrmLocalizaEmpresa(QWidget *parent)
    : QDialog(parent), rdsContribuintes(Reports::Connection::kContribuintes, zqContribuinte)
{
    setObjectName(QStringLiteral("frmLocalizaEmpresa"));
    setWindowTitle(QStringLiteral("Buscar"));
    setModal(true);
    zqContribuinte.setObjectName(QStringLiteral("zqContribuinte"));
    zqBairro.setObjectName(QStringLiteral("zqBairro"));
    zqBairro.setSql(QStringLiteral("select distinct(bairro) from cliente_view  order by bairro"));
    zqCidade.setObjectName(QStringLiteral("zqCidade"));
    zqCidade.setSql(QStringLiteral("select distinct(cidade) from cliente_view  order by cidade"));

    edtBusca = new QLineEdit(this);
    edtBusca->setObjectName(QStringLiteral("edtBusca"));
    makeUpperCase(edtBusca);
    editConf = new QLineEdit(this);
    editConf->setObjectName(QStringLiteral("editConf"));
    editConf->setVisible(false);

    auto *filtrosBox = new QGroupBox(this);
    filtrosBox->setObjectName(QStringLiteral("gbFiltros"));
    ckEmAtividade = makeCheck(QStringLiteral("Em atividade"), QStringLiteral("ckEmAtividade"), filtrosBox);
    ckDefMes = makeCheck(QStringLiteral("Def. Mes"), QStringLiteral("ckDefMes"), filtrosBox);
    cbMes = makeCombo(QStringLiteral("cbMes"), filtrosBox);
    ListaComum::meses(cbMes);
    cbMes->setEnabled(false);
    cbMes->setMinimumWidth(60);
    ckBairro = makeCheck(QStringLiteral("Bairro"), QStringLiteral("ckBairro"), filtrosBox);
    cbBairro = makeCombo(QStringLiteral("cbBairro"), filtrosBox);
    cbBairro->setEnabled(false);
    edtSiapi = new QLineEdit(filtrosBox);
    edtSiapi->setObjectName(QStringLiteral("edtSiapi"));
    edtSiapi->setMaxLength(50);
    ckMunicipio = makeCheck(QStringLiteral("Municipio"), QStringLiteral("ckMunicipio"), filtrosBox);
    cbMunicipio = makeCombo(QStringLiteral("cbMunicipio"), filtrosBox);
    cbMunicipio->setEnabled(false);
    ckNaoImpresso = makeCheck(QStringLiteral("Nao Impresso"), QStringLiteral("ckNaoImpresso"), filtrosBox);
    ckComSiapi = makeCheck(QStringLiteral("Com SIAPI"), QStringLiteral("ckComSiapi"), filtrosBox);
    ckSemSiapi = makeCheck(QStringLiteral("Sem SIAPI"), QStringLiteral("ckSemSiapi"), filtrosBox);
    edtQuantidade = new QLineEdit(filtrosBox);
    edtQuantidade->setObjectName(QStringLiteral("edtQuantidade"));
    edtQuantidade->setMaxLength(9);
    edtQuantidade->setMaximumWidth(60);
    makeDigitsOnly(edtQuantidade);

    auto *fg = new QGridLayout(filtrosBox);
    fg->addWidget(ckEmAtividade, 0, 0);
    fg->addWidget(ckDefMes, 0, 1);
    fg->addWidget(cbMes, 0, 2);
    fg->addWidget(ckBairro, 0, 3);
    fg->addWidget(cbBairro, 0, 4);
    fg->addWidget(new QLabel(QStringLiteral("SIAPI"), filtrosBox), 1, 0, Qt::AlignRight);
    fg->addWidget(edtSiapi, 1, 1, 1, 2);
    fg->addWidget(ckMunicipio, 1, 3);
    fg->addWidget(cbMunicipio, 1, 4);
    fg->addWidget(ckNaoImpresso, 2, 0);
    fg->addWidget(ckComSiapi, 2, 1);
    fg->addWidget(ckSemSiapi, 2, 2);
    fg->addWidget(new QLabel(QStringLiteral("Quantidade"), filtrosBox), 2, 3, Qt::AlignRight);
    fg->addWidget(edtQuantidade, 2, 4);
    fg->setColumnStretch(4, 1);

    lbFantasia = new QLabel(this);
    lbFantasia->setObjectName(QStringLiteral("lbFantasia"));
    QFont destaque = lbFantasia->font();
    destaque.setBold(true);
    lbFantasia->setFont(destaque);
    lbEndereco = new QLabel(this);
    lbEndereco->setObjectName(QStringLiteral("lbEndereco"));
    lbFone = new QLabel(this);
    lbFone->setObjectName(QStringLiteral("lbFone"));
    Bind::label(lbFantasia, &zqContribuinte, QStringLiteral("CLIENTE_FANTASIA"));
    Bind::label(lbEndereco, &zqContribuinte, QStringLiteral("endereco"));
    Bind::label(lbFone, &zqContribuinte, QStringLiteral("CLIENTE_FONE_EMPRESA"));

    grdContribuinte = new QTableView(this);
    grdContribuinte->setObjectName(QStringLiteral("grdContribuinte"));
    m_model = new QueryModel(&zqContribuinte, this);
    m_model->setColumns({{QStringLiteral("CLIENTE_DATA_CADASTRO"), QStringLiteral("Data Cadastro"), {}, 90},
                         {QStringLiteral("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("Razao Social"), {}, 280},
                         {QStringLiteral("CLIENTE_CNPJ_CPF"), QStringLiteral("CnpjCpf"), {}, 130},
                         {QStringLiteral("situacao"), QStringLiteral("Situacao"), {}, 150},
                         {QStringLiteral("impresso"), QStringLiteral("Imp"), {}, 40},
                         {QStringLiteral("siapi"), QStringLiteral("Siapi"), {}, 110},
                         {QStringLiteral("bairro"), QStringLiteral("Bairro")}});
    attachGrid(grdContribuinte, m_model);
    grdContribuinte->horizontalHeader()->setStretchLastSection(true);

    lbTotal = new QLabel(this);
    lbTotal->setObjectName(QStringLiteral("lbTotal"));
    lbTotal->setMinimumWidth(60);
    ListaComum::contarLinhas(lbTotal, &zqContribuinte);

    btnNovo = makeButton(QStringLiteral("Novo"), QStringLiteral("btnNovo"), this);
    btnAlterarSituacao
        = makeButton(QStringLiteral("Alterar Situacaio"), QStringLiteral("btnAlterarSituacao"), this);
    btnBuscar = makeButton(QStringLiteral("Buscar"), QStringLiteral("btnBuscar"), this);
    btnImprimirVistorias
        = makeButton(QStringLiteral("Imprimir Vistorias"), QStringLiteral("btnImprimirVistorias"), this);
    // Works out the fee of every listed establishment; wired with the fee calculation.
    btnCalcularTaxa = makeButton(QStringLiteral("Calcular Taxa"), QStringLiteral("btnCalcularTaxa"), this);
    btnCalcularTaxa->setEnabled(false);
    btnOK = makeButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
    btnOK->setDefault(true);

    auto *busca = new QHBoxLayout;
    busca->addWidget(new QLabel(QStringLiteral("Razao Social / CpfCnpj / Fantasia"), this));
    busca->addWidget(edtBusca, 1);
    auto *dados = new QHBoxLayout;
    dados->addWidget(lbFantasia, 2);
    dados->addWidget(lbEndereco, 3);
    dados->addWidget(lbFone, 1);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(btnNovo);
    rodape->addWidget(btnAlterarSituacao);
    rodape->addStretch();
    rodape->addWidget(new QLabel(QStringLiteral("Total:"), this));
    rodape->addWidget(lbTotal);
    rodape->addStretch();
    rodape->addWidget(btnBuscar);
    rodape->addWidget(btnImprimirVistorias);
    rodape->addWidget(btnCalcularTaxa);
    rodape->addWidget(btnOK);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(busca);
    layout->addWidget(filtrosBox);
    layout->addLayout(dados);
    layout->addWidget(grdContribuinte, 1);
    layout->addLayout(rodape);
    resize(1100, 620);

    arrowsMoveList(this, &zqContribuinte);
    onSignal(edtBusca, &QLineEdit::textEdited, this, &TfrmLocalizaEmpresa::edtBuscaChange);
    onSignal(ckDefMes, &QCheckBox::clicked, this, &TfrmLocalizaEmpresa::ckDefMesClick);
    onSignal(ckBairro, &QCheckBox::clicked, this, &TfrmLocalizaEmpresa::ckBairroClick);
    onSignal(ckMunicipio, &QCheckBox::clicked, this, &TfrmLocalizaEmpresa::ckMunicipioClick);
    // These criteria search at once.
    auto buscar = [this] { btnBuscarClick(); };
    onSignal(cbMes, &QComboBox::activated, this, buscar);
    onSignal(cbBairro, &QComboBox::activated, this, buscar);
    onSignal(cbMunicipio, &QComboBox::activated, this, buscar);
    onSignal(edtSiapi, &QLineEdit::textEdited, this, buscar);
    onSignal(edtQuantidade, &QLineEdit::textEdited, this, buscar);
    onSignal(ckNaoImpresso, &QCheckBox::clicked, this, buscar);
    onSignal(ckComSiapi, &QCheckBox::clicked, this, buscar);
    onSignal(ckSemSiapi, &QCheckBox::clicked, this, buscar);

    onSignal(btnNovo, &QPushButton::clicked, this, &TfrmLocalizaEmpresa::btnNovoClick);
    onSignal(btnAlterarSituacao, &QPushButton::clicked, this, &TfrmLocalizaEmpresa::btnAlterarSituacaoClick);
    onSignal(btnBuscar, &QPushButton::clicked, this, &TfrmLocalizaEmpresa::btnBuscarClick);
    onSignal(btnImprimirVistorias, &QPushButton::clicked, this,
             &TfrmLocalizaEmpresa::btnImprimirVistoriasClick);
    onSignal(btnOK, &QPushButton::clicked, this, [this] { accept(); });
    onSignal(grdContribuinte, &QTableView::doubleClicked, this,
             &TfrmLocalizaEmpresa::grdContribuinteDblClick);
}

void TfrmLocalizaEmpresa::setTag(const QString &tag)
{
    editConf->setText(tag);
}

QString TfrmLocalizaEmpresa::tag() const
{
    return editConf->text();
}

QString TfrmLocalizaEmpresa::total() const
{
    return lbTotal->text();
}

Escolha TfrmLocalizaEmpresa::escolha() const
{
    Escolha e;
    if (!zqContribuinte.isActive() || zqContribuinte.recNo() < 0)
        return e;
    e.temLinha = true;
    e.numero = zqContribuinte.int64Value(QStringLiteral("CLIENTE_CODIGO"));
    e.texto = zqContribuinte.text(QStringLiteral("CLIENTE_CNPJ_CPF"));
    return e;
}

// ---- activation and closing ----------------------------------------------------

void TfrmLocalizaEmpresa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool TfrmLocalizaEmpresa::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmLocalizaEmpresa::FormActivate()
{
    edtBusca->setFocus();
}

// Closing by any means returns the current row to the opener; then the tag,
// the list and the search box are emptied.
void TfrmLocalizaEmpresa::done(int result)
{
    const QString t = tag();
    const Escolha e = escolha();
    editConf->clear();
    guarded([&] { WriteBack::run(parent(), Lookup::Empresa, t, e); });
    zqContribuinte.close();
    edtBusca->clear();
    QDialog::done(result);
}

// ---- searching -----------------------------------------------------------------

void TfrmLocalizaEmpresa::edtBuscaChange(const QString &text)
{
    zqContribuinte.close();
    zqContribuinte.clearSql();
    zqContribuinte.clearParams();
    zqContribuinte.addSql(
        QStringLiteral("select * from cliente_view where  CLIENTE_RAZAO_SOCIAL like :nome or "
                       "CLIENTE_CNPJ_CPF like :nome or CLIENTE_FANTASIA like :nome "));
    zqContribuinte.addSql(QStringLiteral("order by CLIENTE_RAZAO_SOCIAL,bairro,endereco"));
    zqContribuinte.setParam(QStringLiteral("nome"), ListaComum::contendo(text));
    zqContribuinte.open();
}

void TfrmLocalizaEmpresa::btnBuscarClick()
{
    Query &q = zqContribuinte;
    q.clearSql();
    q.clearParams();
    q.addSql(QStringLiteral("select * from cliente_view where 1 = 1"));
    // Establishments that already have a letter or certificate are never offered.
    q.addSql(QStringLiteral("and CLIENTE_CNPJ_CPF not in (select cnpjCpf from certificado_tv)"));
    if (ckEmAtividade->isChecked())
        q.addSql(QStringLiteral("and situacao = \"EM ATIVIDADE\""));
    if (ckDefMes->isChecked() && !cbMes->currentText().isEmpty()) {
        q.addSql(QStringLiteral(" and Month(CLIENTE_DATA_CADASTRO)= :mes"));
        q.setParam(QStringLiteral("mes"), cbMes->currentText().toInt());
    }
    if (ckBairro->isChecked()) {
        q.addSql(QStringLiteral(" and bairro = :br"));
        q.setParam(QStringLiteral("br"), cbBairro->currentText());
    }
    if (!edtSiapi->text().isEmpty()) {
        q.addSql(QStringLiteral(" and siapi like :siapi"));
        q.setParam(QStringLiteral("siapi"), ListaComum::contendo(edtSiapi->text()));
    }
    if (ckMunicipio->isChecked()) {
        q.addSql(QStringLiteral(" and cidade = :cid"));
        q.setParam(QStringLiteral("cid"), cbMunicipio->currentText());
    }
    if (ckNaoImpresso->isChecked())
        q.addSql(QStringLiteral(" and (impresso = \"N\" or impresso is null)"));
    if (ckComSiapi->isChecked())
        q.addSql(QStringLiteral(" and (siapi <> \"\" and siapi is not null)"));
    if (ckSemSiapi->isChecked())
        q.addSql(QStringLiteral(" and (siapi = \"\" or siapi is null)"));
    q.addSql(QStringLiteral("order by LOC_NU_SEQUENCIAL,bairro,endereco"));
    if (!edtQuantidade->text().isEmpty()) {
        q.addSql(QStringLiteral("limit 0,:tv"));
        q.setParam(QStringLiteral("tv"), edtQuantidade->text().toLongLong());
    }
    q.open();
}

// ---- filters -------------------------------------------------------------------

void TfrmLocalizaEmpresa::ckDefMesClick()
{
    cbMes->setEnabled(ckDefMes->isChecked());
}

void TfrmLocalizaEmpresa::ckBairroClick()
{
    if (ckBairro->isChecked())
        ListaComum::carregarEscolhas(cbBairro, &zqBairro);
    else
        ListaComum::fecharEscolhas(cbBairro, &zqBairro);
    cbBairro->setEnabled(ckBairro->isChecked());
}

void TfrmLocalizaEmpresa::ckMunicipioClick()
{
    if (ckMunicipio->isChecked())
        ListaComum::carregarEscolhas(cbMunicipio, &zqCidade);
    else
        ListaComum::fecharEscolhas(cbMunicipio, &zqCidade);
    cbMunicipio->setEnabled(ckMunicipio->isChecked());
}

// ---- buttons -------------------------------------------------------------------

void TfrmLocalizaEmpresa::btnNovoClick()
{
    std::unique_ptr<TfrmCadEmpresa> cadastro(new TfrmCadEmpresa(this));
    cadastro->novo();
    cadastro->exec();
}

void TfrmLocalizaEmpresa::btnAlterarSituacaoClick()
{
    if (!zqContribuinte.isActive() || zqContribuinte.isEmpty())
        return;
    std::unique_ptr<TfrmCadEmpresa> cadastro(new TfrmCadEmpresa(this));
    cadastro->editarPorCnpj(zqContribuinte.text(QStringLiteral("CLIENTE_CNPJ_CPF")),
                            zqContribuinte.text(QStringLiteral("bairro")));
    cadastro->exec();
}

// With a caller waiting for an establishment a double click returns it;
// otherwise it opens the establishment's registration.
void TfrmLocalizaEmpresa::grdContribuinteDblClick()
{
    if (!tag().isEmpty())
        accept();
    else
        btnAlterarSituacaoClick();
}

// One inspection sheet per listed establishment; then, if the operator
// says so, every listed establishment is marked as printed. A report that
// cannot run stops here.
void TfrmLocalizaEmpresa::btnImprimirVistoriasClick()
{
    Shell &shell = Shell::instance();
    Reports::printReport(shell.rvRelatorio(), shell.caminhoRelatorio(), Reports::File::kInspecaoVarias);
    if (Msg::ask(Textos::kMarcarImpressas) && zqContribuinte.isActive()) {
        const int cnpj = zqContribuinte.fieldIndex(QStringLiteral("CLIENTE_CNPJ_CPF"));
        Query &suporte = shell.zqSuporte();
        for (int row = 0; row < zqContribuinte.recordCount(); ++row) {
            suporte.clearSql();
            suporte.addSql(
                QStringLiteral("update cliente set impresso = \"S\" where CLIENTE_CNPJ_CPF = :cnp"));
            suporte.setParam(QStringLiteral("cnp"), zqContribuinte.value(row, cnpj));
            suporte.execSql();
        }
        suporte.close();
    }
    if (zqContribuinte.isActive())
        zqContribuinte.refresh();
}
