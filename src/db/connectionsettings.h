#pragma once

#include <QHash>
#include <QString>

// Where the shared connection goes. The built-in values come with the program;
// "conexao.ini" beside the program overrides host, port, database and user,
// never the password.
struct ConnectionSettings
{
    QString host;
    int port = 3306;
    QString database;
    QString user;
    QString password;

    static ConnectionSettings builtIn();
};

// A standard INI file as a map "section/key" -> value. Keys are kept exactly as
// written (conexao.ini's keys end in a colon); a missing file reads as empty.
class IniFile
{
public:
    static IniFile load(const QString &path);
    static IniFile parse(const QByteArray &content);
    // Missing section or key reads as empty text.
    QString value(const QString &section, const QString &key) const;

private:
    QHash<QString, QString> m_values;
};

namespace ConnectionFile {
inline const QString kFileName = QStringLiteral("conexao.ini");
inline const QString kDatabaseSection = QStringLiteral("Categoria 01");
inline const QString kDatabaseKey = QStringLiteral("bd:");
inline const QString kServerSection = QStringLiteral("Categoria 02");
inline const QString kServerKey = QStringLiteral("servidor:");
inline const QString kPortSection = QStringLiteral("Categoria 04");
inline const QString kPortKey = QStringLiteral("porta:");

// Applies the file's three entries to the settings, in the order the program
// has always read them: database (and the same value as user), host, port.
// A port that is not a whole decimal number raises ConversionError after the
// first three have been applied, leaving the port as it was.
void apply(const IniFile &file, ConnectionSettings &settings);
} // namespace ConnectionFile
