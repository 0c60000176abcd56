#include "reports/barcode.h"
#include "reports/layout.h"
#include "reports/project.h"
#include "reports/reporterror.h"
#include "reports/template.h"

#include <QBuffer>
#include <QDate>
#include <QTest>

using namespace Report;

namespace {

Project parse(const QByteArray &xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return Project::parse(buffer, QStringLiteral("teste.rav"));
}

QByteArray wrap(const QByteArray &reportBody, const QByteArray &attrs = "margins=\"10\"")
{
    return "<project><report name=\"relatorio\" " + attrs + ">" + reportBody + "</report></project>";
}

QStringList texts(const Page &page)
{
    QStringList out;
    for (const PageItem &item : page.items)
        if (item.kind == PageItem::Kind::Text)
            out << item.text;
    return out;
}

const PageItem *findText(const Page &page, const QString &text)
{
    for (const PageItem &item : page.items)
        if (item.kind == PageItem::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

QVariantList numberedRows(int count, const QString &group = {})
{
    QVariantList rows;
    for (int i = 1; i <= count; ++i)
        rows << QVariantMap {{QStringLiteral("N"), i}, {QStringLiteral("grupo"), group}};
    return rows;
}

} // namespace

class TstReportLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeholders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain value") << "Total: {total}"
                                     << "Total: 42";
        QTest::newRow("first known alternative") << "{nada|area|total}"
                                                 << "231,50";
        QTest::newRow("quoted fallback") << "[{nada|'-'}]"
                                         << "[-]";
        QTest::newRow("date from a date") << "{dia:date}"
                                          << "05/03/2024";
        QTest::newRow("date from ISO text") << "{diaTexto:date}"
                                            << "05/03/2024";
        QTest::newRow("date by default") << "{dia}"
                                         << "05/03/2024";
        QTest::newRow("money from double") << "{valorNum:money}"
                                           << "1.234,50";
        QTest::newRow("money from regional text") << "{area:money}"
                                                  << "231,50";
        QTest::newRow("money keeps a word") << "{isenta:money}"
                                            << "ISENTA";
        QTest::newRow("double prints as money") << "{valorNum}"
                                                << "1.234,50";
        QTest::newRow("whole number stays whole") << "{codigo}"
                                                  << "1001";
        QTest::newRow("cnpj") << "{cnpj:cnpj}"
                              << "12.345.678/0001-91";
        QTest::newRow("cpf") << "{cpf:cnpj}"
                             << "123.456.789-01";
        QTest::newRow("other length as typed") << "{curto:cnpj}"
                                               << "1234";
        QTest::newRow("upper") << "{nome:upper}"
                               << "JOSÉ ÁVILA";
        QTest::newRow("escaped braces") << "{{total}} }}"
                                        << "{total} }";
        QTest::newRow("null prints empty") << "<{nulo}>"
                                           << "<>";
    }

