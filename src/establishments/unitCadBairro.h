#pragma once

#include "establishments/cadastrosimples.h"

// "Cadastro de Bairros": the neighbourhoods the lookups offer. A new
// neighbourhood gets only its name; the database gives its number.
class TfrmCadBairro : public CadastroSimples
{
    Q_OBJECT

public:
    explicit TfrmCadBairro(QWidget *parent = nullptr);
};
