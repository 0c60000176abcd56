#include "app/unitConfUsuario.h"

#include "app/shell/shell.h"
#include "ui/controls.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/messageservice.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kCadastroAberto
    = QStringLiteral("Há um cadastro em aberto. É necessário salvar ou cancelar o mesmo!");

} // namespace

TfrmConfUsuario::TfrmConfUsuario(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmConfUsuario"));
    setWindowTitle(QStringLiteral("Configuração do Sistema"));
    zqUsuarios.setSql(QStringLiteral("select * from usuario where ativo = \"S\" order by USUARIO_GUERRA"));

    cbUsuario = new QComboBox(this);
    cbUsuario->setObjectName(QStringLiteral("cbUsuario"));
    cbUsuario->setMinimumWidth(220);
    lbRg = new QLabel(this);
    lbRg->setObjectName(QStringLiteral("lbRg"));
    QFont bold = lbRg->font();
    bold.setBold(true);
    lbRg->setFont(bold);

    auto *permissoes = new QGroupBox(QStringLiteral("Permissões para este Usuário no Sistema "), this);
    ckCadServico = makeCheck(QStringLiteral("Cadastrar Serviço"), QStringLiteral("ckCadServico"), permissoes);
    ckRemoverServico
        = makeCheck(QStringLiteral("Remover Serviço"), QStringLiteral("ckRemoverServico"), permissoes);
    ckCadBoleto = makeCheck(QStringLiteral("Cadastrar Boleto"), QStringLiteral("ckCadBoleto"), permissoes);
    ckRemoverBoleto
        = makeCheck(QStringLiteral("Remover Boleto Gerado"), QStringLiteral("ckRemoverBoleto"), permissoes);
    ckConfUsuario
        = makeCheck(QStringLiteral("Configurar Usuario"), QStringLiteral("ckConfUsuario"), permissoes);
    edtSenha = new QLineEdit(permissoes);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(50);
    auto *pg = new QGridLayout(permissoes);
    pg->addWidget(ckCadServico, 0, 0);
    pg->addWidget(ckRemoverServico, 0, 1);
    pg->addWidget(ckCadBoleto, 1, 0);
    pg->addWidget(ckRemoverBoleto, 1, 1);
    pg->addWidget(ckConfUsuario, 2, 0);
    pg->addWidget(new QLabel(QStringLiteral("Nova Senha"), permissoes), 3, 0);
    pg->addWidget(edtSenha, 3, 1);

    auto *ufir = new QGroupBox(QStringLiteral("Valor UFIR"), this);
    edtUfir = new QLineEdit(ufir);
    edtUfir->setObjectName(QStringLiteral("edtUfir"));
    btnConfirmarUfir = makeButton(QStringLiteral("Confirmar UFIR"), QStringLiteral("btnConfirmarUfir"), ufir);
    auto *ul = new QHBoxLayout(ufir);
    ul->addWidget(edtUfir);
    ul->addWidget(btnConfirmarUfir);

    btnAlterar = makeButton(QStringLiteral("Alterar"), QStringLiteral("btnAlterar"), this);
    btnCancelar = makeButton(QStringLiteral("Cancelar"), QStringLiteral("btnCancelar"), this);
    btnRemover = makeButton(QStringLiteral("Remover"), QStringLiteral("btnRemover"), this);
    btnSalvar = makeButton(QStringLiteral("Salvar"), QStringLiteral("btnSalvar"), this);
    btnRemover2 = makeButton(QStringLiteral("Remover"), QStringLiteral("btnRemover2"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("USUÁRIO:"), this));
    top->addWidget(cbUsuario);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("RG:"), this));
    top->addWidget(lbRg);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnAlterar, btnCancelar, btnRemover, btnSalvar, btnRemover2})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(permissoes);
    layout->addLayout(buttons);
    layout->addWidget(ufir);

    // The picker lists the users by short name and moves between them.
    connect(&zqUsuarios, &Query::rowsReset, this, [this] {
        cbUsuario->clear();
        for (int r = 0; r < zqUsuarios.recordCount(); ++r)
            cbUsuario->addItem(
                zqUsuarios.value(r, zqUsuarios.fieldIndex(QStringLiteral("USUARIO_GUERRA"))).toString());
    });
    connect(&zqUsuarios, &Query::currentChanged, this, [this] {
        const QSignalBlocker block(cbUsuario);
        cbUsuario->setCurrentIndex(zqUsuarios.recNo());
    });
    onSignal(cbUsuario, &QComboBox::activated, this, &TfrmConfUsuario::cbUsuarioChange);

    Bind::label(lbRg, &zqUsuarios, QStringLiteral("rg"));
    Bind::checkBox(ckCadServico, &zqUsuarios, QStringLiteral("cadServico"));
    Bind::checkBox(ckRemoverServico, &zqUsuarios, QStringLiteral("removerServico"));
    Bind::checkBox(ckCadBoleto, &zqUsuarios, QStringLiteral("cadBoleto"));
    Bind::checkBox(ckRemoverBoleto, &zqUsuarios, QStringLiteral("removerBoleto"));
    Bind::checkBox(ckConfUsuario, &zqUsuarios, QStringLiteral("confUsuario"));
    Bind::lineEdit(edtSenha, &zqUsuarios, QStringLiteral("senha"));
    Bind::numberEdit(edtUfir, &Shell::instance().zqConfiguracao(), QStringLiteral("ufir"));

    connect(&zqUsuarios, &Query::stateChanged, this, &TfrmConfUsuario::atualizarBotoes);
    connect(&zqUsuarios, &Query::currentChanged, this, &TfrmConfUsuario::atualizarBotoes);
    connect(&zqUsuarios, &Query::fieldChanged, this, &TfrmConfUsuario::atualizarBotoes);
    atualizarBotoes();

    onSignal(btnAlterar, &QPushButton::clicked, this, &TfrmConfUsuario::btnAlterarClick);
    onSignal(btnCancelar, &QPushButton::clicked, this, &TfrmConfUsuario::btnCancelarClick);
    onSignal(btnRemover, &QPushButton::clicked, this, &TfrmConfUsuario::btnRemoverClick);
    onSignal(btnSalvar, &QPushButton::clicked, this, &TfrmConfUsuario::btnSalvarClick);
    onSignal(btnConfirmarUfir, &QPushButton::clicked, this, &TfrmConfUsuario::btnConfirmarUfirClick);
}