    void placeholders()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QVariantMap values {
            {QStringLiteral("total"), QStringLiteral("42")},
            {QStringLiteral("area"), QStringLiteral("231,50")},
            {QStringLiteral("dia"), QDate(2024, 3, 5)},
            {QStringLiteral("diaTexto"), QStringLiteral("2024-03-05")},
            {QStringLiteral("valorNum"), 1234.5},
            {QStringLiteral("isenta"), QStringLiteral("ISENTA")},
            {QStringLiteral("codigo"), 1001},
            {QStringLiteral("cnpj"), QStringLiteral("12345678000191")},
            {QStringLiteral("cpf"), QStringLiteral("12345678901")},
            {QStringLiteral("curto"), QStringLiteral("1234")},
            {QStringLiteral("nome"), QStringLiteral("José Ávila")},
            {QStringLiteral("nulo"), QVariant()},
        };
        const Template t = Template::parse(text, QStringLiteral("teste"));
        QStringList unknown;
        const QString out = t.expand(
            [&](const QString &name) -> std::optional<QVariant> {
                if (values.contains(name))
                    return values.value(name);
                return std::nullopt;
            },
            [&](const QString &p) { unknown << p; });
        QCOMPARE(out, expected);
        QVERIFY(unknown.isEmpty());
    }

    void unknownPlaceholderIsReportedAndEmpty()
    {
        QStringList unknown;
        const QString out = Template::parse(QStringLiteral("a{nada}b"), QStringLiteral("t"))
                                .expand([](const QString &) { return std::nullopt; },
                                        [&](const QString &p) { unknown << p; });
        QCOMPARE(out, QStringLiteral("ab"));
        QCOMPARE(unknown, QStringList {QStringLiteral("{nada}")});
    }

    void malformedTemplates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unclosed") << "Total: {total";
        QTest::newRow("stray close") << "Total} ";
        QTest::newRow("unknown format") << "{valor:moeda}";
        QTest::newRow("empty name") << "{}";
        QTest::newRow("open quote") << "{a|'x}";
    }

    void malformedTemplates()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ReportError, Template::parse(text, QStringLiteral("teste")));
    }

    void malformedFilesNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not xml") << QByteArray("<project><report name=\"r\">\n<band>\n</project>")
                                 << "linha 3";
        QTest::newRow("wrong root") << QByteArray("<relatorio/>") << "<project>";
        QTest::newRow("unknown element")
            << QByteArray("<project>\n<report name=\"r\">\n<tabela/>") << "linha 3";
        QTest::newRow("bad number") << QByteArray(
            "<project><report name=\"r\">\n<band height=\"dez\"/></report></project>")
                                    << "height=\"dez\"";
        QTest::newRow("data without row") << QByteArray(
            "<project><report name=\"r\"><data source=\"rdsX\"><header/></data></report></project>")
                                          << "sem <row>";
        QTest::newRow("unknown style") << QByteArray(
            "<project><report name=\"r\"><band><text style=\"th\">x</text></band></report></project>")
                                       << "estilo \"th\"";
        QTest::newRow("bad alignment") << QByteArray(
            "<project><report name=\"r\"><band><text align=\"meio\">x</text></band></report></project>")
                                       << "align=\"meio\"";
        QTest::newRow("bad placeholder")
            << QByteArray("<project><report name=\"r\"><band>\n\n<text>{x</text></band></report></project>")
            << "linha 3";
        QTest::newRow("report twice")
            << QByteArray("<project><report name=\"r\"/><report name=\"r\"/></project>") << "repetido";
    }

    void malformedFilesNameTheLine()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, expected);
        try {
            parse(xml);
            QFAIL("no error");
        } catch (const ReportError &e) {
            QVERIFY2(e.text().contains(expected), qPrintable(e.text()));
            QVERIFY2(e.text().contains(QStringLiteral("teste.rav")), qPrintable(e.text()));
        }
    }

    // Many rows over several pages: every row printed once and in order, the
    // page header and the column headings on every page, page numbers right.
    void rowsFlowOverPages()
    {
        const Project p = parse(wrap(R"(
            <page-header height="10"><text>Cabeçalho {titulo}</text></page-header>
            <page-footer height="6"><text>Página {#page} de {#pages}</text></page-footer>
            <data source="rdsX">
              <header height="6"><text>Colunas</text></header>
              <row height="10"><text>Linha {N}</text></row>
              <footer height="6"><text>{#count} linhas</text></footer>
            </data>
            <band height="8"><text>Fim</text></band>)"));
        MemoryDataSource rows(numberedRows(60));
        ReportConnections connections;
        ReportConnection conn(QStringLiteral("rdsX"), rows, connections);
        int heard = 0;
        const Document doc = layout(p.reports.value(QStringLiteral("relatorio")), QStringLiteral("teste"),
                                    {{QStringLiteral("titulo"), QStringLiteral("X")}}, connections,
                                    [&](int page) { QCOMPARE(page, ++heard); });
        // A4 portrait, 10 mm margins: 277 - 10 - 6 - 6 = 255 mm for rows: 25 a page.
        QCOMPARE(int(doc.pages.size()), 3);
        QCOMPARE(heard, 3);
        QStringList printed;
        for (size_t i = 0; i < doc.pages.size(); ++i) {
            const QStringList t = texts(doc.pages[i]);
            QCOMPARE(t.first(), QStringLiteral("Cabeçalho X"));
            QCOMPARE(t.count(QStringLiteral("Colunas")), 1);
            QVERIFY(t.contains(QStringLiteral("Página %1 de 3").arg(i + 1)));
            for (const QString &s : t)
                if (s.startsWith(QLatin1String("Linha ")))
                    printed << s;
        }
        QCOMPARE(printed.size(), 60);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(printed[i], QStringLiteral("Linha %1").arg(i + 1));
        QVERIFY(texts(doc.pages.back()).contains(QStringLiteral("60 linhas")));
        QVERIFY(texts(doc.pages.back()).contains(QStringLiteral("Fim")));
        // Nothing is drawn over the footer.
        for (const Page &page : doc.pages)
            for (const PageItem &item : page.items)
                if (item.kind == PageItem::Kind::Text && item.text.startsWith(QLatin1String("Linha")))
                    QVERIFY(item.rect.bottom() <= 297 - 10 - 6 + 0.01);
    }

    // Each master row prints the detail rows that match it, with its count.
    void groupsMatchDetailRows()
    {
        const Project p = parse(wrap(R"(
            <data source="rdsGrupo">
              <row height="8"><text>Grupo {NOME}</text></row>
              <data source="rdsItem" match="grupo={NOME}">
                <row height="6"><text>{NOME}:{N}</text></row>
                <footer height="6"><text>{#count} em {NOME}</text></footer>
                <empty height="6"><text>vazio</text></empty>
              </data>
            </data>)"));
        MemoryDataSource groups(QVariantList {QVariantMap {{QStringLiteral("NOME"), QStringLiteral("A")}},
                                              QVariantMap {{QStringLiteral("NOME"), QStringLiteral("B")}},
                                              QVariantMap {{QStringLiteral("NOME"), QStringLiteral("C")}}});
        QVariantList items = numberedRows(2, QStringLiteral("A")) + numberedRows(3, QStringLiteral("C"));
        MemoryDataSource detail(items);
        ReportConnections connections;
        ReportConnection c1(QStringLiteral("rdsGrupo"), groups, connections);
        ReportConnection c2(QStringLiteral("rdsItem"), detail, connections);
        const Document doc = layout(p.reports.first(), QStringLiteral("t"), {}, connections);
        // Inside the detail, {NOME} is not a column of rdsItem: it comes from the group row.
        QCOMPARE(texts(doc.pages[0]),
                 (QStringList {"Grupo A", "A:1", "A:2", "2 em A", "Grupo B", "vazio", "Grupo C", "C:1", "C:2",
                               "C:3", "3 em C"}));
    }

    // A text that grows pushes down what starts below it, and the band with it.
    void growingTextPushesContentDown()
    {
        const Project p = parse(wrap(R"(
            <band height="20">
              <text x="0" y="0" w="40" h="5" overflow="grow">{memo}</text>
              <text x="60" y="0" w="40" h="5">ao lado</text>
              <line x1="0" y1="10" x2="100" y2="10"/>
              <text x="0" y="12" w="40" h="5">abaixo</text>
            </band>
            <band height="5"><text>seguinte</text></band>)"));
        ReportConnections none;
        const QString memo = QStringLiteral("palavra ").repeated(60);
        const Document doc
            = layout(p.reports.first(), QStringLiteral("t"), {{QStringLiteral("memo"), memo}}, none);
        const Page &page = doc.pages[0];
        const PageItem *grown = findText(page, memo);
        QVERIFY(grown);
        const double growth = grown->rect.height() - 5;
        QVERIFY(growth > 10);
        QVERIFY(qAbs(grown->rect.height() - Text::height(memo, grown->font, 40, true)) < 0.01);
        QCOMPARE(findText(page, QStringLiteral("ao lado"))->rect.top(), 10.0);
        QVERIFY(qAbs(findText(page, QStringLiteral("abaixo"))->rect.top() - (10 + 12 + growth)) < 0.01);
        for (const PageItem &item : page.items)
            if (item.kind == PageItem::Kind::Line)
                QVERIFY(qAbs(item.line.y1() - (10 + 10 + growth)) < 0.01);
        QVERIFY(qAbs(findText(page, QStringLiteral("seguinte"))->rect.top() - (10 + 20 + growth)) < 0.01);
    }

    // One sheet per row, the first on the first page; a row taller than a
    // page still prints once per page and ends.
    void newPagePerRowAndOversizedRows_data()
    {
        QTest::addColumn<double>("height");
        QTest::newRow("sheet") << 250.0;
        QTest::newRow("taller than a page") << 400.0;
    }

    void newPagePerRowAndOversizedRows()
    {
        QFETCH(double, height);
        const Project p = parse(wrap(
            QStringLiteral(
                R"(<data source="rdsX"><row height="%1" new-page="yes"><text>Folha {N}</text></row></data>)")
                .arg(height)
                .toUtf8()));
        MemoryDataSource rows(numberedRows(4));
        ReportConnections connections;
        ReportConnection conn(QStringLiteral("rdsX"), rows, connections);
        const Document doc = layout(p.reports.first(), QStringLiteral("t"), {}, connections);
        QCOMPARE(int(doc.pages.size()), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(texts(doc.pages[i]), QStringList {QStringLiteral("Folha %1").arg(i + 1)});
    }

    void alternativeConnectionsAndColumnCase()
    {
        const Project p = parse(wrap(
            R"(<data source="rdsServico|rdsContribuintes"><row height="6"><text>{cliente_razao_social} {SERVICO_CODIGO|'s/n'}</text></row></data>)"));
        MemoryDataSource rows(
            QVariantList {QVariantMap {{QStringLiteral("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("LOJA")}}});
        ReportConnections connections;
        ReportConnection conn(QStringLiteral("rdsContribuintes"), rows, connections);
        const Document doc = layout(p.reports.first(), QStringLiteral("t"), {}, connections);
        QCOMPARE(texts(doc.pages[0]), QStringList {QStringLiteral("LOJA s/n")});
        QVERIFY(doc.warnings.isEmpty());
    }

    void conditionsHideElementsAndBands()
    {
        const Project p = parse(wrap(R"(
            <band height="5" if="{obs}"><text>Obs: {obs}</text></band>
            <band height="5"><text unless="{obs}">sem observação</text></band>)"));
        ReportConnections none;
        QCOMPARE(
            texts(layout(p.reports.first(), QStringLiteral("t"), {{QStringLiteral("obs"), QString()}}, none)
                      .pages[0]),
            QStringList {QStringLiteral("sem observação")});
        QCOMPARE(texts(layout(p.reports.first(), QStringLiteral("t"),
                              {{QStringLiteral("OBS"), QStringLiteral("x")}}, none)
                           .pages[0]),
                 QStringList {QStringLiteral("Obs: x")});
    }

    // Interleaved 2 of 5 at the banks' size: 44 digits are 405 modules.
    void interleavedBarcodeSize()
    {
        const QString digits = QStringLiteral("00195973700001234560000007300215000000012317");
        const auto bars = interleaved2of5(digits, 0.254, 13);
        QCOMPARE(int(bars.size()), 2 + 22 * 5 + 2); // start, five bars a pair, stop
        double right = 0, narrowest = 1e9, widest = 0;
        for (const QRectF &bar : bars) {
            right = std::max(right, bar.right());
            narrowest = std::min(narrowest, bar.width());
            widest = std::max(widest, bar.width());
            QCOMPARE(bar.height(), 13.0);
        }
        QVERIFY(qAbs(right - 405 * 0.254) < 0.3);
        QVERIFY(qAbs(narrowest - 0.254) < 0.001);
        QVERIFY(qAbs(widest - 3 * 0.254) < 0.001);
    }

    void badBarcodesAreRefused_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters") << "0019597370000123456000000730021500000001231X"
                                 << "somente dígitos";
        QTest::newRow("short") << "0019597370"
                               << "tem 10 dígitos";
        QTest::newRow("empty but required") << ""
                                            << "não recebeu";
    }

    void badBarcodesAreRefused()
    {
        QFETCH(QString, digits);
        QFETCH(QString, expected);
        const Project p = parse(wrap(
            R"(<band height="20"><barcode h="13" length="44" required="yes">{codbarra}</barcode></band>)"));
        ReportConnections none;
        try {
            layout(p.reports.first(), QStringLiteral("t"), {{QStringLiteral("codbarra"), digits}}, none);
            QFAIL("printed a bad barcode");
        } catch (const ReportError &e) {
            QVERIFY2(e.text().contains(expected), qPrintable(e.text()));
        }
    }
};

QTEST_MAIN(TstReportLayout)
#include "tst_reportlayout.moc"
