#include "establishments/cadastrosimples.h"

#include "common/apperror.h"
#include "establishments/textos.h"
#include "ui/controls.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/messageservice.h"
#include "ui/querymodel.h"
#include "ui/textboxes.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CadastroSimples::CadastroSimples(const Config &config, QWidget *parent) : QDialog(parent), m_config(config)
{
    setObjectName(config.objectName);
    setWindowTitle(config.caption);
    setModal(true);
    zqLista.setObjectName(config.listaName);
    zqRepetido.setObjectName(config.listaName + QStringLiteral("Repetido"));
    listaPadrao();

    auto *lista = new QGroupBox(QStringLiteral("Lista"), this);
    lista->setObjectName(QStringLiteral("gbLista"));
    grdLista = new QTableView(lista);
    grdLista->setObjectName(QStringLiteral("grdLista"));
    m_model = new QueryModel(&zqLista, this);
    m_model->setColumns({{config.campoNome, QStringLiteral("Nome")}});
    attachGrid(grdLista, m_model);
    grdLista->horizontalHeader()->setStretchLastSection(true);
    auto *ll = new QVBoxLayout(lista);
    ll->addWidget(grdLista);

    gbDados = new QGroupBox(config.grupo, this);
    gbDados->setObjectName(QStringLiteral("gbDados"));
    m_campos = new QFormLayout(gbDados);
    edtNome = new QLineEdit(gbDados);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    makeUpperCase(edtNome);
    m_campos->addRow(QStringLiteral("Nome:"), edtNome);
    Bind::lineEdit(edtNome, &zqLista, config.campoNome);

    btnNovo = makeButton(QStringLiteral("&Novo"), QStringLiteral("btnNovo"), this);
    btnSalvar = makeButton(QStringLiteral("&Salvar"), QStringLiteral("btnSalvar"), this);
    btnCancelar = makeButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"), this);
    btnEditar = makeButton(QStringLiteral("&Editar"), QStringLiteral("btnEditar"), this);
    btnExcluir = makeButton(QStringLiteral("E&xcluir"), QStringLiteral("btnExcluir"), this);
    btnAnterior = makeButton(QStringLiteral("<<<"), QStringLiteral("btnAnterior"), this);
    btnProximo = makeButton(QStringLiteral(">>>"), QStringLiteral("btnProximo"), this);

    auto *botoes = new QHBoxLayout;
    for (QPushButton *b : {btnNovo, btnSalvar, btnCancelar, btnEditar, btnExcluir})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnAnterior);
    botoes->addWidget(btnProximo);

    auto *direita = new QVBoxLayout;
    direita->addWidget(gbDados);
    direita->addStretch();
    auto *corpo = new QHBoxLayout;
    corpo->addWidget(lista, 3);
    corpo->addLayout(direita, 4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(corpo);
    layout->addLayout(botoes);
    resize(640, 380);

    connect(&zqLista, &Query::stateChanged, this, &CadastroSimples::atualizarModo);
    connect(&zqLista, &Query::currentChanged, this, &CadastroSimples::atualizarModo);
    atualizarModo();

    onSignal(btnNovo, &QPushButton::clicked, this, &CadastroSimples::btnNovoClick);
    onSignal(btnSalvar, &QPushButton::clicked, this, &CadastroSimples::btnSalvarClick);
    onSignal(btnCancelar, &QPushButton::clicked, this, &CadastroSimples::btnCancelarClick);
    onSignal(btnEditar, &QPushButton::clicked, this, &CadastroSimples::btnEditarClick);
    onSignal(btnExcluir, &QPushButton::clicked, this, &CadastroSimples::btnExcluirClick);
    onSignal(btnAnterior, &QPushButton::clicked, this, &CadastroSimples::btnAnteriorClick);
    onSignal(btnProximo, &QPushButton::clicked, this, &CadastroSimples::btnProximoClick);
}

void CadastroSimples::listaPadrao()
{
    zqLista.clearSql();
    zqLista.addSql(QStringLiteral("select * from %1").arg(m_config.tabela));
    zqLista.addSql(QStringLiteral("order by %1").arg(m_config.campoNome));
}

bool CadastroSimples::semDados() const
{
    return zqLista.text(m_config.campoNome).isEmpty();
}

// ---- activation and mode -------------------------------------------------------

void CadastroSimples::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guarded([this] { FormActivate(); });
}

bool CadastroSimples::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void CadastroSimples::FormActivate()
{
    if (zqLista.isEditing())
        return;
    if (!zqLista.isActive() || (m_config.reabrirVazia && zqLista.isEmpty())) {
        if (m_config.reabrirVazia)
            listaPadrao();
        zqLista.open();
    }
}

void CadastroSimples::abrirSeFechada()
{
    if (!zqLista.isActive())
        zqLista.open();
}

// While a row is being typed only saving or cancelling it leads on: moving to
// another row would store it without the checks of "&Salvar".
void CadastroSimples::atualizarModo()
{
    const bool editando = zqLista.isEditing();
    btnNovo->setEnabled(!editando);
    gbDados->setEnabled(editando);
    btnSalvar->setEnabled(editando);
    btnAnterior->setEnabled(!editando);
    btnProximo->setEnabled(!editando);
    grdLista->setEnabled(!editando);
}

// ---- buttons -------------------------------------------------------------------

void CadastroSimples::btnNovoClick()
{
    abrirSeFechada();
    zqLista.insert();
    edtNome->setFocus();
}

void CadastroSimples::btnEditarClick()
{
    if (edtNome->text().isEmpty())
        return;
    zqLista.edit();
}

void CadastroSimples::btnCancelarClick()
{
    zqLista.cancel();
}

void CadastroSimples::btnSalvarClick()
{
    if (!zqLista.isEditing())
        return;
    if (semDados()) {
        Msg::show(Textos::kDigiteOsDados);
        edtNome->setFocus();
        throw Abort();
    }
    if (zqLista.state() == Query::State::Edit) {
        zqLista.post();
        return;
    }
    zqRepetido.clearSql();
    zqRepetido.addSql(
        QStringLiteral("select * from %1 where %2=:nb").arg(m_config.tabela, m_config.campoNome));
    zqRepetido.setParam(QStringLiteral("nb"), zqLista.value(m_config.campoNome));
    zqRepetido.open();
    const bool existe = !zqRepetido.isEmpty();
    zqRepetido.close();
    if (existe) {
        Msg::show(Textos::kJaCadastrada);
        edtNome->setFocus();
        throw Abort();
    }
    zqLista.post();
    if (podeFechar())
        accept();
}

void CadastroSimples::btnExcluirClick()
{
    if (edtNome->text().isEmpty())
        return;
    if (!Msg::ask(Textos::kRemoverRegistro))
        return;
    zqLista.remove();
}

void CadastroSimples::btnAnteriorClick()
{
    abrirSeFechada();
    zqLista.prior();
}

void CadastroSimples::btnProximoClick()
{
    abrirSeFechada();
    zqLista.next();
}

// ---- closing -------------------------------------------------------------------

bool CadastroSimples::podeFechar()
{
    if (zqLista.isEditing()) {
        Msg::show(Textos::kTabelaEmAberto);
        return false;
    }
    zqLista.close();
    zqRepetido.close();
    return true;
}

// Esc, the close box: the window stays open while a row is being typed.
void CadastroSimples::reject()
{
    bool ok = false;
    guarded([&] { ok = podeFechar(); });
    if (ok)
        QDialog::reject();
}
