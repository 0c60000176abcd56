#include "db/connectionsettings.h"

#include "common/regional.h"

#include <QFile>
#include <QStringDecoder>

ConnectionSettings ConnectionSettings::builtIn()
{
    ConnectionSettings s;
    s.host = QStringLiteral(QZ_DB_HOST);
    s.port = 3306;
    s.database = QStringLiteral("quilmar03");
    s.user = QStringLiteral("quilmar03");
    s.password = QStringLiteral(QZ_DB_PASSWORD);
    return s;
}

IniFile IniFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

IniFile IniFile::parse(const QByteArray &content)
{
    // The file is written by hand on Windows machines: accept UTF-8 and fall
    // back to Windows-1252 when the bytes are not valid UTF-8.
    auto utf8 = QStringDecoder(QStringDecoder::Utf8);
    QString text = utf8.decode(content);
    if (utf8.hasError()) {
        auto ansi = QStringDecoder("windows-1252");
        text = ansi.isValid() ? QString(ansi.decode(content)) : QString::fromLatin1(content);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    IniFile ini;
    QString section;
    const auto lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString compound = section.toLower() + QLatin1Char('/') + key.toLower();
        if (!ini.m_values.contains(compound)) // the first occurrence wins
            ini.m_values.insert(compound, line.mid(eq + 1).trimmed());
    }
    return ini;
}

QString IniFile::value(const QString &section, const QString &key) const
{
    return m_values.value(section.toLower() + QLatin1Char('/') + key.toLower());
}

namespace ConnectionFile {

void apply(const IniFile &file, ConnectionSettings &settings)
{
    settings.database = file.value(kDatabaseSection, kDatabaseKey);
    settings.user = file.value(kDatabaseSection, kDatabaseKey);
    settings.host = file.value(kServerSection, kServerKey);
    settings.port = Regional::toInt(file.value(kPortSection, kPortKey));
}

} // namespace ConnectionFile
