#include "common/apperror.h"
#include "ui/guard.h"
#include "ui/scriptedmessages.h"
#include "ui/textboxes.h"

#include <QPushButton>
#include <QTest>

namespace {
class Thrower : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw AppError(QStringLiteral("falha no evento"));
        return QObject::event(e);
    }
};
} // namespace

class TstUiKit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scriptedMessagesRecordAndAnswer()
    {
        ScriptedMessages msgs;
        msgs.answerYes();
        msgs.answerNo();
        Msg::show(QStringLiteral("um"));
        QVERIFY(Msg::ask(QStringLiteral("dois?")));
        QVERIFY(!Msg::ask(QStringLiteral("três?")));
        QVERIFY(!Msg::ask(QStringLiteral("sem resposta?")));
        Msg::warning(QStringLiteral("Erro - Aviso do Sistema"), QStringLiteral("quatro"));
        QCOMPARE(msgs.texts(), (QStringList {"um", "dois?", "três?", "sem resposta?", "quatro"}));
        QCOMPARE(msgs.entries().at(1).caption, QStringLiteral("Atenção!"));
        QCOMPARE(msgs.entries().at(4).caption, QStringLiteral("Erro - Aviso do Sistema"));
        QCOMPARE(msgs.unexpectedQuestions(), 1);
    }

    void guardReportsAndGoesOn()
    {
        ScriptedMessages msgs;
        QPushButton button;
        int clicks = 0;
        onSignal(&button, &QPushButton::clicked, &button, [&] {
            ++clicks;
            if (clicks == 1)
                throw DbError(QStringLiteral("Lost connection to server during query"));
            if (clicks == 2)
                throw Abort();
            throw std::runtime_error("ação inválida");
        });
        button.click();
        button.click();
        button.click();
        QCOMPARE(clicks, 3);
        QCOMPARE(msgs.texts(ScriptedMessages::Kind::Error),
                 (QStringList {"Lost connection to server during query", "ação inválida"}));
    }

    void applicationNotifyIsTheLastNet()
    {
        ScriptedMessages msgs;
        Thrower t;
        QEvent e(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&t, &e));
        QCOMPARE(msgs.last(), QStringLiteral("falha no evento"));
    }

    void typingRules_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("upper") << 0 << "rua 7, qd. b"
                               << "RUA 7, QD. B";
        QTest::newRow("digits") << 1 << "12.345-6a7"
                                << "1234567";
        QTest::newRow("area") << 2 << "1.250,5 m2"
                              << "1250,52";
    }
    void typingRules()
    {
        QFETCH(int, rule);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit edit;
        if (rule == 0)
            makeUpperCase(&edit);
        else if (rule == 1)
            makeDigitsOnly(&edit);
        else
            makeDigitsAndComma(&edit);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), shown);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), shown.chopped(1));
    }

    void upperCaseAccents()
    {
        QLineEdit edit;
        makeUpperCase(&edit);
        for (QChar ch : QStringLiteral("ação"))
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(edit.text(), QStringLiteral("AÇÃO"));
    }

    void dateBox()
    {
        DateBox box;
        QVERIFY(box.isBlank());
        QVERIFY(box.date().isNull());
        QTest::keyClicks(&box, QStringLiteral("07032026"));
        QCOMPARE(box.date(), QDate(2026, 3, 7));
        box.setText(QStringLiteral("31/02/2026"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, box.date());
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstUiKit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_uikit.moc"
