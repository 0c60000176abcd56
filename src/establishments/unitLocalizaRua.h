#pragma once

#include "establishments/localizabase.h"

class QPushButton;

// "Ruas /Avenidas": every distinct street already used by an establishment
// (there is no street table). "Inscluir esta" takes the typed text as it is.
class TfrmLocalizaRua : public LocalizaBase
{
    Q_OBJECT

public:
    explicit TfrmLocalizaRua(QWidget *parent = nullptr);

    Escolha escolha() const override;
    void btnIncluirClick();

protected:
    QStringList linhasBusca() const override;
    void confirmar() override;

private:
    QPushButton *btnIncluir;
    QPushButton *btnExpRepetidas;
};
