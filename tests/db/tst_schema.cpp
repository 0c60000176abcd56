// The database schema (sql/schema.sql) and the demonstration data
// (sql/demo.sql): every table and view with its columns, the column defaults,
// one view row per base row, and every statement the windows build, run
// against the demonstration data. Writes run inside a transaction that is
// rolled back, so every case sees the same data.
//
// A second database filled by benchmarks/sql/seed_large.sql (at a reduced
// size) checks that the typical searches reach the big tables through an
// index rather than by reading them whole.

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

namespace {

const QString kDb = QStringLiteral("qzt_schema");
const QString kPlanDb = QStringLiteral("qzt_schema_plan");
const QString kConn = QStringLiteral("tst_schema");
const QString kPlanConn = QStringLiteral("tst_schema_plan");

QString env(const char *name)
{
    return QProcessEnvironment::systemEnvironment().value(QString::fromLatin1(name));
}

QString lines(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(QLatin1Char('\n'));
}

// Statement text with its parameters, and the number of rows it must return
// (or change) on the demonstration data; -1 when any number will do.
struct Case
{
    QString name;
    QString sql;
    QVariantMap params;
    int expected = -1;
};

// A search window's statement: a base line, the criterion lines, an
// ordering line and an optional "limit 0,:tv".
struct Criterion
{
    QString name;
    QString line;
    QVariantMap params;
    int expected = -1; // rows with this criterion alone, before the limit
};

struct Search
{
    QString window;
    QString base;
    QVariantMap baseParams;
    QList<Criterion> criteria;
    QString order;
    int limit = 0; // 0: no limit line
    int baseExpected = -1;
    // The criteria's row counts hold over the whole table, that is for a base
    // that keeps every row ("where 1 = 1").
    bool criteriaCounted = true;
};

int limited(int rows, int limit)
{
    return rows < 0 || limit <= 0 ? rows : std::min(rows, limit);
}

// Base and order alone, base + each criterion, and base + every criterion.
QList<Case> expand(const Search &s)
{
    QList<Case> out;
    auto build = [&](const QList<Criterion> &use, const QString &name, int expected) {
        QStringList text {s.base};
        QVariantMap params = s.baseParams;
        for (const Criterion &c : use) {
            text << c.line;
            for (auto it = c.params.begin(); it != c.params.end(); ++it)
                params.insert(it.key(), it.value());
        }
        text << s.order;
        if (s.limit > 0) {
            text << QStringLiteral("limit 0,:tv");
            params.insert(QStringLiteral("tv"), s.limit);
        }
        out << Case {s.window + QLatin1Char('/') + name, text.join(QLatin1Char('\n')), params,
                     limited(expected, s.limit)};
    };
    build({}, QStringLiteral("no criterion"), s.baseExpected);
    for (const Criterion &c : s.criteria)
        build({c}, c.name, s.criteriaCounted ? c.expected : -1);
    if (s.criteria.size() > 1)
        build(s.criteria, QStringLiteral("every criterion"), -1);
    return out;
}

QVariantMap p(std::initializer_list<std::pair<QString, QVariant>> values)
{
    QVariantMap m;
    for (const auto &v : values)
        m.insert(v.first, v.second);
    return m;
}

const QString kCnpjDuplicado = QStringLiteral("88999000000198"); // establishments 10 and 11

// ---- searches of the windows ------------------------------------------------

QList<Search> searchCases()
{
    QList<Search> s;

    // Establishment search window.
    const QList<Criterion> empresaCriteria = {
        {"situation", "and situacao = :st", p({{"st", "MEI"}}), 2},
        {"no service in year",
         " and CLIENTE_CODIGO not in (select CLIENTE_CODIGO from servico where  ano = :siapint and "
         "servico.CLIENTE_CODIGO = cliente_view.CLIENTE_CODIGO)",
         p({{"siapint", 19}}), 6},
        {"month", " and Month(CLIENTE_DATA_CADASTRO)= :mes", p({{"mes", 7}}), 3},
        {"neighbourhood", " and bairro = :br", p({{"br", "SETOR AEROPORTO"}}), 3},
        {"siapi", " and siapi like :siapi", p({{"siapi", "%2019%"}}), 6},
        {"city", " and cidade = :cid", p({{"cid", "VALE DO FENDAVO"}}), 2},
        {"without siapi", " and (siapi = \"\" or siapi is null)", {}, 6},
    };
    QList<Criterion> buscar = empresaCriteria;
    buscar.insert(5, {"not exempt", " and isento <> \"S\"", {}, -1});
    s << Search {"empresa buscar",
                 "select * from cliente_view where 1 = 1",
                 {},
                 buscar,
                 "order by LOC_NU_SEQUENCIAL,bairro,endereco",
                 10,
                 16};
    s << Search {"empresa name",
                 "select * from cliente_view where (CLIENTE_RAZAO_SOCIAL like :nome or "
                 "CLIENTE_CNPJ_CPF like :nome or CLIENTE_FANTASIA like :nome)",
                 p({{"nome", "%LTDA%"}}),
                 empresaCriteria,
                 "order by CLIENTE_RAZAO_SOCIAL,bairro,endereco",
                 10,
                 9,
                 false};
    s << Search {"empresa address",
                 "select * from cliente_view where  CLIENTE_RUA like :nome",
                 p({{"nome", "%FLORES%"}}),
                 empresaCriteria,
                 "order by CLIENTE_RAZAO_SOCIAL,bairro,endereco",
                 10,
                 2,
                 false};

    // Establishment locator: establishments with a letter or certificate
    // (1 and 2) are never offered.
    s << Search {"localiza buscar",
                 lines({"select * from cliente_view where 1 = 1",
                        "and CLIENTE_CNPJ_CPF not in (select cnpjCpf from certificado_tv)"}),
                 {},
                 {
                     {"in activity", "and situacao = \"EM ATIVIDADE\"", {}, 6},
                     {"month", " and Month(CLIENTE_DATA_CADASTRO)= :mes", p({{"mes", 3}}), 1},
                     {"neighbourhood", " and bairro = :br", p({{"br", "SETOR AEROPORTO"}}), 3},
                     {"siapi", " and siapi like :siapi", p({{"siapi", "%2019%"}}), 5},
                     {"city", " and cidade = :cid", p({{"cid", "TREMONTE"}}), 10},
                     {"not printed", " and (impresso = \"N\" or impresso is null)", {}, 8},
                     {"with siapi", " and (siapi <> \"\" and siapi is not null)", {}, 8},
                     {"without siapi", " and (siapi = \"\" or siapi is null)", {}, 6},
                 },
                 "order by LOC_NU_SEQUENCIAL,bairro,endereco",
                 0,
                 14};

    // Service search window.
    const QList<Criterion> servicoCriteria = {
        {"in activity", "and situacao = \"EM ATIVIDADE\"", {}, -1},
        {"date", "and dataGerada between :data1 and :data2",
         p({{"data1", QDate(2019, 1, 1)}, {"data2", QDate(2019, 3, 31)}}), 4},
        {"month", " and Month(CLIENTE_DATA_CADASTRO)= :mes", p({{"mes", 7}}), 3},
        {"neighbourhood", " and bairro = :br", p({{"br", "SETOR AEROPORTO"}}), 3},
        {"safe city", " and cidadeSegura = \"S\"", {}, 9},
        {"status", " and situacao = :sit", p({{"sit", "CERCON EMITIDO"}}), 4},
        {"activity", " and atividade = :ativ", p({{"ativ", "RESTAURANTES E SIMILARES"}}), 2},
        {"siapi", " and siapi like :siapi", p({{"siapi", "%2019%"}}), 7},
        {"city", " and cidade = :cid", p({{"cid", "VALE DO FENDAVO"}}), 2},
        {"inspector", " and codVistoriador = :cv", p({{"cv", 2}}), 5},
        {"not printed", " and (impresso = \"N\" or impresso is null)", {}, 8},
        {"route", " and rota = \"S\"", {}, 3},
    };
    QList<Criterion> servicoBuscar = servicoCriteria;
    servicoBuscar.prepend(
        {"no service in year",
         lines({" and codCliente not in (select CLIENTE_CODIGO from servico where  ano = :ano)",
                "and situacaoEmpresa =  \"EM ATIVIDADE\""}),
         p({{"ano", 19}}), 2});
    servicoBuscar.prepend({"establishment situation", "and situacaoEmpresa = :ste", p({{"ste", "MEI"}}), 2});
    s << Search {"servico buscar",
                 "select * from servico_vw where 1 = 1",
                 {},
                 servicoBuscar,
                 "order by bairro,CLIENTE_RUA,CLIENTE_NUMERO_END",
                 10,
                 16};
    s << Search {"servico text",
                 "select * from servico_vw where (CLIENTE_RAZAO_SOCIAL like :nome or "
                 "CLIENTE_CNPJ_CPF like :nome or nomeLocal like :nome)",
                 p({{"nome", "%BOA COMPRA%"}}),
                 servicoCriteria,
                 "order by dataGerada desc,CLIENTE_RAZAO_SOCIAL,bairro,endereco",
                 10,
                 2,
                 false};

    // "Por Bairro": the neighbourhoods of the services matching the criteria.
    s << Search {"servico por bairro",
                 lines({"select * from bairros where 1 = 1 ", "and bairros.BAI_NO in",
                        "(select servico_vw.bairro from servico_vw where 1 = 1 "}),
                 {},
                 servicoCriteria,
                 lines({")", "order by BAI_NO"}),
                 0,
                 8,
                 false};

    // Requirement search window.
    s << Search {"exigencia buscar",
                 "select * from exisgencia_vw where 1 = 1",
                 {},
                 {
                     {"date", "and data between :data1 and :data2",
                      p({{"data1", QDate(2019, 1, 1)}, {"data2", QDate(2019, 12, 31)}}), 5},
                     {"neighbourhood", " and bairro = :br", p({{"br", "SETOR INDUSTRIAL"}}), 3},
                     {"inspector", " and vistoriadorGuerra = :cv", p({{"cv", "LIMA"}}), 1},
                     {"city", " and cidade = :cid", p({{"cid", "SAO BENTO DO QUARTZO"}}), 1},
                     {"situation", " and situacao = :sit", p({{"sit", "PENDENTE"}}), 6},
                 },
                 "order by data",
                 50,
                 8};

    // Boleto search window: the filter search, the service search and the
    // text search share the same clauses; five orderings.
    const QList<Criterion> boletoClauses = {
        {"issued", "and dataEmissao between :data1 and :data2",
         p({{"data1", QDate(2019, 1, 1)}, {"data2", QDate(2019, 12, 31)}}), 9},
        {"due", "and dataVencimento between :data1 and :data2",
         p({{"data1", QDate(2019, 1, 1)}, {"data2", QDate(2019, 3, 31)}}), 2},
        {"neighbourhood", " and bairro = :br", p({{"br", "SETOR AEROPORTO"}}), 4},
        {"inspector", " and vistoriadorGuerra = :cv", p({{"cv", "SOUZA"}}), 6},
        {"bank situation", " and situacao = :sit", p({{"sit", "LIQUIDADO"}}), 3},
        {"city", " and cidade = :cid", p({{"cid", "VALE DO FENDAVO"}}), 1},
        {"remittance", " and remessa = :rem", p({{"rem", "BOLETO ENTREGUE"}}), 3},
    };
    for (const QString &order :
         {QStringLiteral("dataEmissao"), QStringLiteral("dataVencimento"),
          QStringLiteral("CLIENTE_RAZAO_SOCIAL"), QStringLiteral("valor"), QStringLiteral("dataDescarga")}) {
        s << Search {"boleto buscar by " + order,
                     "select * from servico_boleto_vw where 1 = 1",
                     {},
                     order == QLatin1String("dataEmissao") ? boletoClauses : QList<Criterion> {},
                     "order by " + order,
                     50,
                     13};
    }
    s << Search {"boleto service",
                 "select * from servico_boleto_vw where  codServico = :nome",
                 p({{"nome", 13}}),
                 boletoClauses,
                 "order by dataEmissao",
                 50,
                 2,
                 false};
    s << Search {"boleto text",
                 "select * from servico_boleto_vw where (CLIENTE_RAZAO_SOCIAL like :nome or "
                 "CLIENTE_CNPJ_CPF like :nome or nomeLocal like :nome)",
                 p({{"nome", "%SAO BENTO%"}}),
                 boletoClauses,
                 "order by dataEmissao",
                 50,
                 2,
                 false};

    // City hall list: filter search and text search share the filters.
    const QList<Criterion> prefeituraFilters = {
        {"follow-up", "and obs = :st", p({{"st", "VISTORIAR"}}), 3},
        {"only cnpj", "and LENGTH(cnpj) > 13", {}, 8},
        {"month", " and data like  :mes", p({{"mes", "%/03/%"}}), 6},
        {"neighbourhood", " and bairro = :br", p({{"br", "CENTRO"}}), 3},
        {"not registered", " and cnpj not in (select cliente.CLIENTE_CNPJ_CPF from cliente)", {}, 9},
        {"registered in activity",
         " and cnpj in (select cliente_view.CLIENTE_CNPJ_CPF from cliente_view where "
         "cliente_view.situacao = \"EM ATIVIDADE\")",
         {},
         1},
    };
    s << Search {"prefeitura buscar",
                 "select cnpj, razao, fantasia, bairro, rua, numero, data, contato, obs from prefeitura "
                 "where contem = \"N\"",
                 {},
                 prefeituraFilters,
                 "order by bairro,rua,numero",
                 50,
                 10};
    s << Search {"prefeitura text",
                 "select distinct cnpj, razao, fantasia, bairro, rua, numero, data, contato, obs "
                 "from prefeitura where (razao like :nome or cnpj like :nome or fantasia like :nome) "
                 "and contem = \"N\"",
                 p({{"nome", "%AUTO%"}}),
                 prefeituraFilters,
                 lines({"order by razao,bairro", "limit 0,50"}),
                 0,
                 3,
                 false};
    return s;
}

// ---- single statements ----------------------------------------------------

QList<Case> selectCases()
{
    const QDateTime runStamp(QDate(2018, 4, 16), QTime(8, 30));
    return {
        // Start-up, main window, login, user administration.
        {"configuracao", "select * from configuracao", {}, 1},
        {"internet requests", "select * from servico where SITUACAO_CODIGO = 18", {}, 0},
        {"internet request list", "select * from servico_vw where codCliente = :nome", p({{"nome", 1}}), 2},
        {"login name", "Select USUARIO_NOME from usuario where rg = :log", p({{"log", "1002"}}), 1},
        {"login", "Select * from usuario where rg = :log and senha = :sen",
         p({{"log", "1001"}, {"sen", "SENHA"}}), 1},
        {"login inactive user", "Select * from usuario where rg = :log and senha = :sen",
         p({{"log", "1004"}, {"sen", "SENHA"}}), 1},
        {"login wrong password", "Select * from usuario where rg = :log and senha = :sen",
         p({{"log", "1001"}, {"sen", "ERRADA"}}), 0},
        {"active users", "select * from usuario where ativo = \"S\" order by USUARIO_GUERRA", {}, 3},

        // Establishment window and lookups.
        {"cliente by code", "select * from cliente where CLIENTE_CODIGO = :cnp", p({{"cnp", 1}}), 1},
        {"cliente by cnpj", "select * from cliente where CLIENTE_CNPJ_CPF = :cnp",
         p({{"cnp", kCnpjDuplicado}}), 2},
        {"bairro by name", "select * from bairros where BAI_NO = :cb", p({{"cb", "CENTRO"}}), 1},
        {"bairro by number as text",
         lines({"select * from bairros where BAI_NU_SEQUENCIAL = :nome", "order by BAI_NO"}),
         p({{"nome", "2"}}), 1},
        {"atividade by code", "select * from atividade where ATIVID_CODIGO = :nome", p({{"nome", 2}}), 1},
        {"cities", lines({"select * from localidade", "order by LOC_NO"}), {}, 3},
        {"services of establishment", "select * from servico_vw where codCliente = :nome", p({{"nome", 16}}),
         0},
        {"bairro lookup", lines({"select * from bairros where BAI_NO like :nome", "order by BAI_NO"}),
         p({{"nome", "%AEROPORTO%"}}), 2},
        {"street lookup",
         lines({"select DISTINCT(CLIENTE_RUA) from cliente where CLIENTE_RUA like :nome",
                "order by CLIENTE_RUA"}),
         p({{"nome", "%FLORES%"}}), 2},
        {"activity lookup",
         lines({"select * from atividade where ATIVID_DESCRICAO like :nome", "order by ATIVID_DESCRICAO"}),
         p({{"nome", "%GAS%"}}), 1},
        {"activity register", lines({"select * from atividade", "order by ATIVID_DESCRICAO"}), {}, 9},
        {"activity register one", "select * from atividade where ATIVID_CODIGO = :idAt", p({{"idAt", 9}}), 1},
        {"bairro register", lines({"select * from bairros", "order by BAI_NO"}), {}, 8},
        {"bairro duplicate", "select * from bairros where BAI_NO=:nb", p({{"nb", "VILA NOVA"}}), 1},
        {"activity duplicate", "select * from atividade where ATIVID_DESCRICAO=:nb",
         p({{"nb", "OFICINA MECANICA"}}), 1},

        // Establishment search and locator.
        {"city list", "select distinct(cidade) from cliente_view  order by cidade", {}, 4},
        {"bairro list", "select distinct(bairro) from cliente_view  order by bairro", {}, 9},
        {"locator typing",
         lines({"select * from cliente_view where  CLIENTE_RAZAO_SOCIAL like :nome or CLIENTE_CNPJ_CPF "
                "like :nome or CLIENTE_FANTASIA like :nome ",
                "order by CLIENTE_RAZAO_SOCIAL,bairro,endereco"}),
         p({{"nome", "%%"}}), 16},

        // Service window and service search.
        {"empty cliente", "select * from cliente  where 1 = 3", {}, 0},
        {"empty servico", "select * from servico   where 1 = 3", {}, 0},
        {"empty atividade", "select * from atividade where 1 = 3", {}, 0},
        {"empty boleto", "select * from servico_boleto   where 1 = 3", {}, 0},
        {"empty servico_vw", "select * from servico_vw  where 1 = 3", {}, 0},
        {"empty bairros", "select * from bairros where 1 = 2", {}, 0},
        {"inspectors", lines({"select * from usuario_vw", "order by USUARIO_GUERRA"}), {}, 4},
        {"statuses", lines({"select * from situacao", "order by SITUACAO_DESCRICAO"}), {}, 10},
        {"activities", lines({"select * from atividade", "order by ATIVID_DESCRICAO"}), {}, 9},
        {"servico by code", "select * from servico where SERVICO_CODIGO = :cnp", p({{"cnp", 16}}), 1},
        {"services opening",
         lines({"select * from servico_vw where codCliente = :nome", "order by dataGerada desc"}),
         p({{"nome", 13}}), 1},
        {"fee alert", "select * from servico_vw where situacao = \"GERAR TAXA\"", {}, 0},
        {"fee alert row", "select * from servico_vw where SERVICO_CODIGO = :sc", p({{"sc", 16}}), 1},

        // Requirements.
        {"requirements of service", "select  * from exisgencia_vw where idServico = :cod", p({{"cod", 4}}),
         3},
        {"catalogue search", "select * from exisgencia where descricao like :desc order by descricao",
         p({{"desc", "%EXTINTORES%"}}), 2},
        {"empty catalogue", "select * from exisgencia where 1 = 3", {}, 0},
        {"empty requirements", "select * from exisgencia_vw where 1 = 3", {}, 0},
        {"requirement text",
         lines({"select * from exisgencia_vw where  razao like :nome or cnpj like :nome", "order by razao"}),
         p({{"nome", "%QUARTZO%"}}), 3},

        // Boletos.
        {"boletos of service", "select  * from servico_boleto where codServico = :cod", p({{"cod", 13}}), 2},
        {"empty boleto list", "select * from servico_boleto_vw  where 1 = 3", {}, 0},
        {"boleto row", "select * from servico_boleto where idServicoBoleto = :id", p({{"id", 7}}), 1},
        {"boleto by number",
         lines({"select * from servico_boleto_vw where  idServicoBoleto = :nome ",
                "order by dataEmissao desc,CLIENTE_RAZAO_SOCIAL", "limit 0,:tv"}),
         p({{"nome", 7}, {"tv", 50}}), 1},
        {"return lookup", "select * from servico_boleto_vw where idServicoBoleto = :cb", p({{"cb", 13}}), 1},
        {"return run list", "select * from servico_boleto_vw where atualizacao = :cb", p({{"cb", runStamp}}),
         2},

        // City hall list.
        {"empty prefeitura", "select * from prefeitura  where 1 = 3", {}, 0},
        {"prefeitura bairros", "select distinct(bairro) from prefeitura  order by bairro", {}, 5},
        {"prefeitura bairros of month",
         lines({"select distinct(bairro) from prefeitura where 1 = 1", " and data like  :mes",
                "Order by bairro"}),
         p({{"mes", "%/03/%"}}), 2},

        // Merge tools.
        {"duplicate cnpjs",
         lines({"SELECT cliente.CLIENTE_CODIGO, cliente.CLIENTE_CNPJ_CPF, Count(*) FROM cliente",
                "GROUP BY CLIENTE_CNPJ_CPF", "HAVING Count(*) > 1"}),
         {},
         1},
        {"duplicate prefeitura",
         lines({"SELECT cnpj, Count(*) FROM prefeitura", "GROUP BY cnpj", "HAVING Count(*) > 1"}),
         {},
         2},
        {"merge cnpj list",
         lines({"select cliente.CLIENTE_CODIGO, cliente.CLIENTE_CNPJ_CPF, cliente.CLIENTE_RAZAO_SOCIAL, "
                "cliente.CLIENTE_FANTASIA",
                "from cliente  where CLIENTE_CNPJ_CPF  like :nome"}),
         p({{"nome", "%" + kCnpjDuplicado + "%"}}), 2},
        {"merge bairro list", "select * from bairros where BAI_NO  like :nome order by BAI_NO limit 0,30",
         p({{"nome", "%AEROPORTO%"}}), 2},
        {"merge street list", "select DISTINCT(CLIENTE_RUA) from cliente where CLIENTE_RUA  like :nome",
         p({{"nome", "%FLORES%"}}), 2},
        {"merge prefeitura list", lines({"select *", " from prefeitura  where cnpj  like :nome"}),
         p({{"nome", "%15161718000137%"}}), 3},

        // Letters of consent.
        {"empty letter", lines({"select * from certificado_tv", "where 1 = 3"}), {}, 0},
        {"earlier letter", "select * from certificado_tv where cnpjCpf = :cnp",
         p({{"cnp", "22333444000181"}}), 1},
        {"letter establishment", "select * from cliente where CLIENTE_CNPJ_CPF = :cnp",
         p({{"cnp", "22333444000181"}}), 1},
        {"letter activity", "select * from atividade where ATIVID_CODIGO = :cnp", p({{"cnp", 2}}), 1},
    };
}

QList<Case> writeCases()
{
    const QDateTime now(QDate(2019, 9, 10), QTime(10, 0));
    return {
        // User administration.
        {"save user",
         "update usuario set cadServico = :a, removerServico = :b, cadBoleto = :c, removerBoleto = :d, "
         "confUsuario = :e, senha = :s where USUARIO_CODIGO = :id",
         p({{"a", "S"}, {"b", "S"}, {"c", "N"}, {"d", "S"}, {"e", "S"}, {"s", "1002"}, {"id", 2}}), 1},
        {"remove user", "delete from usuario where USUARIO_CODIGO = :id", p({{"id", 4}}), 1},
        {"confirm ufir", "update configuracao set ufir = :u where idConfiguracao = :id",
         p({{"u", 3.95}, {"id", 1}}), 1},

        // Establishment window.
        {"insert cliente",
         "insert into cliente (CLIENTE_DATA_CADASTRO, CLIENTE_CNPJ_CPF, CLIENTE_RAZAO_SOCIAL, "
         "CLIENTE_FANTASIA, "
         "CLIENTE_CEP, LOC_NU_SEQUENCIAL, BAI_NU_SEQUENCIAL, CLIENTE_RUA, CLIENTE_NUMERO_END, "
         "CLIENTE_TEL_CONTATO, "
         "ATIVID_CODIGO, situacao, tipoEmpresa, isento) values (:d, :cnpj, :razao, :fantasia, :cep, :loc, "
         ":bai, "
         ":rua, :num, :tel, :ativ, :sit, :tipo, :isento)",
         p({{"d", QDate(2019, 9, 10)},
            {"cnpj", "14151617000112"},
            {"razao", "LANCHONETE PONTO CERTO LTDA"},
            {"fantasia", "PONTO CERTO"},
            {"cep", "99990050"},
            {"loc", 1},
            {"bai", "1"},
            {"rua", "RUA 5"},
            {"num", "77"},
            {"tel", "(99) 3210-7070"},
            {"ativ", 2},
            {"sit", "EM ATIVIDADE"},
            {"tipo", "2 - PESSOA JURIDICA - CNPJ"},
            {"isento", "N"}}),
         1},
        {"update cliente",
         "update cliente set BAI_NU_SEQUENCIAL = :bai, ATIVID_CODIGO = :ativ, siapi = :siapi, CLIENTE_AREA = "
         ":area, "
         "valorTaxa = :vt where CLIENTE_CODIGO = :id",
         p({{"bai", "3"},
            {"ativ", 1},
            {"siapi", "201900099999"},
            {"area", "110,00"},
            {"vt", 136.9},
            {"id", 16}}),
         1},
        {"remove cliente", "delete from cliente where CLIENTE_CODIGO = :id", p({{"id", 16}}), 1},

        // Neighbourhood and activity registers.
        {"insert bairro", "insert into bairros (BAI_NO) values (:n)", p({{"n", "RESIDENCIAL DAS PALMEIRAS"}}),
         1},
        {"update bairro", "update bairros set BAI_NO = :n where BAI_NU_SEQUENCIAL = :id",
         p({{"n", "SETOR AEROPORTO"}, {"id", 7}}), 1},
        {"remove bairro", "delete from bairros where BAI_NU_SEQUENCIAL = :id", p({{"id", 1}}), 1},
        {"insert atividade",
         "insert into atividade (ATIVID_DESCRICAO, RISCO_CODIGO, cidadeSegura) values (:d, :r, :c)",
         p({{"d", "PANIFICADORA"}, {"r", 3}, {"c", "S"}}), 1},
        {"update atividade",
         "update atividade set RISCO_CODIGO = :r, cidadeSegura = :c where ATIVID_CODIGO = :id",
         p({{"r", 1}, {"c", "S"}, {"id", 9}}), 1},
        {"remove atividade", "delete from atividade where ATIVID_CODIGO = :id", p({{"id", 9}}), 1},

        // Locator and fee.
        {"mark printed by cnpj", "update cliente set impresso = \"S\" where CLIENTE_CNPJ_CPF = :cnp",
         p({{"cnp", "13141516000106"}}), 1},
        {"batch fee", "update cliente set valorTaxa = :vl where CLIENTE_CNPJ_CPF = :cnp",
         p({{"vl", 68.9925}, {"cnp", kCnpjDuplicado}}), 2},

        // Service window and service search.
        {"insert servico",
         "insert into servico (CLIENTE_CODIGO, SERVICO_AREA, SERVICO_DATA_GERADA, usuario, ano, rodape, "
         "contatoVistoria, nomeLocal, endereco, USUARIO_CODIGO, SERVICO_VALOR, SERVICO_SIAPI, "
         "SITUACAO_CODIGO, "
         "dataCercon, usuarioAlt, impresso, taxaVistoria) values (:c, :area, :dg, :u, :ano, :rod, :cont, "
         ":nl, "
         ":end, :usr, :val, :siapi, :sit, :dc, :ua, :imp, :tv)",
         p({{"c", 16},
            {"area", "110,00"},
            {"dg", QDate(2019, 9, 10)},
            {"u", "PEREIRA 10/09/2019 10:00:00"},
            {"ano", 19},
            {"rod", "Retirar TAXA TPI  no site www.tpi.qz.gov.br  ou no PRONTO-JA"},
            {"cont", "(99) 3210-1616"},
            {"nl", "PAO DOURADO"},
            {"end", "RUA 3, 40, CENTRO"},
            {"usr", 1},
            {"val", "136,90"},
            {"siapi", "201900099999"},
            {"sit", 1},
            {"dc", QDate(2019, 10, 10)},
            {"ua", "PEREIRA 10/09/2019 10:05:00"},
            {"imp", "N"},
            {"tv", "N"}}),
         1},
        {"update servico",
         "update servico set SERVICO_VALOR = :val, SITUACAO_CODIGO = :sit, usuarioAlt = :ua, rodape = :rod "
         "where SERVICO_CODIGO = :id",
         p({{"val", "128,67"},
            {"sit", 4},
            {"ua", "SOUZA 10/09/2019 10:00:00"},
            {"rod", "RODAPE"},
            {"id", 7}}),
         1},
        {"add route", "update servico set rota = \"S\" where SERVICO_CODIGO = :cnp", p({{"cnp", 1}}), 1},
        {"remove route", "update servico set rota = \"N\" where SERVICO_CODIGO = :cnp", p({{"cnp", 2}}), 1},
        {"service printed", "update servico set impresso = \"S\" where SERVICO_CODIGO = :cnp",
         p({{"cnp", 2}}), 1},
        {"establishment printed", "update cliente set impresso = \"S\" where CLIENTE_CODIGO = :cnp",
         p({{"cnp", 16}}), 1},
        {"remove servico", "delete from servico where SERVICO_CODIGO = :id", p({{"id", 15}}), 1},

        // Requirements: settling addresses every row of the pair (rows 1 and 8).
        {"raise requirement",
         "insert into servico_exisgencia (data,idServico, idExisgencia, obs) values (:dt,:cdS, :cdE,:obs)",
         p({{"dt", now}, {"cdS", 12}, {"cdE", 7}, {"obs", "APRESENTAR ATESTADO DE BRIGADA DE INCENDIO"}}), 1},
        {"settle requirement",
         "update servico_exisgencia set situacao = \"BAIXADA\" where idExisgencia = :cnp and idServico = "
         ":idServ",
         p({{"cnp", 5}, {"idServ", 4}}), 2},
        {"reopen requirement",
         "update servico_exisgencia set situacao = \"PENDENTE\" where idExisgencia = :cnp and idServico = "
         ":idServ",
         p({{"cnp", 1}, {"idServ", 4}}), 1},

        // Boleto issuance, management, remittance and return.
        {"insert boleto",
         "insert into servico_boleto (codServico, dataEmissao, valor, dataVencimento) values (:s, :e, :v, "
         ":d)",
         p({{"s", 6}, {"e", QDate(2019, 9, 10)}, {"v", 1234.56}, {"d", QDate(2019, 10, 10)}}), 1},
        {"complete boleto",
         "update servico_boleto set nossoNumero = :nn, objetivo = :obj, linhaDigitavel = :ld, codBarra = "
         ":cb, "
         "usuario = :user where idServicoBoleto = :idB",
         p({{"nn", "0000000007"},
            {"obj", "ANALISE DE PROJETO"},
            {"ld", "00190.00009 07300.215006 00000.007179 1 79020000012867"},
            {"cb", "00191790200000128670000007300215000000000717"},
            {"user", "PEREIRA"},
            {"idB", 7}}),
         1},
        {"service fee slip", "update servico set taxaVistoria = \"S\" where SERVICO_CODIGO = :id",
         p({{"id", 6}}), 1},
        {"boleto delivered",
         "update servico_boleto set remessa = \"BOLETO ENTREGUE\" where idServicoBoleto = :idB",
         p({{"idB", 7}}), 1},
        {"edit boleto",
         "update servico_boleto set situacao = :sit, remessa = :rem where idServicoBoleto = :id",
         p({{"sit", "LIQUIDADO SEM REGISTRO"}, {"rem", "AGUAR. RECEBIMENTO"}, {"id", 6}}), 1},
        {"remove boleto", "delete from servico_boleto where idServicoBoleto = :id", p({{"id", 9}}), 1},
        {"mark sent",
         "update servico_boleto set dataRemessa = :dtr, remessa = \"ENVIADA AO BANCO\" where idServicoBoleto "
         "= :cnp",
         p({{"dtr", now}, {"cnp", 5}}), 1},
        {"return",
         "update  servico_boleto set situacao = :sit , atualizacao = :hr, remessa = :sit where "
         "idServicoBoleto = :cb",
         p({{"sit", QStringLiteral("Débito de Tarifas/Custas")}, {"hr", now}, {"cb", 6}}), 1},

        // City hall list and merge tools.
        {"mark prefeitura", "update prefeitura set obs = :st where cnpj = :cnp",
         p({{"st", "MEI"}, {"cnp", "15161718000137"}}), 3},
        {"merge cnpj", lines({"update servico set cliente_codigo = :bf", "where cliente_codigo = :bs"}),
         p({{"bf", 11}, {"bs", 10}}), 1},
        {"merge bairro",
         lines({"update cliente set BAI_NU_SEQUENCIAL = :bf", "where BAI_NU_SEQUENCIAL = :bs"}),
         p({{"bf", 2}, {"bs", 7}}), 1},
        {"merge street", lines({"update cliente set CLIENTE_RUA=:bf", "where CLIENTE_RUA=:bs"}),
         p({{"bf", "RUA DAS FLORES"}, {"bs", "R DAS FLORES"}}), 1},
        {"remove merged cliente", "delete from cliente where CLIENTE_CODIGO = :id", p({{"id", 10}}), 1},
        {"remove merged bairro", "delete from bairros where BAI_NU_SEQUENCIAL = :id", p({{"id", 7}}), 1},
        {"remove prefeitura duplicate", "delete from prefeitura where idPrefeitura = :id", p({{"id", 6}}), 1},
    };
}

// Typical searches of the big database, with literal values in the ranges
// that benchmarks/sql/seed_large.sql fills.
struct Plan
{
    QString name;
    QString sql;
};

QList<Plan> planCases()
{
    return {
        {"establishments by neighbourhood",
         "select * from cliente_view where 1 = 1 and bairro = 'SETOR 0005' order by "
         "LOC_NU_SEQUENCIAL,bairro,endereco limit 0,10"},
        {"establishments by city",
         "select * from cliente_view where 1 = 1 and cidade = 'CIDADE 07' order by "
         "LOC_NU_SEQUENCIAL,bairro,endereco limit 0,10"},
        {"establishment by cnpj", "select * from cliente where CLIENTE_CNPJ_CPF = '00007919000101'"},
        {"fee by cnpj", "explain update cliente set valorTaxa = 1 where CLIENTE_CNPJ_CPF = '00007919000101'"},
        {"services by neighbourhood",
         "select * from servico_vw where 1 = 1 and bairro = 'SETOR 0005' order by "
         "bairro,CLIENTE_RUA,CLIENTE_NUMERO_END limit 0,10"},
        {"services by city",
         "select * from servico_vw where 1 = 1 and cidade = 'CIDADE 07' order by "
         "bairro,CLIENTE_RUA,CLIENTE_NUMERO_END limit 0,10"},
        {"services by inspector",
         "select * from servico_vw where 1 = 1 and codVistoriador = 5 order by "
         "bairro,CLIENTE_RUA,CLIENTE_NUMERO_END limit 0,10"},
        {"services of establishment",
         "select * from servico_vw where codCliente = 1234 order by dataGerada desc"},
        {"fee alert", "select * from servico_vw where situacao = \"GERAR TAXA\""},
        {"boletos by inspector",
         "select * from servico_boleto_vw where 1 = 1 and vistoriadorGuerra = 'GUERRA05' order by "
         "dataEmissao limit 0,50"},
        {"boletos by neighbourhood",
         "select * from servico_boleto_vw where 1 = 1 and bairro = 'SETOR 0005' order by dataEmissao limit "
         "0,50"},
        {"boletos to remit",
         "select * from servico_boleto_vw where 1 = 1 and remessa = 'BOLETO ENTREGUE' order by dataEmissao "
         "limit 0,50"},
        {"boletos of service",
         "select * from servico_boleto_vw where  codServico = 4321 order by dataEmissao limit 0,50"},
        {"requirements by inspector",
         "select * from exisgencia_vw where 1 = 1 and vistoriadorGuerra = 'GUERRA05' order by data limit "
         "0,50"},
        {"requirements of service", "select  * from exisgencia_vw where idServico = 4321"},
    };
}

} // namespace

