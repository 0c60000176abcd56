// The boleto line tool: one JSON object in, one JSON object out, bad lines
// answered with "erro" without stopping the others.

#include "ajuda.h"
#include "processalinha.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Json = nlohmann::json;

const std::string Exemplo
    = R"({"banco":"001","agencia":"4417","codigoCedente":"7300215","conta":"26084","digitoConta":"3",)"
      R"("convenio":"7300215","carteira":"17","nossoNumero":"0000000123","documento":"123",)"
      R"("valor":"150.00","vencimento":"2017-07-19"})";

TEST(Ferramenta, WorkedExampleLine)
{
    EXPECT_EQ(
        ProcessaLinha(Exemplo),
        R"({"codigoBarras":"00191722500000150000000007300215000000012317",)"
        R"("linhaDigitavel":"00190.00009 07300.215006 00000.123174 1 72250000015000",)"
        R"("campoLivre":"0000007300215000000012317","numeroBancario":"73002150000000123-5",)"
        R"("agenciaCodigoCedente":"4417/7300215-1","nomeBanco":"Banco Brasil","codigoBancoComDigito":"001-9"})");
}

TEST(Ferramenta, NumbersAreTakenAsWrittenAndNullAsAbsent)
{
    const Json r = Json::parse(ProcessaLinha(
        R"({"banco":"001","agencia":4417,"codigoCedente":"7300215","convenio":7300215,"carteira":"17",)"
        R"("nossoNumero":"0000000123","valor":150.0,"vencimento":"2017-07-19","moeda":null,"documento":null})"));
    EXPECT_EQ(r.value("codigoBarras", ""), "00191722500000150000000007300215000000012317") << r.dump();
}

struct CasoLinha
{
    const char *nome;
    std::string linha;
    std::string erro; // the whole message, or its start when it ends in "..."
};

class LinhaRuimTeste : public ::testing::TestWithParam<CasoLinha>
{ };

TEST_P(LinhaRuimTeste, AnswersWithErro)
{
    const std::string saida = ProcessaLinha(GetParam().linha);
    const Json r = Json::parse(saida);
    ASSERT_EQ(r.size(), 1u) << saida;
    const std::string erro = r.at("erro").get<std::string>();
    const std::string &esperado = GetParam().erro;
    if (esperado.size() > 3 && esperado.compare(esperado.size() - 3, 3, "...") == 0)
        EXPECT_EQ(erro.substr(0, esperado.size() - 3), esperado.substr(0, esperado.size() - 3)) << erro;
    else
        EXPECT_EQ(erro, esperado);
}

std::string Troca(std::string linha, const std::string &de, const std::string &para)
{
    linha.replace(linha.find(de), de.size(), para);
    return linha;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhaRuimTeste,
    ::testing::Values(
        CasoLinha {"empty", "", "JSON inválido: ..."},
        CasoLinha {"truncated", Exemplo.substr(0, 40), "JSON inválido: ..."},
        CasoLinha {"trailingGarbage", Exemplo + "x", "JSON inválido: ..."},
        CasoLinha {"array", "[1,2]", "A linha deve ser um objeto JSON"},
        CasoLinha {"scalar", "\"001\"", "A linha deve ser um objeto JSON"},
        CasoLinha {"nested", Troca(Exemplo, "\"4417\"", "{\"a\":1}"),
                   "O campo \"agencia\" deve ser um texto ou um número"},
        CasoLinha {"boolean", Troca(Exemplo, "\"4417\"", "true"),
                   "O campo \"agencia\" deve ser um texto ou um número"},
        CasoLinha {"commaDecimal", Troca(Exemplo, "150.00", "150,00"),
                   "O campo \"valor\" deve ser um número com ponto decimal e até quatro casas, como 150.00"},
        CasoLinha {"fiveDecimals", Troca(Exemplo, "150.00", "150.00001"),
                   "O campo \"valor\" deve ser um número com ponto decimal e até quatro casas, como 150.00"},
        CasoLinha {"impossibleDate", Troca(Exemplo, "2017-07-19", "2017-02-29"),
                   "O campo \"vencimento\" deve ser uma data no formato AAAA-MM-DD"},
        CasoLinha {"dayFirstDate", Troca(Exemplo, "2017-07-19", "19/07/2017"),
                   "O campo \"vencimento\" deve ser uma data no formato AAAA-MM-DD"},
        CasoLinha {"longAccountDigit", Troca(Exemplo, "\"3\"", "\"33\""),
                   "O campo \"digitoConta\" deve ter um único caractere"},
        CasoLinha {"longCurrency", Troca(Exemplo, "\"banco\"", "\"moeda\":\"99\",\"banco\""),
                   "O campo \"moeda\" deve ter um único caractere"},
        CasoLinha {"unknownBank", Troca(Exemplo, "\"001\"", "\"999\""),
                   "Classe não definida para o banco \"999\""},
        CasoLinha {"missingAmount", Troca(Exemplo, "\"valor\"", "\"outro\""),
                   "Valor do boleto não informado!"},
        CasoLinha {"missingDueDate", Troca(Exemplo, "\"2017-07-19\"", "\"\""),
                   "Data de vencimento não informada!"},
        CasoLinha {"letterInNossoNumero", Troca(Exemplo, "0000000123", "00000001A3"),
                   "'A' não é um valor inteiro válido"}),
    NomeDoCaso());

