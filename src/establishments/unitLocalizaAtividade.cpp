#include "establishments/unitLocalizaAtividade.h"

#include "establishments/unitCadAtividade.h"
#include "ui/guard.h"
#include "ui/querymodel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

TfrmLocalizaAtividade::TfrmLocalizaAtividade(QWidget *parent)
    : LocalizaBase({QStringLiteral("frmLocalizaAtividade"), QStringLiteral("Buscar"),
                    QStringLiteral("zqAtividade"), QStringLiteral("editConf"), QString(), Lookup::Atividade},
                   parent)
{
    model()->setColumns({{QStringLiteral("ATIVID_DESCRICAO"), QStringLiteral("Atividade"), {}, 380},
                         {QStringLiteral("RISCO_CODIGO"), QStringLiteral("Risco"), {}, 50},
                         {QStringLiteral("cidadeSegura"), QStringLiteral("Cidade Segura")}});
    btnInserir = new QPushButton(QStringLiteral("..."), this);
    btnInserir->setObjectName(QStringLiteral("btnInserir"));
    btnInserir->setToolTip(QStringLiteral("Inserir Atividade"));
    btnInserir->setAutoDefault(false);
    btnEditar = new QPushButton(QStringLiteral("Editar"), this);
    btnEditar->setObjectName(QStringLiteral("btnEditar"));
    btnEditar->setAutoDefault(false);
    botoes()->insertWidget(0, btnInserir);
    botoes()->insertWidget(1, btnEditar);
    resize(640, 420);
    onSignal(btnInserir, &QPushButton::clicked, this, &TfrmLocalizaAtividade::btnInserirClick);
    onSignal(btnEditar, &QPushButton::clicked, this, &TfrmLocalizaAtividade::btnEditarClick);
}

QStringList TfrmLocalizaAtividade::linhasBusca() const
{
    return {QStringLiteral("select * from atividade where ATIVID_DESCRICAO like :nome"),
            QStringLiteral("order by ATIVID_DESCRICAO")};
}

Escolha TfrmLocalizaAtividade::escolha() const
{
    return escolhaDe(QStringLiteral("ATIVID_CODIGO"), QStringLiteral("ATIVID_DESCRICAO"));
}

bool TfrmLocalizaAtividade::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        edtBusca->setFocus();
    return LocalizaBase::event(event);
}

void TfrmLocalizaAtividade::depoisDeEscrever()
{
    zqLista.close();
    edtBusca->clear();
}

void TfrmLocalizaAtividade::btnInserirClick()
{
    {
        std::unique_ptr<TfrmCadAtividade> cadastro(new TfrmCadAtividade(this));
        cadastro->exec();
    }
    releitura();
}

// The register opens on the current activity, already in edit mode. Without
// a current activity there is nothing to edit.
void TfrmLocalizaAtividade::btnEditarClick()
{
    if (!zqLista.isActive() || zqLista.recNo() < 0)
        return;
    {
        std::unique_ptr<TfrmCadAtividade> cadastro(new TfrmCadAtividade(this));
        cadastro->editarAtividade(zqLista.int64Value(QStringLiteral("ATIVID_CODIGO")));
        cadastro->exec();
    }
    releitura();
}
