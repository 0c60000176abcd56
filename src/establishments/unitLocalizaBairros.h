#pragma once

#include "establishments/localizabase.h"

class QPushButton;

// "Bairros": picks a neighbourhood by part of its name. "..." opens the
// neighbourhood register.
class TfrmLocalizaBairro : public LocalizaBase
{
    Q_OBJECT

public:
    explicit TfrmLocalizaBairro(QWidget *parent = nullptr);

    Escolha escolha() const override;
    void btnInserirClick();

protected:
    QStringList linhasBusca() const override;
    void linhaClicada() override;
    void confirmar() override;

private:
    QPushButton *btnInserir;
};
