#pragma once

#include "db/connectionsettings.h"

#include <QString>
#include <QStringList>

// A throwaway database on the test server that scripts/test starts (its
// address comes in the QZ_TEST_DB_* variables). Each test program uses its own
// database, so test programs can run side by side.
namespace TestDb {

// True when the test server's address is known.
bool available();
// Message for QSKIP when it is not.
inline const char *kUnavailable = "no test database: run the suite with scripts/test";

ConnectionSettings settings(const QString &database);

// Drops and creates the database, loads the schema (and the demo data unless
// told otherwise), then points the shared connection at it and opens it.
void create(const QString &database, bool withDemo = true);

// Runs statements on the shared connection (fixtures; DDL allowed here).
void exec(const QString &sql);
// Loads an SQL file with the mariadb client.
void loadFile(const QString &database, const QString &path);

QString sourceDir();

} // namespace TestDb

// Skips the current Qt Test function when there is no test database.
#define REQUIRE_TEST_DB()                                                                                    \
    do {                                                                                                     \
        if (!TestDb::available())                                                                            \
            QSKIP(TestDb::kUnavailable);                                                                     \
    } while (false)
