#include "appfixture.h"

#include "app/shell/session.h"
#include "app/shell/shell.h"
#include "app/unitConfUsuario.h"
#include "common/apperror.h"
#include "db/query.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QString stored(const QString &column, int codigo)
{
    Query q;
    q.setSql(QStringLiteral("select * from usuario where USUARIO_CODIGO = :c"));
    q.setParam(QStringLiteral("c"), codigo);
    q.open();
    return q.isEmpty() ? QStringLiteral("<none>") : q.text(column);
}
} // namespace

class TstConfUsuario : public QObject
{
    Q_OBJECT

    BasicShell *shell = nullptr;
    TfrmConfUsuario *w = nullptr;

    template<typename T> T *get(const char *name)
    {
        T *c = w->findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("control %s not found", name);
        return c;
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_confusuario"), false);
    }

    void init()
    {
        loadShellFixture();
        shell = new BasicShell;
        w = new TfrmConfUsuario;
        w->show();
    }

    void cleanup()
    {
        delete w;
        delete shell;
    }

    void permissionFlags_data()
    {
        QTest::addColumn<int>("permission");
        QTest::addColumn<QVariant>("flag");
        QTest::addColumn<QString>("refusal");
        const QString longText = QStringLiteral("Este usuário nao possui esta permissao para esta operacao.");
        const QString shortText = QStringLiteral("Usuario sem permissao.");
        using P = Session::Permission;
        const QList<std::pair<P, QString>> flags = {{P::CadServico, longText},
                                                    {P::CadBoleto, longText},
                                                    {P::ConfUsuario, longText},
                                                    {P::RemoverServico, shortText},
                                                    {P::RemoverBoleto, shortText}};
        for (const auto &[p, text] : flags) {
            const QString col = Session::column(p);
            QTest::addRow("%s S", qPrintable(col)) << int(p) << QVariant(QStringLiteral("S")) << QString();
            for (const QVariant &v : {QVariant(QStringLiteral("s")), QVariant(QStringLiteral(" S")),
                                      QVariant(QStringLiteral("N")), QVariant(QString()), QVariant()})
                QTest::addRow("%s '%s'%s", qPrintable(col), qPrintable(v.toString()),
                              v.isNull() ? " null" : "")
                    << int(p) << v << text;
        }
    }
    void permissionFlags()
    {
        QFETCH(int, permission);
        QFETCH(QVariant, flag);
        QFETCH(QString, refusal);
        ScriptedMessages msgs;
        const auto p = Session::Permission(permission);
        Session::instance().login({{Session::column(p), flag}});
        if (refusal.isEmpty()) {
            Session::instance().require(p);
            QVERIFY(msgs.texts().isEmpty());
        } else {
            QVERIFY_THROWS_EXCEPTION(Abort, Session::instance().require(p));
            QCOMPARE(msgs.texts(), QStringList {refusal});
        }
    }

    void listsOnlyActiveUsersByShortName()
    {
        auto *picker = get<QComboBox>("cbUsuario");
        QCOMPARE(picker->count(), 3);
        QCOMPARE(picker->itemText(0), QStringLiteral("ADM"));
        QCOMPARE(picker->itemText(1), QStringLiteral("OPER"));
        QCOMPARE(picker->itemText(2), QStringLiteral("OUTR"));
        QCOMPARE(get<QLabel>("lbRg")->text(), QStringLiteral("1001"));
        QVERIFY(!get<QPushButton>("btnSalvar")->isEnabled());
    }

