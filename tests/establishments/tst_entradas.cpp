// The main window's entries to the establishment windows.
#include "estfixture.h"

#include "app/unitLogin.h"
#include "app/unitPrincipal.h"
#include "db/connection.h"
#include "establishments/unitLocalizaAtividade.h"
#include "establishments/unitPesqEmpresa.h"
#include "ui/clicklabel.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Est;

namespace {

const QString kDb = QStringLiteral("qzt_entradas");

// A program folder with a conexao.ini for the test database.
struct ProgramFolder
{
    QTemporaryDir dir;
    ProgramFolder()
    {
        const ConnectionSettings s = TestDb::settings(kDb);
        QFile f(dir.filePath(QStringLiteral("conexao.ini")));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write conexao.ini");
        f.write(QStringLiteral("[Categoria 01]\nbd:=%1\nsenha:=qz_test\n[Categoria 02]\nservidor:=%2\n"
                               "[Categoria 04]\nporta:=%3\n")
                    .arg(kDb, s.host)
                    .arg(s.port)
                    .toUtf8());
    }
};

} // namespace

class TstEntradas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(kDb);
        // The program logs in as the database's own user with its built-in password.
        const QString pass = ConnectionSettings::builtIn().password;
        for (const char *host : {"127.0.0.1", "localhost"}) {
            TestDb::exec(QStringLiteral("create user if not exists '%1'@'%2' identified by '%3'")
                             .arg(kDb, QLatin1String(host), pass));
            TestDb::exec(QStringLiteral("grant all on `%1`.* to '%1'@'%2'").arg(kDb, QLatin1String(host)));
        }
        // As a freshly started program: only the built-in settings.
        Connection::shared().close();
        Connection::shared().setSettings(ConnectionSettings::builtIn());
    }

    void tilesAndMenuOpenTheirWindows()
    {
        ScriptedMessages msgs;
        ProgramFolder folder;
        TfrmPrincipal w(folder.dir.path());
        QVERIFY(!w.ended());
        w.show();
        QTRY_VERIFY(w.frmLogin()->isVisible());
        get<QLineEdit>(w.frmLogin(), QStringLiteral("edtLogin"))->setText(QStringLiteral("1001"));
        get<QLineEdit>(w.frmLogin(), QStringLiteral("edtSenha"))->setText(QStringLiteral("SENHA"));
        get<QPushButton>(w.frmLogin(), QStringLiteral("btnOK"))->click();
        QVERIFY2(msgs.texts().isEmpty(), qPrintable(msgs.texts().join('|')));

        auto *tile = get<ClickLabel>(&w, QStringLiteral("imgContribuinte"));
        auto *label = get<ClickLabel>(&w, QStringLiteral("lbContribuinte"));
        auto *menu = get<QAction>(&w, QStringLiteral("Atividade1"));
        QVERIFY(tile->isEnabled() && label->isEnabled() && menu->isEnabled());

        // The search window; returning runs the activation checks, which now
        // find an internet request.
        onModal([](QWidget *m) {
            QVERIFY(qobject_cast<TfrmPesqEmpresa *>(m));
            QCOMPARE(m->windowTitle(), QStringLiteral("Buscar Empresas"));
            TestDb::exec(QStringLiteral("update servico set SITUACAO_CODIGO = 18 where SERVICO_CODIGO = 1"));
            get<QPushButton>(m, QStringLiteral("btnOK"))->click();
        });
        msgs.answerNo();
        QTest::mouseClick(tile, Qt::LeftButton);
        QCOMPARE(msgs.texts(),
                 QStringList {QStringLiteral("Solicitacao via internet encontrada. Deseja abrir?")});
        TestDb::exec(QStringLiteral("update servico set SITUACAO_CODIGO = 7 where SERVICO_CODIGO = 1"));

        onModal([](QWidget *m) {
            QVERIFY(qobject_cast<TfrmPesqEmpresa *>(m));
            m->close();
        });
        QTest::mouseClick(label, Qt::LeftButton);

        // The activity lookup without a caller tag: choosing writes nothing.
        onModal([](QWidget *m) {
            auto *d = qobject_cast<TfrmLocalizaAtividade *>(m);
            QVERIFY(d);
            QCOMPARE(d->tag(), QString());
            type(get<QLineEdit>(d, QStringLiteral("edtBusca")), QStringLiteral("POSTO"));
            QCOMPARE(d->zqLista.recordCount(), 1);
            get<QPushButton>(d, QStringLiteral("btnOK"))->click();
        });
        menu->trigger();
        QCOMPARE(msgs.texts().size(), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstEntradas test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_entradas.moc"