TEST(Ferramenta, JsonTextsAreEscapedAndValidUtf8)
{
    std::string s;
    AcrescentaTextoJson(s, std::string("a\"b\\c\n\x01\x7f"));
    EXPECT_EQ(s, R"("a\"b\\c\n\u0001\u007f")");
    s.clear();
    AcrescentaTextoJson(s, "ção \xC3 \xED\xA0\x80 \xF0\x9F\x98\x80");
    EXPECT_EQ(s, "\"ção \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xF0\x9F\x98\x80\"");
    EXPECT_TRUE(Json::accept(s));
}

std::vector<std::string> RodaFerramenta(const std::string &entrada)
{
    // ctest runs the tests of this file as parallel processes: one file each.
    const std::string arquivo = testing::TempDir() + "boleto_entrada_" + std::to_string(getpid()) + ".txt";
    std::ofstream(arquivo, std::ios::binary) << entrada;
    std::vector<std::string> linhas;
    FILE *saida = popen((std::string(QZ_BOLETO_TOOL) + " < " + arquivo).c_str(), "r");
    if (!saida)
        return linhas;
    char buffer[4096];
    std::string linha;
    while (fgets(buffer, sizeof buffer, saida)) {
        linha += buffer;
        if (!linha.empty() && linha.back() == '\n') {
            linha.pop_back();
            linhas.push_back(linha);
            linha.clear();
        }
    }
    EXPECT_TRUE(linha.empty()) << "unterminated output line: " << linha;
    EXPECT_EQ(pclose(saida), 0);
    std::remove(arquivo.c_str());
    return linhas;
}

TEST(Ferramenta, OneAnswerPerLineAndABadLineStopsNothing)
{
    const std::vector<std::string> linhas = RodaFerramenta(
        Exemplo + "\n{not json\r\n\n" + Troca(Exemplo, "0000000123", "0000000124") + "\r\n" + Exemplo);
    ASSERT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas[0], ProcessaLinha(Exemplo));
    EXPECT_TRUE(Json::parse(linhas[1]).contains("erro"));
    EXPECT_TRUE(Json::parse(linhas[2]).contains("erro")) << "an empty line is answered too";
    EXPECT_EQ(Json::parse(linhas[3]).at("campoLivre"), "0000007300215000000012417");
    EXPECT_EQ(linhas[4], ProcessaLinha(Exemplo)) << "last line without a line break";
}

TEST(Ferramenta, OverlongLineIsAnsweredAndSkipped)
{
    const std::string longa = "{\"banco\":\"" + std::string(3 << 20, '1') + "\"}";
    const std::vector<std::string> linhas = RodaFerramenta(longa + "\n" + Exemplo + "\n");
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0], R"({"erro":"Linha longa demais"})");
    EXPECT_EQ(linhas[1], ProcessaLinha(Exemplo));
}

} // namespace
