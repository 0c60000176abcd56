#pragma once

#include "establishments/localizabase.h"

class QPushButton;

// "Buscar": picks an activity by part of its description (three characters
// at least). "..." opens the activity register, "Editar" opens it on the
// current activity.
class TfrmLocalizaAtividade : public LocalizaBase
{
    Q_OBJECT

public:
    explicit TfrmLocalizaAtividade(QWidget *parent = nullptr);

    Escolha escolha() const override;
    void btnInserirClick();
    void btnEditarClick();

protected:
    bool podeBuscar(const QString &text) const override { return text.size() > 2; }
    QStringList linhasBusca() const override;
    void depoisDeEscrever() override;
    bool event(QEvent *event) override;

private:
    QPushButton *btnInserir;
    QPushButton *btnEditar;
};
