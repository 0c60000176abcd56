#include "appfixture.h"

#include "app/shell/session.h"
#include "app/unitLogin.h"
#include "app/unitPrincipal.h"
#include "db/connection.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

const QString kDb = QStringLiteral("qzt_principal");

// A program folder (with blanks in its name) holding a conexao.ini.
struct ProgramFolder
{
    QTemporaryDir dir {QDir::tempPath() + QStringLiteral("/Sistema CBM XXXXXX")};
    QString path() const { return dir.path(); }
    void writeIni(const QString &port, const QString &extra = {})
    {
        const ConnectionSettings s = TestDb::settings(kDb);
        QFile f(dir.filePath(QStringLiteral("conexao.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QStringLiteral("[Categoria 01]\nbd:=%1\nsenha:=qz_test\n[Categoria 02]\nservidor:=%2\n"
                               "[Categoria 04]\nporta:=%3\n%4")
                    .arg(kDb, s.host, port, extra)
                    .toUtf8());
    }
};

void logIn(TfrmPrincipal &w, const QString &rg, const QString &senha)
{
    TfrmLogin *login = w.frmLogin();
    QTRY_VERIFY(login->isVisible());
    login->findChild<QLineEdit *>(QStringLiteral("edtLogin"))->setText(rg);
    login->findChild<QLineEdit *>(QStringLiteral("edtSenha"))->setText(senha);
    login->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
}

// Runs fn on the next modal window once it is shown.
void onModal(std::function<void(QWidget *)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget *modal = nullptr;
        for (int i = 0; i < 200 && !modal; ++i) {
            modal = QApplication::activeModalWidget();
            if (!modal)
                QTest::qWait(10);
        }
        QVERIFY(modal);
        fn(modal);
    });
}

// Changes the fixture as the test user, then leaves the connection as a
// freshly started program finds it.
void fixture(const QString &sql)
{
    Connection::shared().setSettings(TestDb::settings(kDb));
    TestDb::exec(sql);
    Connection::shared().close();
    Connection::shared().setSettings(ConnectionSettings::builtIn());
}

} // namespace

class TstPrincipal : public QObject
{
    Q_OBJECT

