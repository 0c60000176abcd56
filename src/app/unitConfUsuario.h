#pragma once

#include "db/query.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Configuração do Sistema": permission flags and passwords of the active
// users, and the UFIR value of the configuration row.
class TfrmConfUsuario : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmConfUsuario(QWidget *parent = nullptr);

    Query zqUsuarios;

    void FormActivate();
    void btnAlterarClick();
    void btnCancelarClick();
    void btnRemoverClick();
    void btnSalvarClick();
    void btnConfirmarUfirClick();
    void cbUsuarioChange(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void atualizarBotoes();
    bool podeFechar();

    QComboBox *cbUsuario;
    QLabel *lbRg;
    QCheckBox *ckCadServico;
    QCheckBox *ckRemoverServico;
    QCheckBox *ckCadBoleto;
    QCheckBox *ckRemoverBoleto;
    QCheckBox *ckConfUsuario;
    QLineEdit *edtSenha;
    QLineEdit *edtUfir;
    QPushButton *btnAlterar;
    QPushButton *btnCancelar;
    QPushButton *btnRemover;
    QPushButton *btnSalvar;
    QPushButton *btnConfirmarUfir;
    QPushButton *btnRemover2;
};
