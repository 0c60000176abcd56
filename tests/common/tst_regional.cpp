#include "common/apperror.h"
#include "common/clock.h"
#include "common/regional.h"

#include <QLocale>
#include <QTest>

class TstRegional : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The program's formats must not follow the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void formatMoney_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("grouped") << 1234.5 << "1.234,50";
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("small") << 0.5 << "0,50";
        QTest::newRow("millions") << 1234567.891 << "1.234.567,89";
        QTest::newRow("exact thousand") << 1000.0 << "1.000,00";
        QTest::newRow("half cent up") << 2.675 << "2,68";
        QTest::newRow("negative") << -1234.5 << "-1.234,50";
        QTest::newRow("hundreds") << 999.999 << "1.000,00";
    }
    void formatMoney()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Regional::formatMoney(value), text);
    }

    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("grouped") << "1.234,50" << true << 1234.5;
        QTest::newRow("plain comma") << "1234,5" << true << 1234.5;
        QTest::newRow("whole") << "1234" << true << 1234.0;
        QTest::newRow("blanks") << "  12,25 " << true << 12.25;
        QTest::newRow("negative") << "-3,2" << true << -3.2;
        QTest::newRow("round trip") << Regional::formatMoney(98765.43) << true << 98765.43;
        QTest::newRow("bad grouping") << "1.5" << false << 0.0;
        QTest::newRow("point decimal") << "12.50" << false << 0.0;
        QTest::newRow("letters") << "12a" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    }
    void parseNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = Regional::parseNumber(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
        else
            QVERIFY_THROWS_EXCEPTION(ConversionError, Regional::toNumber(text));
    }

    void toInt()
    {
        QCOMPARE(Regional::toInt(QStringLiteral("3306")), 3306);
        QCOMPARE(Regional::toInt(QStringLiteral(" 42 ")), 42);
        for (const char *bad : {"", "abc", "33o6", "12.5", "99999999999"})
            QVERIFY_THROWS_EXCEPTION(ConversionError, Regional::toInt(QString::fromLatin1(bad)));
    }

    void dates()
    {
        QCOMPARE(Regional::formatDate(QDate(2026, 3, 7)), QStringLiteral("07/03/2026"));
        QCOMPARE(Regional::parseDate(QStringLiteral("07/03/2026")), QDate(2026, 3, 7));
        QVERIFY(Regional::parseDate(QStringLiteral("  /  /    ")).isNull());
        QVERIFY_THROWS_EXCEPTION(ConversionError, Regional::parseDate(QStringLiteral("31/02/2026")));
    }

    void clockCanBeFixed()
    {
        FixedClock fixed(QDateTime(QDate(2025, 2, 22), QTime(9, 30)));
        Clock::install(&fixed);
        QCOMPARE(Clock::instance().today(), QDate(2025, 2, 22));
        Clock::install(nullptr);
        QVERIFY(Clock::instance().today() != QDate(2025, 2, 22)
                || QDate::currentDate() == QDate(2025, 2, 22));
    }
};

QTEST_APPLESS_MAIN(TstRegional)
#include "tst_regional.moc"
