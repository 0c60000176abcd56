#include "db/connection.h"

#include "common/apperror.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
const QString kKeepAliveStatement = QStringLiteral("SELECT current_timestamp;");
}

Connection &Connection::shared()
{
    static Connection connection;
    return connection;
}

Connection::Connection() : m_name(QStringLiteral("conexao")), m_settings(ConnectionSettings::builtIn())
{ }

void Connection::setSettings(const ConnectionSettings &settings)
{
    m_settings = settings;
}

QSqlDatabase Connection::database() const
{
    if (!QSqlDatabase::contains(m_name))
        return QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
    return QSqlDatabase::database(m_name, false);
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void Connection::open()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
    db.setHostName(m_settings.host);
    db.setPort(m_settings.port);
    db.setDatabaseName(m_settings.database);
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10;MYSQL_OPT_READ_TIMEOUT=60;"
                                        "MYSQL_OPT_WRITE_TIMEOUT=60"));
    if (!db.open()) {
        const QSqlError err = db.lastError();
        throw DbError(err.text(), err.nativeErrorCode());
    }
    QSqlQuery setup(db);
    setup.exec(QStringLiteral("SET NAMES utf8mb4"));
}

void Connection::close()
{
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::database(m_name, false).close();
}

void Connection::ensureOpen()
{
    if (!isOpen())
        open();
}

void Connection::keepAlive()
{
    if (isOpen()) {
        QSqlQuery ping(database());
        if (!ping.exec(kKeepAliveStatement))
            close();
    }
    if (!isOpen())
        open();
}
