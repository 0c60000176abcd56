#pragma once

#include "db/query.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Acesso Restrito": the login dialog opened by the main window at start-up
// and for a user switch. It returns with a session user, or the main window
// ends the program.
class TfrmLogin : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLogin(QWidget *parent = nullptr);

    // The session user's row as read at login.
    Query zqUsuario;

    void btnOKClick();
    void btnCancelarClick();
    // Leaving the login box: shows the user's name, or refuses an unknown login.
    bool edtLoginExit();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edtLogin;
    QLineEdit *edtSenha;
    QLabel *pnlNome;
    QPushButton *btnOK;
    QPushButton *btnCancelar;
    Query m_nome;
};
