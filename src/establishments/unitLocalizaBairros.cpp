#include "establishments/unitLocalizaBairros.h"

#include "establishments/unitCadBairro.h"
#include "ui/guard.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <memory>

#include "ui/querymodel.h"

TfrmLocalizaBairro::TfrmLocalizaBairro(QWidget *parent)
    : LocalizaBase({QStringLiteral("frmLocalizaBairro"), QStringLiteral("Bairros"),
                    QStringLiteral("zqBairro"), QStringLiteral("editDef"), CallerTag::kEditDef,
                    Lookup::Bairro},
                   parent)
{
    model()->setColumns({{QStringLiteral("BAI_NO"), QStringLiteral("Descricao")}});
    btnInserir = new QPushButton(QStringLiteral("..."), this);
    btnInserir->setObjectName(QStringLiteral("btnInserir"));
    btnInserir->setToolTip(QStringLiteral("Inserir Bairro"));
    btnInserir->setAutoDefault(false);
    botoes()->insertWidget(0, btnInserir);
    onSignal(btnInserir, &QPushButton::clicked, this, &TfrmLocalizaBairro::btnInserirClick);
}

QStringList TfrmLocalizaBairro::linhasBusca() const
{
    return {QStringLiteral("select * from bairros where BAI_NO like :nome"),
            QStringLiteral("order by BAI_NO")};
}

Escolha TfrmLocalizaBairro::escolha() const
{
    return escolhaDe(QStringLiteral("BAI_NU_SEQUENCIAL"), QStringLiteral("BAI_NO"));
}

// Only the clicked neighbourhood remains in the list, and the dialog closes.
void TfrmLocalizaBairro::linhaClicada()
{
    if (zqLista.isActive() && !zqLista.isEmpty()) {
        const QVariant numero = zqLista.value(QStringLiteral("BAI_NU_SEQUENCIAL"));
        zqLista.clearSql();
        zqLista.addSql(QStringLiteral("select * from bairros where BAI_NU_SEQUENCIAL = :nome"));
        zqLista.setParam(QStringLiteral("nome"), numero);
        zqLista.open();
    }
    accept();
}

void TfrmLocalizaBairro::confirmar()
{
    if (zqLista.isActive() && zqLista.recNo() >= 0)
        setBuscaSemPesquisar(zqLista.text(QStringLiteral("BAI_NO")));
    accept();
}

void TfrmLocalizaBairro::btnInserirClick()
{
    {
        std::unique_ptr<TfrmCadBairro> cadastro(new TfrmCadBairro(this));
        cadastro->exec();
    }
    releitura();
}