    void savesFlagsAndResetsThePassword()
    {
        ScriptedMessages msgs;
        auto *picker = get<QComboBox>("cbUsuario");
        picker->setCurrentIndex(1);
        Q_EMIT picker->activated(1);
        QCOMPARE(get<QLabel>("lbRg")->text(), QStringLiteral("2002"));
        QVERIFY(get<QPushButton>("btnSalvar")->isEnabled()); // choosing a user edits it
        get<QCheckBox>("ckCadBoleto")->click();
        get<QCheckBox>("ckRemoverServico")->click();
        get<QLineEdit>("edtSenha")->clear();
        get<QPushButton>("btnSalvar")->click();
        QVERIFY(!get<QPushButton>("btnSalvar")->isEnabled());
        QCOMPARE(stored(QStringLiteral("cadBoleto"), 2), QStringLiteral("S"));
        QCOMPARE(stored(QStringLiteral("removerServico"), 2), QStringLiteral("S"));
        QCOMPARE(stored(QStringLiteral("cadServico"), 2), QStringLiteral("N"));
        QCOMPARE(stored(QStringLiteral("senha"), 2), QStringLiteral("2002"));

        // A typed password keeps its case.
        get<QPushButton>("btnAlterar")->click();
        get<QLineEdit>("edtSenha")->clear();
        QTest::keyClicks(get<QLineEdit>("edtSenha"), QStringLiteral("Nova9"));
        get<QPushButton>("btnSalvar")->click();
        QCOMPARE(stored(QStringLiteral("senha"), 2), QStringLiteral("Nova9"));
        // A null flag shows unchecked and is written "N" once touched.
        picker->setCurrentIndex(2);
        Q_EMIT picker->activated(2);
        QVERIFY(!get<QCheckBox>("ckCadBoleto")->isChecked());
        get<QCheckBox>("ckConfUsuario")->click();
        get<QCheckBox>("ckConfUsuario")->click();
        get<QPushButton>("btnSalvar")->click();
        QCOMPARE(stored(QStringLiteral("confUsuario"), 4), QStringLiteral("N"));
        QVERIFY(msgs.texts().isEmpty());
    }

    void closeGuardAndCancel()
    {
        ScriptedMessages msgs;
        get<QPushButton>("btnAlterar")->click();
        get<QCheckBox>("ckCadServico")->click();
        w->close();
        QVERIFY(w->isVisible());
        QCOMPARE(msgs.texts(),
                 QStringList {
                     QStringLiteral("Há um cadastro em aberto. É necessário salvar ou cancelar o mesmo!")});
        get<QPushButton>("btnCancelar")->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(stored(QStringLiteral("cadServico"), 1), QStringLiteral("S"));
    }

    void removeAsksFirst()
    {
        ScriptedMessages msgs;
        msgs.answerNo();
        get<QPushButton>("btnRemover")->click();
        QCOMPARE(stored(QStringLiteral("rg"), 1), QStringLiteral("1001"));
        msgs.answerYes();
        get<QPushButton>("btnRemover")->click();
        QCOMPARE(stored(QStringLiteral("rg"), 1), QStringLiteral("<none>"));
        QCOMPARE(msgs.texts(),
                 (QStringList {"Deseja mesmo remover este Registro?", "Deseja mesmo remover este Registro?",
                               "Removido com sucesso."}));
        QCOMPARE(get<QLabel>("lbRg")->text(), QStringLiteral("2002"));
        get<QPushButton>("btnRemover2")->click(); // no action
        QCOMPARE(msgs.texts().size(), 3);
    }

    void ufirIsSavedOnlyWhenConfirmed()
    {
        ScriptedMessages msgs;
        auto *ufir = get<QLineEdit>("edtUfir");
        QCOMPARE(ufir->text(), QStringLiteral("3,7"));
        ufir->clear();
        QTest::keyClicks(ufir, QStringLiteral("4,12"));
        get<QPushButton>("btnConfirmarUfir")->click();
        Query conf;
        conf.setSql(QStringLiteral("select ufir from configuracao"));
        conf.open();
        QCOMPARE(conf.doubleValue(QStringLiteral("ufir")), 4.12);

        ufir->clear();
        QTest::keyClicks(ufir, QStringLiteral("9,99"));
        w->close();
        conf.refresh();
        QCOMPARE(conf.doubleValue(QStringLiteral("ufir")), 4.12);
        QVERIFY(msgs.texts().isEmpty());
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstConfUsuario test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_confusuario.moc"
