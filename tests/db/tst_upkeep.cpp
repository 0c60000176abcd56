// The keep-alive upkeep against a server of the test's own, stopped and
// started again inside the test (the shared test server is left alone).
#include "common/apperror.h"
#include "db/connection.h"
#include "db/query.h"
#include "support/testdb.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString lastOutput;

bool runScript(const QString &command)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source '%1/scripts/lib.sh' && %2").arg(TestDb::sourceDir(), command)});
    const bool finished = p.waitForFinished(120000);
    lastOutput = QString::fromUtf8(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A port no other test program of this run picks: scripts/test uses 33400-33500.
int freePort()
{
    for (int port = 34000 + int(QCoreApplication::applicationPid() % 3000);; ++port)
        if (!runScript(QStringLiteral("(exec 3<>/dev/tcp/127.0.0.1/%1) 2>/dev/null").arg(port)))
            return port;
}

} // namespace

class TstUpkeep : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir {QStringLiteral("/tmp/qzup.XXXXXX")};
    int m_port = 0;

    bool start() { return runScript(QStringLiteral("db_start '%1' %2").arg(m_dir.path()).arg(m_port)); }
    bool stop() { return runScript(QStringLiteral("db_stop '%1'").arg(m_dir.path())); }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        m_port = freePort();
        QVERIFY2(start(), qPrintable(lastOutput));
        QVERIFY(runScript(
            QStringLiteral("db_sql '%1' -e \"CREATE USER 'qz_up'@'127.0.0.1' IDENTIFIED BY 'segredo'; "
                           "CREATE DATABASE up; GRANT ALL ON up.* TO 'qz_up'@'127.0.0.1'\"")
                .arg(m_dir.path())));
        ConnectionSettings s;
        s.host = QStringLiteral("127.0.0.1");
        s.port = m_port;
        s.database = QStringLiteral("up");
        s.user = QStringLiteral("qz_up");
        s.password = QStringLiteral("segredo");
        Connection::shared().setSettings(s);
        Connection::shared().open();
    }

    void cleanupTestCase()
    {
        Connection::shared().close();
        stop();
    }

    void serverRestartIsAbsorbed()
    {
        Connection &conn = Connection::shared();
        conn.keepAlive();
        QVERIFY(conn.isOpen());

        QVERIFY2(stop(), qPrintable(lastOutput));
        // While the server is away a window's statement fails with the server's text...
        Query q;
        q.setSql(QStringLiteral("select 1 as um"));
        QVERIFY_THROWS_EXCEPTION(DbError, q.open());
        // ...and the upkeep cannot reopen: that failure is reported to the caller.
        QVERIFY_THROWS_EXCEPTION(DbError, conn.keepAlive());

        QVERIFY2(start(), qPrintable(lastOutput));
        conn.keepAlive();
        QVERIFY(conn.isOpen());
        q.open();
        QCOMPARE(q.intValue(QStringLiteral("um")), 1);
    }

    void restartWhileIdleNeedsOneTick()
    {
        Connection &conn = Connection::shared();
        conn.keepAlive();
        QVERIFY2(stop(), qPrintable(lastOutput));
        QVERIFY2(start(), qPrintable(lastOutput));
        // The connection still looks open, but the server dropped it: one
        // upkeep tick closes it and opens it again without raising.
        conn.keepAlive();
        Query q;
        q.setSql(QStringLiteral("select current_timestamp as agora"));
        q.open();
        QVERIFY(q.dateTime(QStringLiteral("agora")).isValid());
    }
};

QTEST_GUILESS_MAIN(TstUpkeep)
#include "tst_upkeep.moc"