void TfrmConfUsuario::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guarded([this] { FormActivate(); });
}

void TfrmConfUsuario::FormActivate()
{
    zqUsuarios.close();
    zqUsuarios.open();
    Query &conf = Shell::instance().zqConfiguracao();
    if (!conf.isActive())
        conf.open();
    conf.edit();
}

void TfrmConfUsuario::atualizarBotoes()
{
    btnSalvar->setEnabled(zqUsuarios.isEditing());
}

void TfrmConfUsuario::cbUsuarioChange(int index)
{
    zqUsuarios.moveTo(index);
    zqUsuarios.edit();
}

void TfrmConfUsuario::btnAlterarClick()
{
    zqUsuarios.edit();
}

void TfrmConfUsuario::btnCancelarClick()
{
    zqUsuarios.cancel();
    close();
}

void TfrmConfUsuario::btnRemoverClick()
{
    if (!zqUsuarios.isActive() || zqUsuarios.isNull(QStringLiteral("USUARIO_CODIGO")))
        return;
    if (!Msg::ask(QStringLiteral("Deseja mesmo remover este Registro?")))
        return;
    zqUsuarios.remove();
    Msg::show(QStringLiteral("Removido com sucesso."));
}

void TfrmConfUsuario::btnSalvarClick()
{
    if (!zqUsuarios.isEditing())
        zqUsuarios.edit();
    if (edtSenha->text().isEmpty())
        zqUsuarios.setValue(QStringLiteral("senha"), zqUsuarios.value(QStringLiteral("rg")));
    zqUsuarios.post();
}

void TfrmConfUsuario::btnConfirmarUfirClick()
{
    Query &conf = Shell::instance().zqConfiguracao();
    if (!conf.isEditing())
        conf.edit();
    conf.post();
}

bool TfrmConfUsuario::podeFechar()
{
    if (zqUsuarios.isEditing()) {
        Msg::show(kCadastroAberto);
        return false;
    }
    zqUsuarios.close();
    // A UFIR typed but not confirmed is not saved.
    Query &conf = Shell::instance().zqConfiguracao();
    if (conf.isEditing())
        conf.cancel();
    return true;
}

// Closing by any way (Esc, the close box, "Cancelar") passes here.
void TfrmConfUsuario::reject()
{
    bool ok = false;
    guarded([&] { ok = podeFechar(); });
    if (ok)
        QDialog::reject();
}
