#include "establishments/unitPesqEmpresa.h"

#include "establishments/callertag.h"
#include "establishments/listacomum.h"
#include "establishments/textos.h"
#include "establishments/unitCadEmpresa.h"
#include "establishments/unitLocalizaBairros.h"
#include "reports/catalogue.h"
#include "ui/controls.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/keyboard.h"
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

namespace {

// The desktop's standard scroll-bar grey.
const QColor kCorBarraDeRolagem(200, 200, 200);

} // namespace

TfrmPesqEmpresa::TfrmPesqEmpresa(QWidget *parent)
    : QDialog(parent), rdsContribuinteCadastro(Reports::Connection::kContribuinteCadastro, zqContribuinte)
{
    setObjectName(QStringLiteral("frmPesqEmpresa"));
    setWindowTitle(QStringLiteral("Buscar Empresas"));
    setModal(true);
    zqContribuinte.setObjectName(QStringLiteral("zqContribuinte"));
    zqBairro.setObjectName(QStringLiteral("zqBairro"));
    zqCidade.setObjectName(QStringLiteral("zqCidade"));
    zqCidade.setSql(QStringLiteral("select distinct(cidade) from cliente_view  order by cidade"));

    // ---- search box and filters ------------------------------------------------
    edtBusca = new QLineEdit(this);
    edtBusca->setObjectName(QStringLiteral("edtBusca"));
    makeUpperCase(edtBusca);
    ckEndereco = makeCheck(QStringLiteral("Endereço"), QStringLiteral("ckEndereco"), this);

    auto *filtrosBox = new QGroupBox(this);
    filtrosBox->setObjectName(QStringLiteral("gbFiltros"));
    ckSituacao = makeCheck(QStringLiteral("Situacao"), QStringLiteral("ckSituacao"), filtrosBox);
    cbSituacao = makeCombo(QStringLiteral("cbSituacao"), filtrosBox);
    cbSituacao->addItems(Textos::kSituacoes);
    cbSituacao->setCurrentIndex(-1);
    cbSituacao->setEnabled(false);
    ckNaoTem = makeCheck(QStringLiteral("Nao tem"), QStringLiteral("ckNaoTem"), filtrosBox);
    cbAnoSiapi = makeCombo(QStringLiteral("cbAnoSiapi"), filtrosBox);
    for (int ano = 14; ano <= 20; ++ano)
        cbAnoSiapi->addItem(QString::number(ano));
    cbAnoSiapi->setCurrentText(QStringLiteral("19"));
    cbAnoSiapi->setEnabled(false);
    ckMes = makeCheck(QStringLiteral("Mês"), QStringLiteral("ckMes"), filtrosBox);
    cbMes = makeCombo(QStringLiteral("cbMes"), filtrosBox);
    ListaComum::meses(cbMes);
    cbMes->setEnabled(false);
    cbMes->setMinimumWidth(60);
    ckBairro = makeCheck(QStringLiteral("Bairro"), QStringLiteral("ckBairro"), filtrosBox);
    edtBairro = new QLineEdit(filtrosBox);
    edtBairro->setObjectName(QStringLiteral("edtBairro"));
    edtBairro->setEnabled(false);
    edtSiapi = new QLineEdit(filtrosBox);
    edtSiapi->setObjectName(QStringLiteral("edtSiapi"));
    edtSiapi->setMaxLength(50);
    ckNaoIsentos = makeCheck(QStringLiteral("Nao Isentos"), QStringLiteral("ckNaoIsentos"), filtrosBox);
    ckMunicipio = makeCheck(QStringLiteral("Municipio"), QStringLiteral("ckMunicipio"), filtrosBox);
    cbMunicipio = makeCombo(QStringLiteral("cbMunicipio"), filtrosBox);
    cbMunicipio->setEnabled(false);
    ckSemSiapi = makeCheck(QStringLiteral("Sem SIAPI"), QStringLiteral("ckSemSiapi"), filtrosBox);
    edtQuantidade = new QLineEdit(QStringLiteral("10"), filtrosBox);
    edtQuantidade->setObjectName(QStringLiteral("edtQuantidade"));
    edtQuantidade->setMaxLength(9);
    edtQuantidade->setMaximumWidth(60);
    makeDigitsOnly(edtQuantidade);

    auto *fg = new QGridLayout(filtrosBox);
    fg->addWidget(ckSituacao, 0, 0);
    fg->addWidget(cbSituacao, 0, 1);
    fg->addWidget(ckNaoTem, 0, 2);
    fg->addWidget(new QLabel(QStringLiteral("Ano SIAPI"), filtrosBox), 0, 3, Qt::AlignRight);
    fg->addWidget(cbAnoSiapi, 0, 4);
    fg->addWidget(ckMes, 0, 5);
    fg->addWidget(cbMes, 0, 6);
    fg->addWidget(ckBairro, 1, 0);
    fg->addWidget(edtBairro, 1, 1);
    fg->addWidget(new QLabel(QStringLiteral("SIAPI"), filtrosBox), 1, 2, Qt::AlignRight);
    fg->addWidget(edtSiapi, 1, 3, 1, 2);
    fg->addWidget(ckNaoIsentos, 1, 5, 1, 2);
    fg->addWidget(ckMunicipio, 2, 0);
    fg->addWidget(cbMunicipio, 2, 1);
    fg->addWidget(ckSemSiapi, 2, 2);
    fg->addWidget(new QLabel(QStringLiteral("Quantidade"), filtrosBox), 2, 3, Qt::AlignRight);
    fg->addWidget(edtQuantidade, 2, 4);
    fg->setColumnStretch(1, 2);
    fg->setColumnStretch(3, 1);

    // ---- list ------------------------------------------------------------------
    lbFantasia = new QLabel(this);
    lbFantasia->setObjectName(QStringLiteral("lbFantasia"));
    QFont destaque = lbFantasia->font();
    destaque.setBold(true);
    destaque.setPointSizeF(destaque.pointSizeF() * 1.2);
    lbFantasia->setFont(destaque);
    Bind::label(lbFantasia, &zqContribuinte, QStringLiteral("CLIENTE_FANTASIA"));
    grdContribuinte = new QTableView(this);
    grdContribuinte->setObjectName(QStringLiteral("grdContribuinte"));
    m_model = new QueryModel(&zqContribuinte, this);
    m_model->setColumns({{QStringLiteral("CLIENTE_DATA_CADASTRO"), QStringLiteral("Dt Cadastro"), {}, 90},
                         {QStringLiteral("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("Razao Social"), {}, 260},
                         {QStringLiteral("CLIENTE_FANTASIA"), QStringLiteral("Fantasia"), {}, 200},
                         {QStringLiteral("CLIENTE_CNPJ_CPF"), QStringLiteral("CnpjCpf"), {}, 130},
                         {QStringLiteral("situacao"), QStringLiteral("Situacao"), {}, 150},
                         {QStringLiteral("bairro"), QStringLiteral("Bairro"), {}, 140},
                         {QStringLiteral("siapi"), QStringLiteral("Ult. Siapi"), {}, 100},
                         {QStringLiteral("CLIENTE_AREA"), QStringLiteral("Area"), {}, 70}});
    m_model->setRowStyle([this](int row, int role) { return estiloDaLinha(row, role); });
    attachGrid(grdContribuinte, m_model);
    grdContribuinte->horizontalHeader()->setStretchLastSection(true);
    // The selected row keeps its colour, a shade darker.
    QPalette selecao = grdContribuinte->palette();
    selecao.setColor(QPalette::Highlight, QColor(0, 0, 0, 45));
    selecao.setColor(QPalette::HighlightedText, Qt::black);
    grdContribuinte->setPalette(selecao);

    lbTotal = new QLabel(this);
    lbTotal->setObjectName(QStringLiteral("lbTotal"));
    lbTotal->setMinimumWidth(60);
    ListaComum::contarLinhas(lbTotal, &zqContribuinte);

    btnNovo = makeButton(QStringLiteral("Novo"), QStringLiteral("btnNovo"), this);
    btnAltCadastro = makeButton(QStringLiteral("Alt Cadastro"), QStringLiteral("btnAltCadastro"), this);
    // Opens the establishment's services; wired with the service search window.
    btnInspecao = makeButton(QStringLiteral("INSPEÇÃO"), QStringLiteral("btnInspecao"), this);
    btnInspecao->setEnabled(false);
    btnBuscar = makeButton(QStringLiteral("Buscar"), QStringLiteral("btnBuscar"), this);
    btnImprimir = makeButton(QStringLiteral("Imprimir"), QStringLiteral("btnImprimir"), this);
    btnOK = makeButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
    btnOK->setDefault(true);

    auto *busca = new QHBoxLayout;
    busca->addWidget(new QLabel(QStringLiteral("Razao Social / CpfCnpj / Fantasia / Endereco"), this));
    busca->addWidget(edtBusca, 1);
    busca->addWidget(ckEndereco);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(btnNovo);
    rodape->addWidget(btnAltCadastro);
    rodape->addWidget(btnInspecao);
    rodape->addStretch();
    rodape->addWidget(new QLabel(QStringLiteral("Total:"), this));
    rodape->addWidget(lbTotal);
    rodape->addStretch();
    rodape->addWidget(btnBuscar);
    rodape->addWidget(btnImprimir);
    rodape->addWidget(btnOK);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(busca);
    layout->addWidget(filtrosBox);
    layout->addWidget(lbFantasia);
    layout->addWidget(grdContribuinte, 1);
    layout->addLayout(rodape);
    resize(1180, 640);

    // ---- behaviour -------------------------------------------------------------
    arrowsMoveList(this, &zqContribuinte);
    Bind::lineEdit(edtBairro, &zqBairro, QStringLiteral("BAI_NO"));
    openOnAnyKey(edtBairro, [this] { edtBairroKeyPress(); });
    WriteBack::add(this, Lookup::Bairro, CallerTag::kPesqEmpresa, WriteBack::reloadBairro(&zqBairro));

    onSignal(edtBusca, &QLineEdit::textEdited, this, &TfrmPesqEmpresa::edtBuscaChange);
    onSignal(ckSituacao, &QCheckBox::clicked, this, &TfrmPesqEmpresa::ckSituacaoClick);
    onSignal(ckNaoTem, &QCheckBox::clicked, this, &TfrmPesqEmpresa::ckNaoTemClick);
    onSignal(ckMes, &QCheckBox::clicked, this, &TfrmPesqEmpresa::ckMesClick);
    onSignal(ckBairro, &QCheckBox::clicked, this, &TfrmPesqEmpresa::ckBairroClick);
    onSignal(ckMunicipio, &QCheckBox::clicked, this, &TfrmPesqEmpresa::ckMunicipioClick);
    // Changing a criterion closes the list; the operator searches again.
    auto fechar = [this] { fecharLista(); };
    onSignal(cbSituacao, &QComboBox::activated, this, fechar);
    onSignal(cbMes, &QComboBox::activated, this, fechar);
    onSignal(cbMunicipio, &QComboBox::activated, this, fechar);
    onSignal(edtSiapi, &QLineEdit::textEdited, this, fechar);
    onSignal(edtQuantidade, &QLineEdit::textEdited, this, fechar);
    onSignal(edtBairro, &QLineEdit::textChanged, this, fechar);
    onSignal(ckNaoIsentos, &QCheckBox::clicked, this, fechar);
    onSignal(ckSemSiapi, &QCheckBox::clicked, this, fechar);

    onSignal(btnNovo, &QPushButton::clicked, this, &TfrmPesqEmpresa::btnNovoClick);
    onSignal(btnAltCadastro, &QPushButton::clicked, this, &TfrmPesqEmpresa::btnAltCadastroClick);
    onSignal(btnBuscar, &QPushButton::clicked, this, &TfrmPesqEmpresa::btnBuscarClick);
    onSignal(btnImprimir, &QPushButton::clicked, this, &TfrmPesqEmpresa::btnImprimirClick);
    onSignal(btnOK, &QPushButton::clicked, this, [this] { accept(); });
}

QString TfrmPesqEmpresa::total() const
{
    return lbTotal->text();
}

// ---- activation ----------------------------------------------------------------

void TfrmPesqEmpresa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool TfrmPesqEmpresa::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmPesqEmpresa::FormActivate()
{
    edtBusca->setFocus();
}

// ---- searching -----------------------------------------------------------------

void TfrmPesqEmpresa::fecharLista()
{
    zqContribuinte.close();
}

void TfrmPesqEmpresa::filtros(bool buscar)
{
    Query &q = zqContribuinte;
    if (ckSituacao->isChecked()) {
        q.addSql(QStringLiteral("and situacao = :st"));
        q.setParam(QStringLiteral("st"), cbSituacao->currentText());
    }
    if (ckNaoTem->isChecked()) {
        q.addSql(QStringLiteral(" and CLIENTE_CODIGO not in (select CLIENTE_CODIGO from servico where  ano = "
                                ":siapint and servico.CLIENTE_CODIGO = cliente_view.CLIENTE_CODIGO)"));
        q.setParam(QStringLiteral("siapint"), cbAnoSiapi->currentText().toInt());
    }
    if (ckMes->isChecked() && !cbMes->currentText().isEmpty()) {
        q.addSql(QStringLiteral(" and Month(CLIENTE_DATA_CADASTRO)= :mes"));
        q.setParam(QStringLiteral("mes"), cbMes->currentText().toInt());
    }
    if (ckBairro->isChecked()) {
        q.addSql(QStringLiteral(" and bairro = :br"));
        q.setParam(QStringLiteral("br"), edtBairro->text());
    }
    if (!edtSiapi->text().isEmpty()) {
        q.addSql(QStringLiteral(" and siapi like :siapi"));
        q.setParam(QStringLiteral("siapi"), ListaComum::contendo(edtSiapi->text()));
    }
    // An establishment whose mark is empty is not exempt either.
    if (buscar && ckNaoIsentos->isChecked())
        q.addSql(QStringLiteral(" and (isento <> \"S\" or isento is null)"));
    if (ckMunicipio->isChecked()) {
        q.addSql(QStringLiteral(" and cidade = :cid"));
        q.setParam(QStringLiteral("cid"), cbMunicipio->currentText());
    }
    if (ckSemSiapi->isChecked())
        q.addSql(QStringLiteral(" and (siapi = \"\" or siapi is null)"));
}

void TfrmPesqEmpresa::limite()
{
    if (edtQuantidade->text().isEmpty())
        return;
    zqContribuinte.addSql(QStringLiteral("limit 0,:tv"));
    zqContribuinte.setParam(QStringLiteral("tv"), edtQuantidade->text().toLongLong());
}

void TfrmPesqEmpresa::edtBuscaChange(const QString &text)
{
    zqContribuinte.close();
    if (text.size() <= 2)
        return;
    zqContribuinte.clearSql();
    zqContribuinte.clearParams();
    if (ckEndereco->isChecked())
        zqContribuinte.addSql(QStringLiteral("select * from cliente_view where  CLIENTE_RUA like :nome"));
    else
        // The three alternatives are one condition, so that every filter
        // line restricts all three alike.
        zqContribuinte.addSql(QStringLiteral(
            "select * from cliente_view where (CLIENTE_RAZAO_SOCIAL like :nome or CLIENTE_CNPJ_CPF like "
            ":nome or CLIENTE_FANTASIA like :nome)"));
    zqContribuinte.setParam(QStringLiteral("nome"), ListaComum::contendo(text));
    filtros(false);
    zqContribuinte.addSql(QStringLiteral("order by CLIENTE_RAZAO_SOCIAL,bairro,endereco"));
    limite();
    zqContribuinte.open();
}

void TfrmPesqEmpresa::btnBuscarClick()
{
    zqContribuinte.clearSql();
    zqContribuinte.clearParams();
    zqContribuinte.addSql(QStringLiteral("select * from cliente_view where 1 = 1"));
    filtros(true);
    zqContribuinte.addSql(QStringLiteral("order by LOC_NU_SEQUENCIAL,bairro,endereco"));
    limite();
    zqContribuinte.open();
}

void TfrmPesqEmpresa::releitura()
{
    if (zqContribuinte.isActive())
        zqContribuinte.refresh();
}

// ---- filters -------------------------------------------------------------------

void TfrmPesqEmpresa::ckSituacaoClick()
{
    cbSituacao->setEnabled(ckSituacao->isChecked());
    fecharLista();
}

void TfrmPesqEmpresa::ckNaoTemClick()
{
    cbAnoSiapi->setEnabled(ckNaoTem->isChecked());
}

void TfrmPesqEmpresa::ckMesClick()
{
    cbMes->setEnabled(ckMes->isChecked());
}

void TfrmPesqEmpresa::ckBairroClick()
{
    zqBairro.close();
    edtBairro->setEnabled(ckBairro->isChecked());
}

void TfrmPesqEmpresa::ckMunicipioClick()
{
    if (ckMunicipio->isChecked())
        ListaComum::carregarEscolhas(cbMunicipio, &zqCidade);
    else
        ListaComum::fecharEscolhas(cbMunicipio, &zqCidade);
    cbMunicipio->setEnabled(ckMunicipio->isChecked());
}

void TfrmPesqEmpresa::edtBairroKeyPress()
{
    abrirLocaliza<TfrmLocalizaBairro>(this, CallerTag::kPesqEmpresa);
}

// ---- row colours ---------------------------------------------------------------

// "EM ATIVIDADE" in the scroll-bar colour, "MEI" in green, any other
// situation in red; the current row's text black and bold.
QVariant TfrmPesqEmpresa::estiloDaLinha(int row, int role) const
{
    switch (role) {
    case Qt::BackgroundRole: {
        const QString situacao
            = zqContribuinte.value(row, zqContribuinte.fieldIndex(QStringLiteral("situacao"))).toString();
        if (situacao == Textos::kEmAtividade)
            return kCorBarraDeRolagem;
        if (situacao == Textos::kMei)
            return QColor(0, 128, 0);
        return QColor(255, 0, 0);
    }
    case Qt::ForegroundRole: return row == zqContribuinte.recNo() ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::FontRole:
        if (row == zqContribuinte.recNo()) {
            QFont negrito = grdContribuinte->font();
            negrito.setBold(true);
            return negrito;
        }
        return {};
    default: return {};
    }
}

// ---- buttons -------------------------------------------------------------------

void TfrmPesqEmpresa::btnNovoClick()
{
    {
        std::unique_ptr<TfrmCadEmpresa> cadastro(new TfrmCadEmpresa(this));
        cadastro->novo();
        cadastro->exec();
    }
    releitura();
}

void TfrmPesqEmpresa::btnAltCadastroClick()
{
    if (!zqContribuinte.isActive() || zqContribuinte.isEmpty())
        return;
    {
        std::unique_ptr<TfrmCadEmpresa> cadastro(new TfrmCadEmpresa(this));
        cadastro->editarPorCodigo(zqContribuinte.intValue(QStringLiteral("CLIENTE_CODIGO")),
                                  zqContribuinte.text(QStringLiteral("bairro")));
        cadastro->exec();
    }
    releitura();
}

// The list as it is, with the count label's text as "total".
void TfrmPesqEmpresa::btnImprimirClick()
{
    Shell &shell = Shell::instance();
    Reports::printReport(shell.rvRelatorio(), shell.caminhoRelatorio(), Reports::File::kListaEmpresas,
                         {{QStringLiteral("total"), total()}});
}
