#include "common/apperror.h"
#include "db/connectionsettings.h"

#include <QTemporaryDir>
#include <QTest>

class TstConnectionSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileOverridesBuiltIns_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");

        QTest::newRow("one entry feeds database and user")
            << QByteArray("[Categoria 01]\nbd:=vistorias\n[Categoria 02]\nservidor:=srv01\n"
                          "[Categoria 04]\nporta:=3307\n")
            << "vistorias"
            << "vistorias"
            << "srv01" << 3307;
        QTest::newRow("password key and other sections ignored")
            << QByteArray("[Categoria 01]\nbd:=cbm\nsenha:=outra\npassword=outra\n"
                          "[Categoria 03]\nusuario:=root\nbd:=errado\n[Categoria 02]\n"
                          "servidor:=10.1.1.5\n[Categoria 04]\nporta:=3306\n")
            << "cbm"
            << "cbm"
            << "10.1.1.5" << 3306;
        QTest::newRow("windows line ends and blanks")
            << QByteArray("\xEF\xBB\xBF[Categoria 01]\r\nbd: = cbm\r\n[Categoria 02]\r\n"
                          "servidor:=host\r\n[Categoria 04]\r\nporta:=3310\r\n")
            << "cbm"
            << "cbm"
            << "host" << 3310;
        QTest::newRow("keys without the colon are other keys")
            << QByteArray("[Categoria 01]\nbd=x\nbd:=y\n[Categoria 02]\nservidor=a\nservidor:=b\n"
                          "[Categoria 04]\nporta=1\nporta:=2\n")
            << "y"
            << "y"
            << "b" << 2;
    }
    void fileOverridesBuiltIns()
    {
        QFETCH(QByteArray, file);
        ConnectionSettings s = ConnectionSettings::builtIn();
        const QString password = s.password;
        ConnectionFile::apply(IniFile::parse(file), s);
        QTEST(s.database, "database");
        QTEST(s.user, "user");
        QTEST(s.host, "host");
        QTEST(s.port, "port");
        QCOMPARE(s.password, password);
    }

    void badPortKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("letters") << QByteArray("[Categoria 01]\nbd:=cbm\n[Categoria 02]\nservidor:=srv\n"
                                               "[Categoria 04]\nporta:=abc\n");
        QTest::newRow("missing key") << QByteArray(
            "[Categoria 01]\nbd:=cbm\n[Categoria 02]\nservidor:=srv\n");
    }
    void badPortKeepsTheRest()
    {
        QFETCH(QByteArray, file);
        ConnectionSettings s = ConnectionSettings::builtIn();
        QVERIFY_THROWS_EXCEPTION(ConversionError, ConnectionFile::apply(IniFile::parse(file), s));
        QCOMPARE(s.database, QStringLiteral("cbm"));
        QCOMPARE(s.user, QStringLiteral("cbm"));
        QCOMPARE(s.host, QStringLiteral("srv"));
        QCOMPARE(s.port, 3306);
    }

    void missingFileReadsEmpty()
    {
        QTemporaryDir dir;
        const IniFile ini = IniFile::load(dir.filePath(QStringLiteral("conexao.ini")));
        ConnectionSettings s = ConnectionSettings::builtIn();
        QVERIFY_THROWS_EXCEPTION(ConversionError, ConnectionFile::apply(ini, s));
        QVERIFY(s.database.isEmpty());
        QVERIFY(s.user.isEmpty());
        QVERIFY(s.host.isEmpty());
        QCOMPARE(s.port, 3306);
    }

    void builtInsAreTheProgramsOwn()
    {
        const ConnectionSettings s = ConnectionSettings::builtIn();
        QCOMPARE(s.database, QStringLiteral("quilmar03"));
        QCOMPARE(s.user, QStringLiteral("quilmar03"));
        QCOMPARE(s.port, 3306);
        QVERIFY(!s.password.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TstConnectionSettings)
#include "tst_connectionsettings.moc"
