#include "establishments/unitCadBairro.h"

#include <QLineEdit>

TfrmCadBairro::TfrmCadBairro(QWidget *parent)
    : CadastroSimples({QStringLiteral("frmCadBairro"), QStringLiteral("Cadastro de Bairros"),
                       QStringLiteral("zqBairro"), QStringLiteral("bairros"), QStringLiteral("BAI_NO"),
                       QStringLiteral("Bairro/Setor"), false},
                      parent)
{
    edtNome->setMaxLength(72);
}