    QString m_port;

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        m_port = QString::number(TestDb::settings(kDb).port);
        TestDb::create(kDb, false);
        // "bd:" names both the database and the user; the password is the built-in one.
        const QString pass = ConnectionSettings::builtIn().password;
        for (const char *host : {"127.0.0.1", "localhost"}) {
            TestDb::exec(QStringLiteral("create user if not exists '%1'@'%2' identified by '%3'")
                             .arg(kDb, QLatin1String(host), pass));
            TestDb::exec(QStringLiteral("grant all on `%1`.* to '%1'@'%2'").arg(kDb, QLatin1String(host)));
        }
    }

    void init()
    {
        Connection::shared().setSettings(TestDb::settings(kDb));
        Connection::shared().open();
        loadShellFixture();
        // As a freshly started program: only the built-in settings.
        Connection::shared().close();
        Connection::shared().setSettings(ConnectionSettings::builtIn());
    }

    void startsWithTheFileSettings()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        QVERIFY(!w.ended());
        const ConnectionSettings s = Connection::shared().settings();
        QCOMPARE(s.database, kDb);
        QCOMPARE(s.user, kDb);
        QCOMPARE(s.password, ConnectionSettings::builtIn().password);
        QVERIFY(Connection::shared().isOpen());
        QCOMPARE(w.caminhoRelatorio(),
                 QDir::toNativeSeparators(folder.path() + QStringLiteral("/relatorios/")));
        QCOMPARE(w.windowTitle(), QStringLiteral("Corpo de Bombeiros Militar - Sistema de Gerenciamento"));

        w.show();
        logIn(w, QStringLiteral("1001"), QStringLiteral("SENHA"));
        QVERIFY2(!w.ended(), qPrintable(msgs.texts().join(QLatin1Char('|'))));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbUsuarioLogado"))->text(),
                 QStringLiteral("ADMINISTRADOR"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbVersao"))->text(), QStringLiteral("58"));
        QVERIFY(msgs.texts().isEmpty());
    }

    void badPortStillReachesTheLogin()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(QStringLiteral("33o6"));
        TfrmPrincipal w(folder.path());
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Error).size(), 1);
        QVERIFY(msgs.last().contains(QStringLiteral("33o6")));
        QVERIFY(!w.ended());
        QCOMPARE(Connection::shared().settings().port, 3306);
        QCOMPARE(Connection::shared().settings().database, kDb);
        QVERIFY(w.caminhoRelatorio().isEmpty());
        w.show();
        QTRY_VERIFY(w.frmLogin()->isVisible());
    }

    void unreachableServerEndsTheProgram()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(QStringLiteral("1"));
        TfrmPrincipal w(folder.path());
        QVERIFY(w.ended());
        QCOMPARE(msgs.texts(),
                 QStringList {QStringLiteral("Não foi possivel estabelecer conexão com o servidor.!")});
    }

    void versionMustMatchExactly_data()
    {
        QTest::addColumn<QString>("versao");
        QTest::addColumn<bool>("ends");
        QTest::newRow("same") << "58" << false;
        QTest::newRow("trailing blank") << "58 " << true;
        QTest::newRow("leading zero") << "058" << true;
        QTest::newRow("older") << "57" << true;
    }
    void versionMustMatchExactly()
    {
        QFETCH(QString, versao);
        QFETCH(bool, ends);
        fixture(QStringLiteral("update configuracao set versao = '%1'").arg(versao));
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        QVERIFY2(!w.ended(), qPrintable(msgs.texts().join(QLatin1Char('|'))));
        w.show();
        logIn(w, QStringLiteral("2002"), QStringLiteral("ABC"));
        QCOMPARE(w.ended(), ends);
        QCOMPARE(msgs.contains(QStringLiteral("Atualize a versao do Sistema.")), ends);
    }

    void internetRequestsAskAtEachActivation()
    {
        fixture(QStringLiteral("insert into servico (SERVICO_CODIGO, CLIENTE_CODIGO, SITUACAO_CODIGO) "
                               "values (501, 77, 18), (502, 78, 18)"));
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        w.show();
        msgs.answerNo();
        logIn(w, QStringLiteral("1001"), QStringLiteral("SENHA"));
        const QString question = QStringLiteral("Solicitacao via internet encontrada. Deseja abrir?");
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Question), QStringList {question});
        QCOMPARE(msgs.entries().last().caption, QStringLiteral("Atenção!"));
        msgs.answerNo();
        w.FormActivate();
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Question).size(), 2);

        TestDb::exec(QStringLiteral("update servico set SITUACAO_CODIGO = 2"));
        w.FormActivate();
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Question).size(), 2);
        QCOMPARE(msgs.unexpectedQuestions(), 0);
    }

    void cancellingTheUserSwitchEndsTheProgram()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        w.show();
        logIn(w, QStringLiteral("1001"), QStringLiteral("SENHA"));
        QVERIFY(Session::instance().loggedIn());
        w.findChild<QWidget *>(QStringLiteral("imgTrocarUsuario"));
        w.imgTrocarUsuarioClick();
        QTRY_VERIFY(w.frmLogin()->isVisible());
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("lbUsuarioLogado"))->text().isEmpty());
        w.frmLogin()->findChild<QPushButton *>(QStringLiteral("btnCancelar"))->click();
        QVERIFY(w.ended());
    }

    void userSwitchShowsTheNewUser()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        w.show();
        logIn(w, QStringLiteral("1001"), QStringLiteral("SENHA"));
        w.imgTrocarUsuarioClick();
        logIn(w, QStringLiteral("2002"), QStringLiteral("ABC"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbUsuarioLogado"))->text(),
                 QStringLiteral("OPERADOR SEM PERMISSAO"));
        QVERIFY(!w.ended());
    }

    void technicalStandardsPage()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        QList<QUrl> opened;
        bool works = true;
        w.setUrlOpener([&](const QUrl &url) {
            opened << url;
            return works;
        });
        w.lbNormasTecnicasClick();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().toString().endsWith(
            QStringLiteral("/normastecnicas-revisao/normas-tecnicas.html")));
        QVERIFY(msgs.texts().isEmpty());
        works = false;
        w.lbNormasTecnicasClick();
        QCOMPARE(msgs.last(), QStringLiteral("Ocorreu um erro nÃ£o informado!"));
    }

    void withdrawingOwnAdministrationTakesEffectOnClose()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        w.show();
        logIn(w, QStringLiteral("1001"), QStringLiteral("SENHA"));

        onModal([](QWidget *admin) {
            QCOMPARE(admin->windowTitle(), QStringLiteral("Configuração do Sistema"));
            auto *ck = admin->findChild<QCheckBox *>(QStringLiteral("ckConfUsuario"));
            QVERIFY(ck->isChecked()); // ADM is first by short name
            ck->click();
            admin->findChild<QPushButton *>(QStringLiteral("btnSalvar"))->click();
            admin->close();
        });
        w.findChild<QAction *>(QStringLiteral("ConfigurarUsuarios1"))->trigger();
        QVERIFY(!Session::instance().has(Session::Permission::ConfUsuario));
        QVERIFY(msgs.texts().isEmpty());

        w.findChild<QAction *>(QStringLiteral("ConfigurarUsuarios1"))->trigger();
        QCOMPARE(msgs.texts(),
                 QStringList {QStringLiteral("Este usuário nao possui esta permissao para esta operacao.")});
        QVERIFY(!QApplication::activeModalWidget());
    }

    void upkeepTimerIsTwentySeconds()
    {
        ProgramFolder folder;
        folder.writeIni(m_port);
        TfrmPrincipal w(folder.path());
        auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 20000);
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstPrincipal test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_principal.moc"
