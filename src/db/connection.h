#pragma once

#include "db/connectionsettings.h"

#include <QSqlDatabase>
#include <QString>

// The program's one database connection. Every query of every window runs on
// it; a statement run while it is closed opens it first. Every statement is
// committed on its own (auto-commit).
class Connection
{
public:
    static Connection &shared();

    void setSettings(const ConnectionSettings &settings);
    const ConnectionSettings &settings() const { return m_settings; }

    bool isOpen() const;
    // Opens with the current settings; DbError when the server cannot be reached.
    void open();
    void close();
    // Opens the connection when it is closed.
    void ensureOpen();

    // Upkeep run by the main window's keep-alive timer: a trivial statement;
    // on any error the connection is closed; a closed connection is opened
    // again. Only a failure of that reopening raises.
    void keepAlive();

    QSqlDatabase database() const;
    QString name() const { return m_name; }

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

private:
    Connection();
    QString m_name;
    ConnectionSettings m_settings;
};
