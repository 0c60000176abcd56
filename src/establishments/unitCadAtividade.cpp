#include "establishments/unitCadAtividade.h"

#include "ui/fieldlink.h"
#include "ui/guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

TfrmCadAtividade::TfrmCadAtividade(QWidget *parent)
    : CadastroSimples({QStringLiteral("frmCadAtividade"), QStringLiteral("Atividade"),
                       QStringLiteral("zqAtividade"), QStringLiteral("atividade"),
                       QStringLiteral("ATIVID_DESCRICAO"), QStringLiteral("Atividade"), true},
                      parent)
{
    edtNome->setMaxLength(200);

    // The risk group: one of the four offered, or typed.
    cbRisco = new QComboBox(this);
    cbRisco->setObjectName(QStringLiteral("cbRisco"));
    cbRisco->setEditable(true);
    cbRisco->setInsertPolicy(QComboBox::NoInsert);
    cbRisco->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    cbRisco->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), cbRisco));
    Bind::lineEdit(cbRisco->lineEdit(), &zqLista, QStringLiteral("RISCO_CODIGO"));
    onSignal(cbRisco, &QComboBox::textActivated, this, [this](const QString &text) {
        if (!zqLista.isEditing())
            zqLista.edit();
        zqLista.setValue(QStringLiteral("RISCO_CODIGO"), text);
    });
    campos()->addRow(QStringLiteral("Risco:"), cbRisco);

    ckCidadeSegura = new QCheckBox(QStringLiteral("Cidade Segura?"), this);
    ckCidadeSegura->setObjectName(QStringLiteral("ckCidadeSegura"));
    Bind::checkBox(ckCidadeSegura, &zqLista, QStringLiteral("cidadeSegura"));
    campos()->addRow(QString(), ckCidadeSegura);
}

void TfrmCadAtividade::editarAtividade(qlonglong idAt)
{
    zqLista.clearSql();
    zqLista.addSql(QStringLiteral("select * from atividade where ATIVID_CODIGO = :idAt"));
    zqLista.setParam(QStringLiteral("idAt"), idAt);
    zqLista.open();
    zqLista.edit();
}

bool TfrmCadAtividade::semDados() const
{
    return zqLista.text(QStringLiteral("ATIVID_DESCRICAO")).isEmpty()
        && zqLista.isNull(QStringLiteral("RISCO_CODIGO"));
}
