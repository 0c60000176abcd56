#include "establishments/unitLocalizaRua.h"

#include "ui/guard.h"
#include "ui/querymodel.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TfrmLocalizaRua::TfrmLocalizaRua(QWidget *parent)
    : LocalizaBase({QStringLiteral("frmLocalizaRua"), QStringLiteral("Ruas /Avenidas"),
                    QStringLiteral("zqRua"), QStringLiteral("editDef"), CallerTag::kEditDef, Lookup::Rua},
                   parent)
{
    model()->setColumns({{QStringLiteral("CLIENTE_RUA"), QStringLiteral("Descricao")}});
    btnIncluir = new QPushButton(QStringLiteral("Inscluir esta"), this);
    btnIncluir->setObjectName(QStringLiteral("btnIncluir"));
    btnIncluir->setAutoDefault(false);
    // Opens the street merge tool with the search text; wired when that tool
    // is part of the program.
    btnExpRepetidas = new QPushButton(QStringLiteral("Exp Repetidas"), this);
    btnExpRepetidas->setObjectName(QStringLiteral("btnExpRepetidas"));
    btnExpRepetidas->setAutoDefault(false);
    btnExpRepetidas->setEnabled(false);
    botoes()->insertWidget(0, btnIncluir);
    botoes()->insertWidget(1, btnExpRepetidas);
    onSignal(btnIncluir, &QPushButton::clicked, this, &TfrmLocalizaRua::btnIncluirClick);
}

QStringList TfrmLocalizaRua::linhasBusca() const
{
    return {QStringLiteral("select DISTINCT(CLIENTE_RUA) from cliente where CLIENTE_RUA like :nome"),
            QStringLiteral("order by CLIENTE_RUA")};
}

Escolha TfrmLocalizaRua::escolha() const
{
    Escolha e;
    if (zqLista.isActive() && zqLista.recNo() >= 0) {
        e.temLinha = true;
        // The list's one column, whatever name the server gives it.
        e.texto = zqLista.value(zqLista.recNo(), 0).toString();
    }
    return e;
}

void TfrmLocalizaRua::confirmar()
{
    const Escolha e = escolha();
    if (e.temLinha)
        setBuscaSemPesquisar(e.texto);
    accept();
}

// The typed street goes to the opener (for the tags that take a street) and
// nothing else is written back.
void TfrmLocalizaRua::btnIncluirClick()
{
    Escolha digitada;
    digitada.temLinha = true;
    digitada.texto = edtBusca->text();
    escreverDeVolta(digitada);
    accept();
}
