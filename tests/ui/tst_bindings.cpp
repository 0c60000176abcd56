#include "db/query.h"
#include "support/testdb.h"
#include "ui/fieldlink.h"
#include "ui/guard.h"
#include "ui/querymodel.h"
#include "ui/scriptedmessages.h"
#include "ui/textboxes.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTest>

class TstBindings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_TEST_DB();
        TestDb::create(QStringLiteral("qzt_bindings"), false);
    }

    void init()
    {
        TestDb::exec(QStringLiteral("delete from cliente"));
        TestDb::exec(QStringLiteral("delete from localidade"));
        TestDb::exec(QStringLiteral("insert into localidade (LOC_NU_SEQUENCIAL, LOC_NO) values "
                                    "(1, 'QUIRINOPOLIS'), (2, 'ARAGUAIA'), (3, 'BELA VISTA')"));
        TestDb::exec(QStringLiteral(
            "insert into cliente (CLIENTE_CODIGO, CLIENTE_RAZAO_SOCIAL, LOC_NU_SEQUENCIAL, isento, "
            "impresso, CLIENTE_DATA_CADASTRO, situacao, valorTaxa) values "
            "(10, 'PADARIA PAO BOM', 2, 'S', null, '2024-05-02', 'MEI', 150.5), "
            "(11, 'OFICINA DO ZE', 3, null, 'S', null, 'EM BAIXA', null)"));
    }

    void controlsFollowAndWriteTheRow()
    {
        ScriptedMessages msgs;
        Query cidades;
        cidades.setSql(QStringLiteral("select * from localidade order by LOC_NO"));
        cidades.open();
        Query q;
        q.setSql(QStringLiteral("select * from cliente order by CLIENTE_CODIGO"));
        q.open();

        QLineEdit razao;
        makeUpperCase(&razao);
        QCheckBox isento;
        QComboBox situacao;
        situacao.addItems({"EM ATIVIDADE", "EM BAIXA", "MEI"});
        QComboBox cidade;
        DateBox cadastro;
        QLineEdit taxa;
        QLabel codigo;
        Bind::lineEdit(&razao, &q, QStringLiteral("CLIENTE_RAZAO_SOCIAL"));
        Bind::checkBox(&isento, &q, QStringLiteral("isento"));
        Bind::comboBox(&situacao, &q, QStringLiteral("situacao"));
        Bind::lookupCombo(&cidade, &q, QStringLiteral("LOC_NU_SEQUENCIAL"), &cidades,
                          QStringLiteral("LOC_NU_SEQUENCIAL"), QStringLiteral("LOC_NO"));
        Bind::dateBox(&cadastro, &q, QStringLiteral("CLIENTE_DATA_CADASTRO"));
        Bind::numberEdit(&taxa, &q, QStringLiteral("valorTaxa"));
        Bind::label(&codigo, &q, QStringLiteral("CLIENTE_CODIGO"));

        QCOMPARE(razao.text(), QStringLiteral("PADARIA PAO BOM"));
        QVERIFY(isento.isChecked());
        QCOMPARE(situacao.currentText(), QStringLiteral("MEI"));
        QCOMPARE(cidade.count(), 3);
        QCOMPARE(cidade.currentText(), QStringLiteral("ARAGUAIA"));
        QCOMPARE(cadastro.text(), QStringLiteral("02/05/2024"));
        QCOMPARE(taxa.text(), QStringLiteral("150,5"));
        QCOMPARE(codigo.text(), QStringLiteral("10"));

        q.next();
        QVERIFY(!isento.isChecked()); // null reads as "N"
        QVERIFY(cadastro.isBlank());
        QVERIFY(taxa.text().isEmpty());
        QCOMPARE(situacao.currentText(), QStringLiteral("EM BAIXA"));

        // Typing puts the row into edit mode and writes as it goes.
        razao.setFocus();
        razao.end(false);
        QTest::keyClicks(&razao, QStringLiteral(" ltda"));
        QCOMPARE(q.state(), Query::State::Edit);
        QCOMPARE(q.text(QStringLiteral("CLIENTE_RAZAO_SOCIAL")), QStringLiteral("OFICINA DO ZE LTDA"));
        QCOMPARE(razao.text(), QStringLiteral("OFICINA DO ZE LTDA"));
        isento.click();
        QCOMPARE(q.text(QStringLiteral("isento")), QStringLiteral("S"));
        cidade.setCurrentIndex(2); // the list is ordered by name: QUIRINOPOLIS
        Q_EMIT cidade.activated(2);
        QCOMPARE(q.intValue(QStringLiteral("LOC_NU_SEQUENCIAL")), 1);
        cadastro.home(false);
        QTest::keyClicks(&cadastro, QStringLiteral("15082025"));
        QCOMPARE(q.date(QStringLiteral("CLIENTE_DATA_CADASTRO")), QDate(2025, 8, 15));
        QTest::keyClicks(&taxa, QStringLiteral("1.234,5"));
        QCOMPARE(q.doubleValue(QStringLiteral("valorTaxa")), 1234.5);

        // Cancel brings the controls back to the stored row.
        q.cancel();
        QCOMPARE(razao.text(), QStringLiteral("OFICINA DO ZE"));
        QVERIFY(!isento.isChecked());
        QCOMPARE(cidade.currentText(), QStringLiteral("BELA VISTA"));

        isento.click();
        q.post();
        Query check;
        check.setSql(QStringLiteral("select isento from cliente where CLIENTE_CODIGO = 11"));
        check.open();
        QCOMPARE(check.text(QStringLiteral("isento")), QStringLiteral("S"));
        QVERIFY(msgs.texts().isEmpty());

        q.close();
        QVERIFY(razao.text().isEmpty());
    }

    void gridFollowsTheQuery()
    {
        Query q;
        q.setSql(QStringLiteral("select * from cliente order by CLIENTE_CODIGO"));
        QueryModel model(&q);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setColumns({{QStringLiteral("CLIENTE_CODIGO"), QStringLiteral("Código")},
                          {QStringLiteral("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("Razão Social")},
                          {QStringLiteral("valorTaxa"), QStringLiteral("Taxa"), &QueryModel::moneyMask},
                          {QStringLiteral("CLIENTE_DATA_CADASTRO"), QStringLiteral("Cadastro")}});
        model.setRowStyle([&q](int row, int role) -> QVariant {
            if (role == Qt::BackgroundRole
                && q.value(row, q.fieldIndex(QStringLiteral("impresso"))) == QStringLiteral("S"))
                return QColor(Qt::yellow);
            return {};
        });
        QTableView view;
        attachGrid(&view, &model);
        QCOMPARE(model.rowCount(), 0);
        q.open();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Razão Social"));
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("150,50"));
        QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("02/05/2024"));
        QCOMPARE(model.index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QVERIFY(!model.index(0, 0).data(Qt::BackgroundRole).isValid());

        view.selectRow(1);
        QCOMPARE(q.recNo(), 1);
        q.first();
        QCOMPARE(view.currentIndex().row(), 0);
        q.close();
        QCOMPARE(model.rowCount(), 0);
    }
};

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TstBindings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_bindings.moc"
