#include "testdb.h"

#include "common/apperror.h"
#include "db/connection.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlError>
#include <QSqlQuery>

namespace TestDb {

namespace {
QString env(const char *name)
{
    return QProcessEnvironment::systemEnvironment().value(QString::fromLatin1(name));
}
} // namespace

bool available()
{
    return !env("QZ_TEST_DB_PORT").isEmpty() && !env("QZ_TEST_DB_USER").isEmpty();
}

QString sourceDir()
{
    const QString dir = env("QZ_SOURCE_DIR");
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

ConnectionSettings settings(const QString &database)
{
    ConnectionSettings s;
    s.host = env("QZ_TEST_DB_HOST").isEmpty() ? QStringLiteral("127.0.0.1") : env("QZ_TEST_DB_HOST");
    s.port = env("QZ_TEST_DB_PORT").toInt();
    s.user = env("QZ_TEST_DB_USER");
    s.password = env("QZ_TEST_DB_PASSWORD");
    s.database = database;
    return s;
}

void exec(const QString &sql)
{
    Connection::shared().ensureOpen();
    QSqlQuery q(Connection::shared().database());
    if (!q.exec(sql))
        throw DbError(q.lastError().text() + QStringLiteral(" [") + sql + QLatin1Char(']'));
}

void loadFile(const QString &database, const QString &path)
{
    const ConnectionSettings s = settings(database);
    QProcess p;
    p.setStandardInputFile(path);
    p.start(QStringLiteral("mariadb"),
            {QStringLiteral("--no-defaults"), QStringLiteral("-h") + s.host,
             QStringLiteral("-P") + QString::number(s.port), QStringLiteral("-u") + s.user,
             QStringLiteral("-p") + s.password, database});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw DbError(
            QStringLiteral("loading %1 failed: %2").arg(path, QString::fromUtf8(p.readAllStandardError())));
}

void create(const QString &database, bool withDemo)
{
    Connection &conn = Connection::shared();
    conn.close();
    conn.setSettings(settings(QString()));
    conn.open();
    exec(QStringLiteral("drop database if exists `%1`").arg(database));
    exec(QStringLiteral("create database `%1` character set utf8mb4 collate utf8mb4_unicode_ci")
             .arg(database));
    conn.close();
    loadFile(database, sourceDir() + QStringLiteral("/sql/schema.sql"));
    if (withDemo)
        loadFile(database, sourceDir() + QStringLiteral("/sql/demo.sql"));
    conn.setSettings(settings(database));
    conn.open();
}

} // namespace TestDb
