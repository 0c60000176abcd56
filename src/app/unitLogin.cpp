#include "app/unitLogin.h"

#include "app/shell/session.h"
#include "ui/guard.h"
#include "ui/messageservice.h"
#include "ui/textboxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNamePlaceholder = QStringLiteral("**********");
}

TfrmLogin::TfrmLogin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Acesso Restrito"));
    setModal(true);

    edtLogin = new QLineEdit(this);
    edtLogin->setObjectName(QStringLiteral("edtLogin"));
    makeUpperCase(edtLogin);
    pnlNome = new QLabel(kNamePlaceholder, this);
    pnlNome->setObjectName(QStringLiteral("pnlNome"));
    pnlNome->setFrameShape(QFrame::Panel);
    pnlNome->setFrameShadow(QFrame::Sunken);
    pnlNome->setAlignment(Qt::AlignCenter);
    pnlNome->setMinimumHeight(26);
    edtSenha = new QLineEdit(this);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(50);
    makeUpperCase(edtSenha);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    for (QPushButton *b : {btnOK, btnCancelar}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto *form = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Corpo de Bombeiros Militar"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    form->addWidget(title);
    form->addWidget(new QLabel(QStringLiteral("Usuário / Matrícula / RG"), this));
    form->addWidget(edtLogin);
    form->addWidget(pnlNome);
    form->addWidget(new QLabel(QStringLiteral("Senha"), this));
    form->addWidget(edtSenha);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancelar);
    form->addLayout(buttons);
    setMinimumWidth(340);

    m_nome.setSql(QStringLiteral("Select USUARIO_NOME from usuario where rg = :log"));
    zqUsuario.setSql(QStringLiteral("Select * from usuario where rg = :log and senha = :sen"));

    onSignal(btnOK, &QPushButton::clicked, this, &TfrmLogin::btnOKClick);
    onSignal(btnCancelar, &QPushButton::clicked, this, &TfrmLogin::btnCancelarClick);
    connect(edtLogin, &QLineEdit::textEdited, pnlNome, [this] { pnlNome->clear(); });
    edtLogin->installEventFilter(this);
    for (QWidget *w : {static_cast<QWidget *>(edtLogin), static_cast<QWidget *>(edtSenha),
                       static_cast<QWidget *>(btnOK), static_cast<QWidget *>(btnCancelar)})
        w->installEventFilter(this);
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Session::instance().clear();
    edtLogin->setFocus();
}

bool TfrmLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter moves on like Tab; the key itself goes no further.
            focusNextChild();
            return true;
        }
    }
    if (watched == edtLogin && event->type() == QEvent::FocusOut) {
        auto *focus = static_cast<QFocusEvent *>(event);
        const bool toAnotherControl = focus->reason() == Qt::TabFocusReason
            || focus->reason() == Qt::BacktabFocusReason || focus->reason() == Qt::MouseFocusReason
            || focus->reason() == Qt::OtherFocusReason;
        if (toAnotherControl && QApplication::focusWidget() != btnCancelar) {
            bool known = true;
            guarded([&] { known = edtLoginExit(); });
            if (!known)
                QTimer::singleShot(0, edtLogin, [this] { edtLogin->setFocus(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmLogin::edtLoginExit()
{
    if (edtLogin->text().isEmpty()) {
        pnlNome->clear();
        return true;
    }
    m_nome.close();
    m_nome.setParam(QStringLiteral("log"), edtLogin->text());
    m_nome.open();
    pnlNome->setText(m_nome.text(QStringLiteral("USUARIO_NOME")));
    const bool found = !m_nome.isEmpty();
    m_nome.close();
    if (!found) {
        Msg::show(QStringLiteral("Usuário não cadastrado na Base de Dados do Sistema. Verifique a "
                                 "Digitacao do Mesmo"));
        edtLogin->setFocus();
    }
    return found;
}

void TfrmLogin::btnOKClick()
{
    if (edtLogin->text().isEmpty() || edtSenha->text().isEmpty()) {
        Msg::show(QStringLiteral("Digite Login e Senha!"));
        return;
    }
    zqUsuario.close();
    zqUsuario.setParam(QStringLiteral("log"), edtLogin->text());
    zqUsuario.setParam(QStringLiteral("sen"), edtSenha->text());
    zqUsuario.open();
    if (zqUsuario.isEmpty()) {
        Msg::show(QStringLiteral("Login ou Senha incorreta!"));
        edtSenha->clear();
        edtSenha->setFocus();
        return;
    }
    Session::instance().login(zqUsuario.currentRow());
    accept();
}

void TfrmLogin::btnCancelarClick()
{
    Session::instance().clear();
    reject();
}