class TstSchema : public QObject
{
    Q_OBJECT

private:
    QString m_socket;
    QString m_source;

    // Runs the mariadb client as root over the socket, feeding it input;
    // returns what went wrong, or an empty text.
    QString client(const QString &database, const QByteArray &input)
    {
        QProcess proc;
        QStringList args {QStringLiteral("--no-defaults"), QStringLiteral("--socket=") + m_socket,
                          QStringLiteral("-uroot")};
        if (!database.isEmpty())
            args << database;
        proc.start(QStringLiteral("mariadb"), args);
        if (!proc.waitForStarted())
            return QStringLiteral("the mariadb client did not start");
        proc.write(input);
        proc.closeWriteChannel();
        if (!proc.waitForFinished(300000))
            return QStringLiteral("the mariadb client did not finish");
        if (proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0)
            return QString::fromUtf8(proc.readAllStandardError());
        return {};
    }

    QByteArray file(const QString &relative)
    {
        QFile f(m_source + QLatin1Char('/') + relative);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }

    QString createDatabase(const QString &name)
    {
        return client(QString(),
                      QStringLiteral("DROP DATABASE IF EXISTS `%1`; CREATE DATABASE `%1` "
                                     "CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;")
                          .arg(name)
                          .toUtf8());
    }

    void openConnection(const QString &connName, const QString &database)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connName);
        db.setHostName(env("QZ_TEST_DB_HOST"));
        db.setPort(env("QZ_TEST_DB_PORT").toInt());
        db.setUserName(env("QZ_TEST_DB_USER"));
        db.setPassword(env("QZ_TEST_DB_PASSWORD"));
        db.setDatabaseName(database);
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
    }

    static QSqlDatabase db() { return QSqlDatabase::database(kConn); }

    static QVariant scalar(const QString &sql)
    {
        QSqlQuery q(db());
        if (!q.exec(sql) || !q.next()) {
            qWarning() << q.lastError().text() << sql;
            return {};
        }
        return q.value(0);
    }

    // Prepares, binds and runs a statement; returns the rows read (selects)
    // or changed (writes), or -1 with the reason in *error.
    static int run(QSqlQuery &q, const QString &sql, const QVariantMap &params, QString *error)
    {
        if (!q.prepare(sql)) {
            *error = q.lastError().text();
            return -1;
        }
        for (auto it = params.begin(); it != params.end(); ++it)
            q.bindValue(QLatin1Char(':') + it.key(), it.value());
        if (!q.exec()) {
            *error = q.lastError().text();
            return -1;
        }
        if (!q.isSelect())
            return q.numRowsAffected();
        int rows = 0;
        while (q.next())
            ++rows;
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *name : {"QZ_TEST_DB_HOST", "QZ_TEST_DB_PORT", "QZ_TEST_DB_USER", "QZ_TEST_DB_SOCKET",
                                 "QZ_SOURCE_DIR"}) {
            if (env(name).isEmpty())
                QSKIP("no test database: run the suite with scripts/test");
        }
        m_socket = env("QZ_TEST_DB_SOCKET");
        m_source = env("QZ_SOURCE_DIR");

        const QByteArray schema = file(QStringLiteral("sql/schema.sql"));
        const QByteArray demo = file(QStringLiteral("sql/demo.sql"));
        QVERIFY(!schema.isEmpty());
        QVERIFY(!demo.isEmpty());
        QString error = createDatabase(kDb);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        error = client(kDb, schema);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        error = client(kDb, demo);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Loading the schema again changes nothing: the data stays.
        error = client(kDb, schema);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        openConnection(kConn, kDb);

        // The big database for the plans, at a tenth of the benchmark's size.
        const QByteArray seed = file(QStringLiteral("benchmarks/sql/seed_large.sql"));
        QVERIFY(!seed.isEmpty());
        error = createDatabase(kPlanDb);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        error = client(kPlanDb, schema);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        error = client(kPlanDb,
                       "SET @n_clientes = 20000, @n_servicos = 50000, @n_boletos = 50000, "
                       "@n_exigencias = 10000;\n"
                           + seed);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        openConnection(kPlanConn, kPlanDb);
        QSqlQuery count(QSqlDatabase::database(kPlanConn));
        QVERIFY(count.exec(QStringLiteral("select count(*) from servico_boleto")) && count.next());
        QCOMPARE(count.value(0).toInt(), 50000);
    }

    void cleanupTestCase()
    {
        if (m_socket.isEmpty())
            return;
        QSqlDatabase::database(kConn).close();
        QSqlDatabase::database(kPlanConn).close();
        QSqlDatabase::removeDatabase(kConn);
        QSqlDatabase::removeDatabase(kPlanConn);
        const QString error = client(QString(),
                                     QStringLiteral("DROP DATABASE IF EXISTS `%1`; "
                                                    "DROP DATABASE IF EXISTS `%2`;")
                                         .arg(kDb, kPlanDb)
                                         .toUtf8());
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void storage()
    {
        QSqlQuery q(db());
        QVERIFY(
            q.exec(QStringLiteral("select TABLE_NAME, ENGINE, TABLE_COLLATION from information_schema.TABLES "
                                  "where TABLE_SCHEMA = database() and TABLE_TYPE = 'BASE TABLE'")));
        int tables = 0;
        while (q.next()) {
            ++tables;
            QVERIFY2(q.value(1).toString() == QLatin1String("InnoDB"), qPrintable(q.value(0).toString()));
            QVERIFY2(q.value(2).toString().startsWith(QLatin1String("utf8mb4")),
                     qPrintable(q.value(0).toString()));
        }
        QVERIFY(tables >= 14);

        // Views the server cannot merge into the statement would be
        // materialised whole at every search.
        QVERIFY(q.exec(QStringLiteral("select TABLE_NAME, ALGORITHM from information_schema.VIEWS "
                                      "where TABLE_SCHEMA = database()")));
        int views = 0;
        while (q.next()) {
            ++views;
            QVERIFY2(q.value(1).toString() == QLatin1String("MERGE"), qPrintable(q.value(0).toString()));
        }
        QCOMPARE(views, 5);
    }

    // Every table and view with every column the program reads, by exact
    // name. A column may carry the type the program reads it in; columns
    // without one are texts.
    void columns_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("columns");

        const QString boleto = QStringLiteral(
            "idServicoBoleto:int codServico:int linhaDigitavel codBarra nossoNumero situacao remessa "
            "dataEmissao:date dataHoraEmissao:datetime dataVencimento:date valor:double usuario objetivo "
            "atualizacao:datetime dataDescarga:datetime dataRemessa:datetime");
        const QList<std::pair<const char *, QString>> rows = {
            {"cliente",
             "CLIENTE_CODIGO:int CLIENTE_DATA_CADASTRO:date CLIENTE_CNPJ_CPF CLIENTE_RAZAO_SOCIAL "
             "CLIENTE_FANTASIA "
             "CLIENTE_CEP LOC_NU_SEQUENCIAL:int BAI_NU_SEQUENCIAL CLIENTE_RUA CLIENTE_NUMERO_END CLIENTE_QD "
             "CLIENTE_LT CLIENTE_COMPLEM CLIENTE_FONE_EMPRESA CLIENTE_TEL_CONTATO ATIVID_CODIGO:int "
             "CLIENTE_MAIL "
             "CLIENTE_AREA CLIENTE_NIVEL:int CLIENTE_ALTERACAO:datetime CLIENTE_USUARIO:int CLIENTE_SITUACAO "
             "situacao impresso siapi cnai valorTaxa:double isento tipoEmpresa dataAbertura:date"},
            {"bairros",
             "BAI_NU_SEQUENCIAL:int UFE_SG LOC_NU_SEQUENCIAL:int BAI_NO BAI_NO_ABREV BAI_QD BAI_QUADRANTE"},
            {"localidade", "LOC_NU_SEQUENCIAL:int LOC_NO"},
            {"atividade", "ATIVID_CODIGO:int ATIVID_DESCRICAO RISCO_CODIGO:int cidadeSegura"},
            {"servico",
             "SERVICO_CODIGO:int SERVICO_PROTOCOLO SERVICO_SIAPI CLIENTE_CODIGO:int TIPO_SERVICO_CODIGO "
             "SERVICO_AREA "
             "SERVICO_VALOR USUARIO_CODIGO:int ano:int SERVICO_DATA_GERADA:date dataCadastro:datetime "
             "SERVICO_DATA_REALIZADA:date SERVICO_PRAZO:date SITUACAO_CODIGO:int SERVICO_TIPO_OCUPACAO "
             "RISCO_NIVEL_CODIGO:int PREVENTIVO_CODIGO:int GLP_CODIGO:int impresso observacao endereco "
             "rodape "
             "cerconEntregue taxaVistoria certPrevia rota dataCercon:date usuario usuarioAlt nomeLocal "
             "contatoVistoria barrasTpi valorTpi:double vencimentoTpi:date codBarra subCodBarra"},
            {"situacao", "SITUACAO_CODIGO:int SITUACAO_DESCRICAO"},
            {"servico_boleto", boleto},
            {"usuario",
             "USUARIO_CODIGO:int USUARIO_CPF USUARIO_NOME rg GRADUACAO_CODIGO:int USUARIO_GUERRA "
             "FUNCAO_CODIGO:int "
             "senha USUARIO_STATUS USUARIO_ASSINATURA assinatura unidade verCodBarra cadServico "
             "removerServico "
             "cadBoleto removerBoleto confUsuario ativo USUARIO_NIVEL"},
            {"configuracao", "ufir:double unidade versao"},
            {"unidade", "idUnidade:int nomeUnidade"},
            {"exisgencia", "idExisgencia:int descricao codigo"},
            {"servico_exisgencia", "idServico:int idExisgencia:int data:datetime obs situacao"},
            {"prefeitura", "cnpj razao fantasia bairro rua numero contato data contem impresso obs"},
            {"certificado_tv",
             "idCertificado:int cnpjCpf razaoSocial fantasia endereco bairro atividade risco tipoCertificado "
             "dataProtocolo:date dataInicial:date dataValidade:date numSiapi sistPreventivo inspecao "
             "dataServico:date numTitulo valorTitulo:double dataVencimentoTitulo:date"},
            {"cliente_view",
             "CLIENTE_CODIGO:int CLIENTE_CNPJ_CPF CLIENTE_RAZAO_SOCIAL CLIENTE_FANTASIA "
             "CLIENTE_DATA_CADASTRO:date "
             "CLIENTE_CEP CLIENTE_RUA CLIENTE_NUMERO_END CLIENTE_FONE_EMPRESA CLIENTE_TEL_CONTATO "
             "CLIENTE_AREA "
             "situacao impresso siapi cnai valorTaxa:double isento tipoEmpresa dataAbertura:date "
             "LOC_NU_SEQUENCIAL:bigint BAI_NU_SEQUENCIAL:bigint ATIVID_CODIGO:bigint cidade bairro atividade "
             "cidadeSegura endereco enderecoSemBairro email vistoriadorGuerra vistoriadorGraduacao "
             "GRADUACAO_DESCRICAO visotriadorrg"},
            {"servico_vw",
             "SERVICO_CODIGO:int codCliente:int dataGerada:date dataCadastro:datetime situacao "
             "SITUACAO_CODIGO:int "
             "valor area impresso rota rodape observacao nomeLocal contatoVistoria barrasTpi valorTpi:double "
             "vencimentoTpi:date codVistoriador:int vistoriadorGuerra vistoriadorGraduacao visotriadorrg "
             "cidade "
             "bairro cidadeSegura endereco endereco2 enderecoSemBairro cliente_rua CLIENTE_CNPJ_CPF "
             "CLIENTE_RAZAO_SOCIAL CLIENTE_FANTASIA CLIENTE_DATA_CADASTRO:date CLIENTE_CEP "
             "CLIENTE_NUMERO_END "
             "CLIENTE_FONE_EMPRESA CLIENTE_TEL_CONTATO CLIENTE_AREA cnai siapi valorTaxa:double atividade "
             "tipoEmpresa email LOC_NU_SEQUENCIAL:bigint BAI_NU_SEQUENCIAL:bigint ATIVID_CODIGO:bigint "
             "situacaoEmpresa"},
            {"servico_boleto_vw",
             boleto
                 + " codCliente:int CLIENTE_CNPJ_CPF CLIENTE_RAZAO_SOCIAL CLIENTE_FANTASIA fantasia "
                   "CLIENTE_TEL_CONTATO cliente_rua endereco2 bairro cidade cep tipoEmpresa email area siapi "
                   "nomeLocal observacao contatoVistoria barrasTpi valorTpi:double vencimentoTpi:date "
                   "dataCadastro:datetime vistoriadorGuerra visotriadorrg"},
            {"exisgencia_vw",
             "idExisgencia:int descricao codigo idServico:int obs situacao data:datetime razao cnpj bairro "
             "cidade "
             "vistoriadorGuerra"},
            {"usuario_vw", "USUARIO_CODIGO:int USUARIO_GUERRA GRADUACAO_DESCRICAO"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.first) << QString::fromLatin1(row.first) << row.second;
    }

    void columns()
    {
        QFETCH(QString, object);
        QFETCH(QString, columns);

        QSqlQuery q(db());
        QVERIFY(q.prepare(QStringLiteral("select COLUMN_NAME, DATA_TYPE from information_schema.COLUMNS "
                                         "where TABLE_SCHEMA = database() and TABLE_NAME = binary :t")));
        q.bindValue(QStringLiteral(":t"), object);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        QHash<QString, QString> types; // exact column name -> type
        while (q.next())
            types.insert(q.value(0).toString(), q.value(1).toString());
        QVERIFY2(!types.isEmpty(), qPrintable(object + QStringLiteral(" does not exist")));

        QStringList problems;
        for (const QString &entry : columns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString name = entry.section(QLatin1Char(':'), 0, 0);
            const QString want = entry.section(QLatin1Char(':'), 1, 1);
            if (!types.contains(name)) {
                problems << name + QStringLiteral(" missing");
                continue;
            }
            const QString have = types.value(name);
            const bool text = have == QLatin1String("varchar") || have == QLatin1String("text")
                || have == QLatin1String("char") || have == QLatin1String("mediumtext");
            if (want.isEmpty() ? !text : have != want)
                problems << QStringLiteral("%1 is %2").arg(name, have);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
    }

    void defaults()
    {
        QSqlDatabase d = db();
        QVERIFY(d.transaction());
        QSqlQuery q(d);
        QString error;

        // A new boleto is "GERADA" and stamped with its issue moment.
        QCOMPARE(run(q,
                     "insert into servico_boleto (codServico, dataEmissao, valor, dataVencimento) "
                     "values (:s, :e, :v, :d)",
                     p({{"s", 6}, {"e", QDate::currentDate()}, {"v", 10.5}, {"d", QDate::currentDate()}}),
                     &error),
                 1);
        const QVariant id = q.lastInsertId();
        QVERIFY(id.toInt() > 13);
        QCOMPARE(run(q, "select remessa, dataHoraEmissao from servico_boleto where idServicoBoleto = :id",
                     p({{"id", id}}), &error),
                 1);
        QVERIFY(q.first());
        QCOMPARE(q.value(0).toString(), QStringLiteral("GERADA"));
        QVERIFY(q.value(1).toDateTime().isValid());

        // The longest status text of the return file fits both columns whole.
        const QString longest = QStringLiteral("Débito de Tarifas/Custas");
        QCOMPARE(run(q,
                     "update servico_boleto set situacao = :sit, remessa = :sit where idServicoBoleto = :id",
                     p({{"sit", longest}, {"id", id}}), &error),
                 1);
        QCOMPARE(run(q, "select situacao, remessa from servico_boleto where idServicoBoleto = :id",
                     p({{"id", id}}), &error),
                 1);
        QVERIFY(q.first());
        QCOMPARE(q.value(0).toString(), longest);
        QCOMPARE(q.value(1).toString(), longest);

        // A requirement raised without a situation is pending.
        QCOMPARE(run(q,
                     "insert into servico_exisgencia (data,idServico, idExisgencia, obs) values (:dt,:cdS, "
                     ":cdE,:obs)",
                     p({{"dt", QDateTime::currentDateTime()}, {"cdS", 3}, {"cdE", 2}, {"obs", "SINALIZAR"}}),
                     &error),
                 1);
        QCOMPARE(run(q, "select situacao from servico_exisgencia where idServicoExisgencia = :id",
                     p({{"id", q.lastInsertId()}}), &error),
                 1);
        QVERIFY(q.first());
        QCOMPARE(q.value(0).toString(), QStringLiteral("PENDENTE"));

        // A new service is stamped with its registration moment.
        QCOMPARE(run(q, "insert into servico (CLIENTE_CODIGO, ano) values (:c, :a)",
                     p({{"c", 16}, {"a", 19}}), &error),
                 1);
        QCOMPARE(run(q, "select dataCadastro from servico where SERVICO_CODIGO = :id",
                     p({{"id", q.lastInsertId()}}), &error),
                 1);
        QVERIFY(q.first());
        QVERIFY(q.value(0).toDateTime().isValid());
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(d.rollback());
    }

    // Joins on keys only, with rows whose references are gone kept: the
    // demonstration data has such rows in every view.
    void oneRowPerBaseRow_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("base");
        QTest::newRow("cliente_view") << "cliente_view"
                                      << "cliente";
        QTest::newRow("servico_vw") << "servico_vw"
                                    << "servico";
        QTest::newRow("servico_boleto_vw") << "servico_boleto_vw"
                                           << "servico_boleto";
        QTest::newRow("exisgencia_vw") << "exisgencia_vw"
                                       << "servico_exisgencia";
        QTest::newRow("usuario_vw") << "usuario_vw"
                                    << "usuario";
    }

    void oneRowPerBaseRow()
    {
        QFETCH(QString, view);
        QFETCH(QString, base);
        const qlonglong rows = scalar(QStringLiteral("select count(*) from ") + base).toLongLong();
        QVERIFY(rows > 0);
        QCOMPARE(scalar(QStringLiteral("select count(*) from ") + view).toLongLong(), rows);
    }

    // What the views say about the demonstration data's odd rows.
    void viewValues_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariant>("expected");
        // Neighbourhood stored as text, joined by number.
        QTest::newRow("bairro of establishment 7")
            << "select bairro from cliente_view where CLIENTE_CODIGO = 7" << QVariant("ST AEROPORTO");
        QTest::newRow("number of a missing bairro")
            << "select BAI_NU_SEQUENCIAL from cliente_view where CLIENTE_CODIGO = 10" << QVariant(99);
        QTest::newRow("missing bairro has no name")
            << "select count(*) from cliente_view where CLIENTE_CODIGO = 10 and bairro is null"
            << QVariant(1);
        QTest::newRow("address") << "select endereco from cliente_view where CLIENTE_CODIGO = 1"
                                 << QVariant("AVENIDA BRASIL, 1250, CENTRO");
        QTest::newRow("address without bairro")
            << "select enderecoSemBairro from cliente_view where CLIENTE_CODIGO = 1"
            << QVariant("AVENIDA BRASIL, 1250");
        QTest::newRow("establishment inspector rank")
            << "select concat(vistoriadorGraduacao, ' ', vistoriadorGuerra, ' ', GRADUACAO_DESCRICAO, ' ', "
               "visotriadorrg) from cliente_view where CLIENTE_CODIGO = 1"
            << QVariant("2º SGT SOUZA SEGUNDO SARGENTO 1002");
        // The service's own address, or the establishment's when it has none.
        QTest::newRow("service address") << "select endereco from servico_vw where SERVICO_CODIGO = 4"
                                         << QVariant("RUA DA INDUSTRIA, S/N, QD 12, LT 4, SETOR INDUSTRIAL");
        QTest::newRow("service address falls back")
            << "select endereco from servico_vw where SERVICO_CODIGO = 10"
            << QVariant("RUA DOS MECANICOS, 17, VILA NOVA");
        QTest::newRow("service status and establishment situation")
            << "select concat(situacao, ' / ', situacaoEmpresa) from servico_vw where SERVICO_CODIGO = 7"
            << QVariant("COMISSAO TECNICA / MEI");
        QTest::newRow("service inspector") << "select concat(codVistoriador, ' ', vistoriadorGuerra, ' ', "
                                              "vistoriadorGraduacao, ' ', visotriadorrg) "
                                              "from servico_vw where SERVICO_CODIGO = 1"
                                           << QVariant("2 SOUZA 2º SGT 1002");
        QTest::newRow("orphan service")
            << "select count(*) from servico_vw where SERVICO_CODIGO = 16 and "
               "codCliente = 999 and CLIENTE_RAZAO_SOCIAL is null and situacao is null"
            << QVariant(1);
        QTest::newRow("boleto address")
            << "select endereco2 from servico_boleto_vw where idServicoBoleto = 10"
            << QVariant("R DAS FLORES, 12 - SETOR AEROPORTO");
        QTest::newRow("boleto service and establishment")
            << "select concat(codCliente, ' ', siapi, ' ', area, ' ', fantasia, ' ', cep, ' ', "
               "vistoriadorGuerra) "
               "from servico_boleto_vw where idServicoBoleto = 7"
            << QVariant("8 ANAL. PROJ 95,50 DROGARIA VIDA 99990100 SOUZA");
        QTest::newRow("requirement")
            << "select concat(codigo, ' ', razao, ' ', cnpj, ' ', cidade) from exisgencia_vw "
               "where idServicoExisgencia = 7"
            << QVariant("09 OFICINA MECANICA PISTAO LTDA ME 77888999000181 SAO BENTO DO QUARTZO");
        QTest::newRow("inspector rank")
            << "select GRADUACAO_DESCRICAO from usuario_vw where USUARIO_CODIGO = 1" << QVariant("CAPITAO");
    }

    void viewValues()
    {
        QFETCH(QString, sql);
        QFETCH(QVariant, expected);
        QCOMPARE(scalar(sql).toString(), expected.toString());
    }

    // Every search statement the windows build, with each criterion line
    // alone and all of them together.
    void searches_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantMap>("params");
        QTest::addColumn<int>("expected");
        for (const Search &s : searchCases())
            for (const Case &c : expand(s))
                QTest::newRow(qPrintable(c.name)) << c.sql << c.params << c.expected;
    }

    void searches()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantMap, params);
        QFETCH(int, expected);
        QSqlQuery q(db());
        QString error;
        const int rows = run(q, sql, params, &error);
        QVERIFY2(rows >= 0, qPrintable(error + QStringLiteral("\n") + sql));
        if (expected >= 0)
            QCOMPARE(rows, expected);
    }

    void selects_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantMap>("params");
        QTest::addColumn<int>("expected");
        for (const Case &c : selectCases())
            QTest::newRow(qPrintable(c.name)) << c.sql << c.params << c.expected;
    }

    void selects() { searches(); }

    // Updates, inserts and deletes, each rolled back.
    void writes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantMap>("params");
        QTest::addColumn<int>("expected");
        for (const Case &c : writeCases())
            QTest::newRow(qPrintable(c.name)) << c.sql << c.params << c.expected;
    }

    void writes()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantMap, params);
        QFETCH(int, expected);
        QSqlDatabase d = db();
        QVERIFY(d.transaction());
        QString error;
        int rows = 0;
        {
            QSqlQuery q(d);
            rows = run(q, sql, params, &error);
        }
        QVERIFY(d.rollback());
        QVERIFY2(rows >= 0, qPrintable(error + QStringLiteral("\n") + sql));
        QCOMPARE(rows, expected);
    }

    // The typical searches, on a database of some tens of thousands of rows,
    // never read a big table whole.
    void plans_data()
    {
        QTest::addColumn<QString>("sql");
        for (const Plan &c : planCases())
            QTest::newRow(qPrintable(c.name)) << c.sql;
    }

    void plans()
    {
        QFETCH(QString, sql);
        QSqlQuery q(QSqlDatabase::database(kPlanConn));
        const QString explain
            = sql.startsWith(QLatin1String("explain")) ? sql : QStringLiteral("explain ") + sql;
        QVERIFY2(q.exec(explain), qPrintable(q.lastError().text()));
        const QStringList big {
            "c", "s", "sb", "se", "cliente", "servico", "servico_boleto", "servico_exisgencia"};
        QStringList plan;
        while (q.next()) {
            const QString table = q.record().value(QStringLiteral("table")).toString();
            const QString type = q.record().value(QStringLiteral("type")).toString();
            plan << table + QLatin1Char(':') + type;
            if (big.contains(table))
                QVERIFY2(
                    type != QLatin1String("ALL") && type != QLatin1String("index"),
                    qPrintable(QStringLiteral("reads %1 whole: %2").arg(table, plan.join(QLatin1Char(' ')))));
        }
        QVERIFY(!plan.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSchema)
#include "tst_schema.moc"
