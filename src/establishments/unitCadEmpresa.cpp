#include "establishments/unitCadEmpresa.h"

#include "app/shell/shell.h"
#include "common/apperror.h"
#include "common/clock.h"
#include "establishments/callertag.h"
#include "establishments/textos.h"
#include "establishments/unitLocalizaAtividade.h"
#include "establishments/unitLocalizaBairros.h"
#include "establishments/unitLocalizaRua.h"
#include "ui/controls.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/keyboard.h"
#include "ui/messageservice.h"
#include "ui/textboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCodigo = QStringLiteral("CLIENTE_CODIGO");
const QString kRazao = QStringLiteral("CLIENTE_RAZAO_SOCIAL");
const QString kFantasia = QStringLiteral("CLIENTE_FANTASIA");
const QString kCnpjCpf = QStringLiteral("CLIENTE_CNPJ_CPF");
const QString kDataCadastro = QStringLiteral("CLIENTE_DATA_CADASTRO");

QLineEdit *caixa(const QString &name, int maxLength, QWidget *parent, bool maiusculas = true)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    if (maiusculas)
        makeUpperCase(e);
    return e;
}

} // namespace

QString semPontuacaoDoNome(QString nome)
{
    for (QChar c : QStringLiteral("$*-.,/"))
        nome.remove(c);
    return nome;
}

