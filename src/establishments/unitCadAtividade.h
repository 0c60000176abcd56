#pragma once

#include "establishments/cadastrosimples.h"

class QCheckBox;
class QComboBox;

// "Atividade": activities with their risk group and the "Cidade Segura" mark.
class TfrmCadAtividade : public CadastroSimples
{
    Q_OBJECT

public:
    explicit TfrmCadAtividade(QWidget *parent = nullptr);

    // Before showing: the list holds only this activity, already in edit mode.
    void editarAtividade(qlonglong idAt);

protected:
    // A description or a risk is enough to save.
    bool semDados() const override;

private:
    QComboBox *cbRisco;
    QCheckBox *ckCidadeSegura;
};
