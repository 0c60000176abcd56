#include "appfixture.h"

#include "app/shell/session.h"
#include "app/unitLogin.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kNaoCadastrado
    = QStringLiteral("Usuário não cadastrado na Base de Dados do Sistema. Verifique a Digitacao do Mesmo");
}

class TstLogin : public QObject
{
    Q_OBJECT

    TfrmLogin *dlg = nullptr;
    QLineEdit *login() { return dlg->findChild<QLineEdit *>(QStringLiteral("edtLogin")); }
    QLineEdit *senha() { return dlg->findChild<QLineEdit *>(QStringLiteral("edtSenha")); }
    QLabel *nome() { return dlg->findChild<QLabel *>(QStringLiteral("pnlNome")); }
    QPushButton *ok() { return dlg->findChild<QPushButton *>(QStringLiteral("btnOK")); }

    void type(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_login"), false);
        loadShellFixture();
    }

    void init()
    {
        dlg = new TfrmLogin;
        dlg->open();
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg));
    }

    void cleanup()
    {
        delete dlg;
        Session::instance().clear();
    }

    void attempts_data()
    {
        QTest::addColumn<QString>("typedLogin");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("user");
        QTest::newRow("success") << "1001"
                                 << "SENHA"
                                 << ""
                                 << "ADMINISTRADOR";
        QTest::newRow("lower case sent upper") << "1001"
                                               << "senha"
                                               << ""
                                               << "ADMINISTRADOR";
        QTest::newRow("inactive user logs in") << "3003"
                                               << "xyz"
                                               << ""
                                               << "INATIVO DA SILVA";
        QTest::newRow("wrong password") << "1001"
                                        << "ERRADA"
                                        << "Login ou Senha incorreta!"
                                        << "";
        QTest::newRow("empty password") << "1001"
                                        << ""
                                        << "Digite Login e Senha!"
                                        << "";
        QTest::newRow("empty login") << ""
                                     << "SENHA"
                                     << "Digite Login e Senha!"
                                     << "";
        QTest::newRow("quote in password") << "1001"
                                           << "' OR '1'='1"
                                           << "Login ou Senha incorreta!"
                                           << "";
    }
    void attempts()
    {
        QFETCH(QString, typedLogin);
        QFETCH(QString, typedPassword);
        QFETCH(QString, message);
        QFETCH(QString, user);
        ScriptedMessages msgs;
        type(login(), typedLogin);
        type(senha(), typedPassword);
        ok()->click();
        QCOMPARE(msgs.last(), message);
        QCOMPARE(Session::instance().loggedIn(), !user.isEmpty());
        QCOMPARE(Session::instance().nome(), user);
        QCOMPARE(dlg->isVisible(), user.isEmpty());
        if (message == QLatin1String("Login ou Senha incorreta!")) {
            QVERIFY(senha()->text().isEmpty());
            QVERIFY(senha()->hasFocus());
        }
        if (!user.isEmpty())
            QCOMPARE(dlg->result(), int(QDialog::Accepted));
    }

    void leavingTheLoginBoxShowsTheName()
    {
        ScriptedMessages msgs;
        login()->setFocus();
        QCOMPARE(nome()->text(), QStringLiteral("**********"));
        QTest::keyClicks(login(), QStringLiteral("2002"));
        QVERIFY(nome()->text().isEmpty()); // typing empties the panel
        QTest::keyClick(login(), Qt::Key_Return); // Enter moves on like Tab
        QVERIFY(senha()->hasFocus());
        QCOMPARE(nome()->text(), QStringLiteral("OPERADOR SEM PERMISSAO"));
        QVERIFY(msgs.texts().isEmpty());

        // An unknown login is refused and the focus goes back to the box.
        login()->setFocus();
        type(login(), QStringLiteral("9999"));
        QTest::keyClick(login(), Qt::Key_Tab);
        QCOMPARE(msgs.last(), kNaoCadastrado);
        QVERIFY(nome()->text().isEmpty());
        QTRY_VERIFY(login()->hasFocus());
    }

    void enterNeverSubmits()
    {
        ScriptedMessages msgs;
        type(login(), QStringLiteral("1001"));
        type(senha(), QStringLiteral("SENHA"));
        senha()->setFocus();
        QTest::keyClick(senha(), Qt::Key_Return);
        QVERIFY(ok()->hasFocus());
        QVERIFY(!Session::instance().loggedIn());
        QTest::keyClick(ok(), Qt::Key_Space);
        QVERIFY(Session::instance().loggedIn());
    }

    void cancelClearsTheSession()
    {
        Session::instance().login({{QStringLiteral("USUARIO_NOME"), QStringLiteral("ALGUEM")}});
        dlg->findChild<QPushButton *>(QStringLiteral("btnCancelar"))->click();
        QVERIFY(!Session::instance().loggedIn());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
    }

    void showingClearsTheSessionButKeepsTheTexts()
    {
        ScriptedMessages msgs;
        type(login(), QStringLiteral("1001"));
        type(senha(), QStringLiteral("SENHA"));
        ok()->click();
        QVERIFY(Session::instance().loggedIn());
        dlg->open();
        QVERIFY(!Session::instance().loggedIn());
        QCOMPARE(login()->text(), QStringLiteral("1001"));
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstLogin test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_login.moc"
