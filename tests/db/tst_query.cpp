#include "common/apperror.h"
#include "db/connection.h"
#include "db/query.h"
#include "support/testdb.h"

#include <QSignalSpy>
#include <QTest>

class TstQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_query"), false);
    }

    void init()
    {
        TestDb::exec(QStringLiteral("delete from servico_boleto"));
        TestDb::exec(QStringLiteral("delete from usuario"));
        TestDb::exec(QStringLiteral(
            "insert into usuario (USUARIO_CODIGO, rg, senha, USUARIO_NOME, USUARIO_GUERRA, ativo, "
            "cadServico, confUsuario) values "
            "(1, '100', 'A', 'ANA LIMA', 'LIMA', 'S', 'S', null), "
            "(2, '200', 'B', 'BRUNO COSTA', 'COSTA', 'S', 'N', 'S'), "
            "(3, '300', 'C', 'CARLA DIAS', 'DIAS', 'N', null, 'N')"));
    }

    void namedParameters()
    {
        Query q;
        q.addSql(QStringLiteral("select * from usuario where 1 = 1"));
        q.addSql(QStringLiteral(" and (rg = :rg or USUARIO_GUERRA = :rg)"));
        q.addSql(QStringLiteral(" and ativo = :at"));
        q.addSql(QStringLiteral("order by USUARIO_CODIGO"));
        q.addSql(QStringLiteral("limit 0,:tv"));
        QCOMPARE(q.paramNames(), (QStringList {"rg", "at", "tv"}));
        q.setParam(QStringLiteral("rg"), QStringLiteral("COSTA"));
        q.setParam(QStringLiteral("AT"), QStringLiteral("S"));
        q.setParam(QStringLiteral("tv"), 5);
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.text(QStringLiteral("USUARIO_NOME")), QStringLiteral("BRUNO COSTA"));

        q.close();
        q.clearSql();
        q.addSql(QStringLiteral("select * from usuario order by USUARIO_CODIGO limit 0,:tv"));
        q.setParam(QStringLiteral("tv"), 2);
        q.open();
        QCOMPARE(q.recordCount(), 2);
    }

    void operatorTextIsNeverSql()
    {
        const QString nasty = QStringLiteral("X' or '1'='1'; drop table usuario; -- :tv");
        Query q;
        q.setSql(QStringLiteral("select * from usuario where rg = :log and senha = :sen"));
        q.setParam(QStringLiteral("log"), nasty);
        q.setParam(QStringLiteral("sen"), nasty);
        q.open();
        QCOMPARE(q.recordCount(), 0);

        Query w;
        w.setSql(QStringLiteral("update usuario set USUARIO_NOME = :n where USUARIO_CODIGO = 1"));
        w.setParam(QStringLiteral("n"), QStringLiteral("D'ÁVILA \"ZÉ\" :x"));
        w.execSql();
        QCOMPARE(w.rowsAffected(), 1);
        Query r;
        r.setSql(QStringLiteral("select USUARIO_NOME from usuario where USUARIO_CODIGO = 1"));
        r.open();
        QCOMPARE(r.text(QStringLiteral("usuario_nome")), QStringLiteral("D'ÁVILA \"ZÉ\" :x"));
    }

    void navigation()
    {
        Query q;
        q.setSql(QStringLiteral("select * from usuario order by USUARIO_CODIGO"));
        q.open();
        QCOMPARE(q.recordCount(), 3);
        QCOMPARE(q.recNo(), 0);
        QStringList seen;
        for (q.first(); !q.eof(); q.next())
            seen << q.text(QStringLiteral("rg"));
        QCOMPARE(seen, (QStringList {"100", "200", "300"}));
        q.prior();
        QCOMPARE(q.text(QStringLiteral("rg")), QStringLiteral("200"));
        QVERIFY(q.locate(QStringLiteral("USUARIO_GUERRA"), QStringLiteral("DIAS")));
        QCOMPARE(q.intValue(QStringLiteral("USUARIO_CODIGO")), 3);
        QVERIFY(!q.locate(QStringLiteral("USUARIO_GUERRA"), QStringLiteral("NINGUEM")));
        QCOMPARE(q.recNo(), 2);
        QVERIFY_THROWS_EXCEPTION(DbError, q.value(QStringLiteral("nao_existe")));

        Query empty;
        empty.setSql(QStringLiteral("select * from usuario where 1 = 2"));
        empty.open();
        QVERIFY(empty.isEmpty());
        QVERIFY(empty.eof());
        QVERIFY(empty.value(QStringLiteral("rg")).isNull());
        QCOMPARE(empty.fieldNames().size(), q.fieldNames().size());
    }

    void nullYesNoReadsN()
    {
        Query q;
        q.setSql(QStringLiteral("select * from usuario where USUARIO_CODIGO = :c"));
        q.setParam(QStringLiteral("c"), 1);
        q.open();
        QVERIFY(q.isNull(QStringLiteral("confUsuario")));
        QCOMPARE(q.yesNo(QStringLiteral("confUsuario")), QStringLiteral("N"));
        QCOMPARE(q.yesNo(QStringLiteral("cadServico")), QStringLiteral("S"));
    }

    void editPostCancel()
    {
        Query q;
        q.setSql(QStringLiteral("select * from usuario where ativo = \"S\" order by USUARIO_GUERRA"));
        QSignalSpy states(&q, &Query::stateChanged);
        q.open();
        QCOMPARE(q.state(), Query::State::Browse);
        QVERIFY_THROWS_EXCEPTION(DbError, q.setValue(QStringLiteral("senha"), QStringLiteral("X")));

        q.edit();
        QCOMPARE(q.state(), Query::State::Edit);
        q.setValue(QStringLiteral("senha"), QStringLiteral("nova"));
        QCOMPARE(q.text(QStringLiteral("senha")), QStringLiteral("nova"));
        q.cancel();
        QCOMPARE(q.state(), Query::State::Browse);
        QCOMPARE(q.text(QStringLiteral("senha")), QStringLiteral("B"));

        int beforePost = 0;
        q.onBeforePost([&] { ++beforePost; });
        q.edit();
        q.setValue(QStringLiteral("senha"), QStringLiteral("nova"));
        q.setValue(QStringLiteral("cadBoleto"), QStringLiteral("S"));
        q.post();
        QCOMPARE(beforePost, 1);
        QCOMPARE(q.state(), Query::State::Browse);
        QCOMPARE(states.count(), 5); // open, edit, cancel, edit, post

        Query check;
        check.setSql(QStringLiteral("select senha, cadBoleto, rg from usuario where USUARIO_CODIGO = 2"));
        check.open();
        QCOMPARE(check.text(QStringLiteral("senha")), QStringLiteral("nova"));
        QCOMPARE(check.text(QStringLiteral("cadBoleto")), QStringLiteral("S"));
        QCOMPARE(check.text(QStringLiteral("rg")), QStringLiteral("200"));
    }

    void abortInBeforePostKeepsEditing()
    {
        Query q;
        q.setSql(QStringLiteral("select * from usuario order by USUARIO_CODIGO"));
        q.open();
        q.onBeforePost([] { throw Abort(); });
        q.edit();
        q.setValue(QStringLiteral("senha"), QStringLiteral("Z"));
        QVERIFY_THROWS_EXCEPTION(Abort, q.post());
        QCOMPARE(q.state(), Query::State::Edit);
        QCOMPARE(q.text(QStringLiteral("senha")), QStringLiteral("Z"));
    }

    void insertReadsBackKeyAndDefaults()
    {
        Query q;
        q.setSql(QStringLiteral("select * from servico_boleto where 1 = 2"));
        q.open();
        int afterInsert = 0;
        q.onAfterInsert([&] {
            ++afterInsert;
            q.setValue(QStringLiteral("usuario"), QStringLiteral("LIMA"));
        });
        q.insert();
        QCOMPARE(q.state(), Query::State::Insert);
        QCOMPARE(afterInsert, 1);
        q.setValue(QStringLiteral("codServico"), QStringLiteral("7"));
        q.setValue(QStringLiteral("valor"), 123.45);
        q.setValue(QStringLiteral("dataVencimento"), QDate(2026, 12, 20));
        q.post();
        const int key = q.intValue(QStringLiteral("idServicoBoleto"));
        QVERIFY(key > 0);
        QCOMPARE(q.lastInsertId().toInt(), key);
        QCOMPARE(q.text(QStringLiteral("remessa")), QStringLiteral("GERADA"));
        QCOMPARE(q.intValue(QStringLiteral("codServico")), 7);
        QCOMPARE(q.recordCount(), 1);

        q.insert();
        q.setValue(QStringLiteral("codServico"), 8);
        q.post();
        QVERIFY(q.intValue(QStringLiteral("idServicoBoleto")) > key);
        QCOMPARE(q.recordCount(), 2);

        // Empty text in a number column is a null, not a failed conversion.
        q.edit();
        q.setValue(QStringLiteral("valor"), QString());
        QVERIFY(q.isNull(QStringLiteral("valor")));
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 q.setValue(QStringLiteral("codServico"), QStringLiteral("x1")));
        q.cancel();
    }

    void removeAndRefresh()
    {
        Query q;
        q.setSql(QStringLiteral("select * from usuario order by USUARIO_CODIGO"));
        q.open();
        QVERIFY(q.locate(QStringLiteral("rg"), QStringLiteral("300")));
        TestDb::exec(
            QStringLiteral("update usuario set USUARIO_NOME = 'OUTRO NOME' where USUARIO_CODIGO = 3"));
        TestDb::exec(QStringLiteral("insert into usuario (USUARIO_CODIGO, rg) values (0, '050')"));
        q.refresh();
        QCOMPARE(q.recordCount(), 4);
        QCOMPARE(q.text(QStringLiteral("rg")), QStringLiteral("300"));
        QCOMPARE(q.text(QStringLiteral("USUARIO_NOME")), QStringLiteral("OUTRO NOME"));

        q.remove();
        QCOMPARE(q.recordCount(), 3);
        Query count;
        count.setSql(QStringLiteral("select count(*) as n from usuario where USUARIO_CODIGO = 3"));
        count.open();
        QCOMPARE(count.int64Value(QStringLiteral("n")), 0);
    }

    void serverErrorsCarryTheServersText()
    {
        Query q;
        q.setSql(QStringLiteral("select * from tabela_que_nao_existe"));
        try {
            q.open();
            QFAIL("no error raised");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("tabela_que_nao_existe")), qPrintable(e.text()));
        }
        QVERIFY(!q.isActive());
    }
};

QTEST_GUILESS_MAIN(TstQuery)
#include "tst_query.moc"