TfrmCadEmpresa::TfrmCadEmpresa(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCadEmpresa"));
    setWindowTitle(QStringLiteral("Cadastro de Contribuinte"));
    setModal(true);
    zqContribuinte.setObjectName(QStringLiteral("zqContribuinte"));
    zqBairro.setObjectName(QStringLiteral("zqBairro"));
    zqAtividade.setObjectName(QStringLiteral("zqAtividade"));
    zqCidade.setObjectName(QStringLiteral("zqCidade"));
    zqCidade.setSql(QStringLiteral("select * from localidade order by LOC_NO"));

    edtCpfCnpj = caixa(QStringLiteral("edtCpfCnpj"), 14, this, false);
    makeDigitsOnly(edtCpfCnpj);
    edtRazaoSocial = caixa(QStringLiteral("edtRazaoSocial"), 200, this);
    edtFantasia = caixa(QStringLiteral("edtFantasia"), 100, this);
    cbSituacao = new QComboBox(this);
    cbSituacao->setObjectName(QStringLiteral("cbSituacao"));
    QStringList situacoes = Textos::kSituacoes;
    situacoes.sort();
    cbSituacao->addItems(situacoes);
    cbTipoEmpresa = new QComboBox(this);
    cbTipoEmpresa->setObjectName(QStringLiteral("cbTipoEmpresa"));
    cbTipoEmpresa->addItems({Textos::kPessoaFisica, Textos::kPessoaJuridica});
    edtRua = caixa(QStringLiteral("edtRua"), 255, this);
    edtNumero = caixa(QStringLiteral("edtNumero"), 20, this);
    edtBairro = caixa(QStringLiteral("edtBairro"), 72, this);
    cbMunicipio = new QComboBox(this);
    cbMunicipio->setObjectName(QStringLiteral("cbMunicipio"));
    edtCep = caixa(QStringLiteral("edtCep"), 20, this, false);
    makeDigitsOnly(edtCep);
    edtTelefone = caixa(QStringLiteral("edtTelefone"), 60, this);
    edtAtividade = caixa(QStringLiteral("edtAtividade"), 200, this);
    edtCnai = caixa(QStringLiteral("edtCnai"), 300, this);
    edtReferencia = caixa(QStringLiteral("edtReferencia"), 40, this);
    edtEmail = caixa(QStringLiteral("edtEmail"), 100, this);
    edtDataCadastro = new DateBox(this);
    edtDataCadastro->setObjectName(QStringLiteral("edtDataCadastro"));
    edtDataAbertura = new DateBox(this);
    edtDataAbertura->setObjectName(QStringLiteral("edtDataAbertura"));
    ckIsenta = new QCheckBox(QStringLiteral("Isenta"), this);
    ckIsenta->setObjectName(QStringLiteral("ckIsenta"));

    Bind::lineEdit(edtCpfCnpj, &zqContribuinte, kCnpjCpf);
    Bind::lineEdit(edtRazaoSocial, &zqContribuinte, kRazao);
    Bind::lineEdit(edtFantasia, &zqContribuinte, kFantasia);
    Bind::comboBox(cbSituacao, &zqContribuinte, QStringLiteral("situacao"));
    Bind::comboBox(cbTipoEmpresa, &zqContribuinte, QStringLiteral("tipoEmpresa"));
    Bind::lineEdit(edtRua, &zqContribuinte, QStringLiteral("CLIENTE_RUA"));
    Bind::lineEdit(edtNumero, &zqContribuinte, QStringLiteral("CLIENTE_NUMERO_END"));
    Bind::lineEdit(edtBairro, &zqBairro, QStringLiteral("BAI_NO"));
    Bind::lookupCombo(cbMunicipio, &zqContribuinte, QStringLiteral("LOC_NU_SEQUENCIAL"), &zqCidade,
                      QStringLiteral("LOC_NU_SEQUENCIAL"), QStringLiteral("LOC_NO"));
    Bind::lineEdit(edtCep, &zqContribuinte, QStringLiteral("CLIENTE_CEP"));
    Bind::lineEdit(edtTelefone, &zqContribuinte, QStringLiteral("CLIENTE_TEL_CONTATO"));
    Bind::lineEdit(edtAtividade, &zqAtividade, QStringLiteral("ATIVID_DESCRICAO"));
    Bind::lineEdit(edtCnai, &zqContribuinte, QStringLiteral("cnai"));
    Bind::lineEdit(edtReferencia, &zqContribuinte, QStringLiteral("CLIENTE_COMPLEM"));
    Bind::lineEdit(edtEmail, &zqContribuinte, QStringLiteral("CLIENTE_MAIL"));
    Bind::dateBox(edtDataCadastro, &zqContribuinte, kDataCadastro);
    Bind::dateBox(edtDataAbertura, &zqContribuinte, QStringLiteral("dataAbertura"));
    Bind::checkBox(ckIsenta, &zqContribuinte, QStringLiteral("isento"));

    // Street, neighbourhood and activity come from the lookups.
    openOnAnyKey(edtRua, [this] { edtRuaKeyPress(); });
    openOnAnyKey(edtBairro, [this] { edtBairroKeyPress(); });
    openOnAnyKey(edtAtividade, [this] { edtAtividadeKeyPress(); });
    WriteBack::add(this, Lookup::Bairro, CallerTag::kEditCli, WriteBack::reloadBairro(&zqBairro));
    WriteBack::add(this, Lookup::Rua, CallerTag::kEditCli,
                   WriteBack::setText(&zqContribuinte, QStringLiteral("CLIENTE_RUA")));
    WriteBack::add(this, Lookup::Atividade, CallerTag::kEditCli, WriteBack::reloadAtividade(&zqAtividade));

    onLeave(edtCep, [this] { edtCepExit(); });
    onLeave(edtRazaoSocial, [this] { edtRazaoSocialExit(); });

    btnConfirmar = makeButton(QStringLiteral("CONFIRMAR"), QStringLiteral("btnConfirmar"), this);
    btnNovoCadastro = makeButton(QStringLiteral("Novo Cadastro"), QStringLiteral("btnNovoCadastro"), this);
    btnRemover = makeButton(QStringLiteral("Remover"), QStringLiteral("btnRemover"), this);
    btnCancelar = makeButton(QStringLiteral("Cencelar"), QStringLiteral("btnCancelar"), this);
    QFont negrito = btnConfirmar->font();
    negrito.setBold(true);
    btnConfirmar->setFont(negrito);

    // Layout: two columns of label and box.
    auto *g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    int linha = 0;
    auto par = [&](const QString &rotulo, QWidget *campo, int coluna, int largura = 1) {
        auto *l = new QLabel(rotulo, this);
        l->setBuddy(campo);
        g->addWidget(l, linha, coluna * 2, Qt::AlignRight);
        g->addWidget(campo, linha, coluna * 2 + 1, 1, largura);
    };
    par(QStringLiteral("CpfCnpj"), edtCpfCnpj, 0);
    par(QStringLiteral("Tipo Contribuinte"), cbTipoEmpresa, 1);
    ++linha;
    par(QStringLiteral("Razao Social"), edtRazaoSocial, 0, 3);
    ++linha;
    par(QStringLiteral("Fantasia"), edtFantasia, 0, 3);
    ++linha;
    par(QStringLiteral("Situacao"), cbSituacao, 0);
    par(QStringLiteral("Atividade"), edtAtividade, 1);
    ++linha;
    par(QStringLiteral("CNai"), edtCnai, 0);
    par(QStringLiteral("Telefone"), edtTelefone, 1);
    ++linha;
    par(QStringLiteral("Rua"), edtRua, 0);
    par(QStringLiteral("Numero"), edtNumero, 1);
    ++linha;
    par(QStringLiteral("Bairro"), edtBairro, 0);
    par(QStringLiteral("Municipio"), cbMunicipio, 1);
    ++linha;
    par(QStringLiteral("CEP"), edtCep, 0);
    par(QStringLiteral("Referencia"), edtReferencia, 1);
    ++linha;
    par(QStringLiteral("Email"), edtEmail, 0, 3);
    ++linha;
    par(QStringLiteral("Data Cadastro"), edtDataCadastro, 0);
    par(QStringLiteral("Data Abertura (receita)"), edtDataAbertura, 1);
    ++linha;
    g->addWidget(ckIsenta, linha, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    // Tab goes through the boxes as they are laid out.
    const QList<QWidget *> ordem
        = {edtCpfCnpj,   cbTipoEmpresa,   edtRazaoSocial, edtFantasia,     cbSituacao,      edtAtividade,
           edtCnai,      edtTelefone,     edtRua,         edtNumero,       edtBairro,       cbMunicipio,
           edtCep,       edtReferencia,   edtEmail,       edtDataCadastro, edtDataAbertura, ckIsenta,
           btnConfirmar, btnNovoCadastro, btnRemover,     btnCancelar};
    for (int i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(btnConfirmar);
    botoes->addWidget(btnNovoCadastro);
    botoes->addStretch();
    botoes->addWidget(btnRemover);
    botoes->addWidget(btnCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(g);
    layout->addSpacing(8);
    layout->addLayout(botoes);
    resize(860, 420);

    zqContribuinte.onAfterOpen([this] { carregarReferencias(); });
    zqContribuinte.onAfterInsert([this] {
        if (zqContribuinte.isNull(kDataCadastro))
            zqContribuinte.setValue(kDataCadastro, Clock::instance().today());
    });

    onSignal(btnConfirmar, &QPushButton::clicked, this, &TfrmCadEmpresa::btnConfirmarClick);
    onSignal(btnNovoCadastro, &QPushButton::clicked, this, &TfrmCadEmpresa::btnNovoCadastroClick);
    onSignal(btnRemover, &QPushButton::clicked, this, &TfrmCadEmpresa::btnRemoverClick);
    onSignal(btnCancelar, &QPushButton::clicked, this, &TfrmCadEmpresa::btnCancelarClick);
}

// ---- preparations --------------------------------------------------------------

void TfrmCadEmpresa::carregarCidades()
{
    zqCidade.open();
}

void TfrmCadEmpresa::editar(const QString &linhaCliente, const QVariant &chave, const QString &bairro)
{
    carregarCidades();
    zqBairro.clearSql();
    zqBairro.addSql(QStringLiteral("select * from bairros where BAI_NO = :cb"));
    zqBairro.setParam(QStringLiteral("cb"), bairro);
    zqBairro.open();
    zqContribuinte.clearSql();
    zqContribuinte.addSql(linhaCliente);
    zqContribuinte.setParam(QStringLiteral("cnp"), chave);
    zqContribuinte.open();
    zqContribuinte.edit();
    marcarInicio();
}

void TfrmCadEmpresa::editarPorCodigo(int codigo, const QString &bairro)
{
    editar(QStringLiteral("select * from cliente where CLIENTE_CODIGO = :cnp"), codigo, bairro);
}

void TfrmCadEmpresa::editarPorCnpj(const QString &cnpjCpf, const QString &bairro)
{
    editar(QStringLiteral("select * from cliente where CLIENTE_CNPJ_CPF = :cnp"), cnpjCpf, bairro);
}

void TfrmCadEmpresa::iniciarNovo()
{
    if (!zqContribuinte.isActive()) {
        zqContribuinte.setSql(QStringLiteral("select * from cliente where 1 = 2"));
        zqContribuinte.open();
    }
    zqContribuinte.insert();
    marcarInicio();
}

void TfrmCadEmpresa::novo()
{
    carregarCidades();
    zqContribuinte.close();
    iniciarNovo();
}

void TfrmCadEmpresa::novoDaPrefeitura(const QString &razao, const QString &cnpjCpf, const QString &fantasia)
{
    novo();
    zqContribuinte.setValue(kRazao, razao.left(200));
    zqContribuinte.setValue(kCnpjCpf, cnpjCpf.left(14));
    zqContribuinte.setValue(kFantasia, fantasia.left(100));
}

// Each time the row is read: its activity, and its neighbourhood when it has
// one (otherwise the one the opener chose by name stays).
void TfrmCadEmpresa::carregarReferencias()
{
    if (!zqContribuinte.text(QStringLiteral("ATIVID_CODIGO")).isEmpty()) {
        zqAtividade.clearSql();
        zqAtividade.addSql(QStringLiteral("select * from atividade where ATIVID_CODIGO = :nome"));
        zqAtividade.setParam(QStringLiteral("nome"), zqContribuinte.value(QStringLiteral("ATIVID_CODIGO")));
        zqAtividade.open();
    }
    const QString bairro = zqContribuinte.text(QStringLiteral("BAI_NU_SEQUENCIAL"));
    if (!bairro.isEmpty()) {
        zqBairro.clearSql();
        zqBairro.addSql(QStringLiteral("select * from bairros where BAI_NU_SEQUENCIAL = :nome"));
        zqBairro.setParam(QStringLiteral("nome"), bairro);
        zqBairro.open();
    }
}

// What the row held when it entered edit or insert mode (the default date
// included), to tell whether the operator changed anything.
void TfrmCadEmpresa::marcarInicio()
{
    m_inicio.clear();
    for (const QString &f : zqContribuinte.fieldNames())
        m_inicio << zqContribuinte.text(f);
}

bool TfrmCadEmpresa::alterado() const
{
    const QStringList campos = zqContribuinte.fieldNames();
    if (campos.size() != m_inicio.size())
        return zqContribuinte.isModified();
    for (int i = 0; i < campos.size(); ++i)
        if (zqContribuinte.text(campos[i]) != m_inicio[i])
            return true;
    return false;
}

// ---- buttons -------------------------------------------------------------------

void TfrmCadEmpresa::recusar(const QString &text, QWidget *focus)
{
    Msg::show(text);
    focus->setFocus();
    throw Abort();
}

void TfrmCadEmpresa::btnConfirmarClick()
{
    if (!zqContribuinte.isEditing())
        return;
    zqContribuinte.setValue(kRazao, semPontuacaoDoNome(zqContribuinte.text(kRazao)));
    zqContribuinte.setValue(kFantasia, semPontuacaoDoNome(zqContribuinte.text(kFantasia)));

    if (edtAtividade->text().isEmpty())
        recusar(Textos::kDefinaAtividade, edtAtividade);
    if (zqContribuinte.text(QStringLiteral("situacao")).isEmpty())
        recusar(Textos::kDefinaSituacao, cbSituacao);
    const QString tipo = zqContribuinte.text(QStringLiteral("tipoEmpresa"));
    if (tipo.isEmpty())
        recusar(Textos::kDefinaTipo, cbTipoEmpresa);
    if (zqContribuinte.text(QStringLiteral("CLIENTE_TEL_CONTATO")).isEmpty())
        recusar(Textos::kDefinaTelefone, edtTelefone);
    if (zqContribuinte.text(QStringLiteral("CLIENTE_CEP")).size() != 8)
        recusar(Textos::kVerifiqueCep, edtCep);
    if (zqContribuinte.isNull(kDataCadastro))
        zqContribuinte.setValue(kDataCadastro, Clock::instance().today());

    if (!Msg::ask(Textos::kAlterarSituacao))
        throw Abort();

    // Without a neighbourhood loaded the row keeps the number it had.
    if (zqBairro.isActive() && zqBairro.recNo() >= 0)
        zqContribuinte.setValue(QStringLiteral("BAI_NU_SEQUENCIAL"),
                                zqBairro.text(QStringLiteral("BAI_NU_SEQUENCIAL")));
    if (zqAtividade.isActive() && zqAtividade.recNo() >= 0)
        zqContribuinte.setValue(QStringLiteral("ATIVID_CODIGO"),
                                zqAtividade.value(QStringLiteral("ATIVID_CODIGO")));

    const int digitos = static_cast<int>(zqContribuinte.text(kCnpjCpf).size());
    if (tipo == Textos::kPessoaFisica && digitos != 11)
        recusar(Textos::kDigitosCpf, edtCpfCnpj);
    if (tipo == Textos::kPessoaJuridica && digitos != 14)
        recusar(Textos::kDigitosCnpj, edtCpfCnpj);

    zqContribuinte.post();
    zqBairro.close();
    zqCidade.close();
    accept();
}

// A new row; the row being edited is saved first, as it is, when the
// operator changed it, and dropped otherwise.
void TfrmCadEmpresa::btnNovoCadastroClick()
{
    zqAtividade.close();
    zqBairro.close();
    if (zqContribuinte.isEditing()) {
        if (alterado())
            zqContribuinte.post();
        else
            zqContribuinte.cancel();
    }
    iniciarNovo();
    edtCpfCnpj->setFocus();
}

void TfrmCadEmpresa::btnRemoverClick()
{
    if (!zqContribuinte.isActive() || zqContribuinte.isNull(kCodigo))
        return;
    if (!Msg::ask(Textos::kRemoverCadastro))
        return;
    Query &suporte = Shell::instance().zqSuporte();
    suporte.clearSql();
    suporte.addSql(QStringLiteral("select * from servico_vw where codCliente = :nome"));
    suporte.setParam(QStringLiteral("nome"), zqContribuinte.value(kCodigo));
    suporte.open();
    const bool temServicos = !suporte.isEmpty();
    suporte.close();
    if (temServicos) {
        Msg::show(Textos::kTemServicos);
        return;
    }
    zqContribuinte.remove();
    zqBairro.close();
    zqCidade.close();
    accept();
}

void TfrmCadEmpresa::btnCancelarClick()
{
    zqContribuinte.cancel();
    reject();
}

// ---- boxes ---------------------------------------------------------------------

void TfrmCadEmpresa::edtCepExit()
{
    if (edtCep->text().size() != 8)
        Msg::warning(Textos::kCepCaption, Textos::kCepInvalido);
}

void TfrmCadEmpresa::edtRazaoSocialExit()
{
    if (!zqContribuinte.isEditing())
        return;
    const QString limpo = semPontuacaoDoNome(edtRazaoSocial->text());
    if (limpo != edtRazaoSocial->text())
        zqContribuinte.setValue(kRazao, limpo);
}

void TfrmCadEmpresa::edtRuaKeyPress()
{
    abrirLocaliza<TfrmLocalizaRua>(this, CallerTag::kEditCli);
}

void TfrmCadEmpresa::edtBairroKeyPress()
{
    abrirLocaliza<TfrmLocalizaBairro>(this, CallerTag::kEditCli);
}

void TfrmCadEmpresa::edtAtividadeKeyPress()
{
    abrirLocaliza<TfrmLocalizaAtividade>(this, CallerTag::kEditCli);
}

// ---- closing -------------------------------------------------------------------

// Esc or the close box: not while the row is being inserted or edited.
void TfrmCadEmpresa::reject()
{
    if (zqContribuinte.isEditing()) {
        guarded([] { Msg::show(Textos::kEmpresaEmAberto); });
        return;
    }
    QDialog::reject();
}
