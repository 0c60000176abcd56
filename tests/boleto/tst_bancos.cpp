// The ten bank-rule classes: a complete generation per layout (free field,
// printed texts, defaults, rewritten nosso número), each bank's checks, and
// the digit routines of individual banks.

#include "ajuda.h"

#include "boleto/bancos.h"
#include "boleto/boleto.h"

#include <gtest/gtest.h>

namespace {

struct Saidas
{
    const char *campoLivre;
    const char *codigoBarras;
    const char *linhaDigitavel;
    const char *numeroBancario;
    const char *agenciaCodigoCedente;
    const char *nomeBanco;
    const char *codigoBancoComDigito;
};

struct Padroes
{
    const char *especie;
    const char *especieDoc;
    const char *aceite;
    const char *carteira;
};

struct CasoBanco
{
    const char *nome;
    Entrada entrada;
    Saidas saidas;
    const char *nossoNumeroDepois;
    Padroes padroes;
};

class BancoTeste : public ::testing::TestWithParam<CasoBanco>
{ };

TEST_P(BancoTeste, GeneratesItsLayout)
{
    const CasoBanco &c = GetParam();
    TBoleto b;
    b.Relogio = [] { return Data(2024, 6, 1); }; // SICREDI prints the year
    Preenche(b, c.entrada);
    b.GerarDados();

    EXPECT_EQ(b.CampoLivre, c.saidas.campoLivre);
    EXPECT_EQ(b.DadosGerados.CodigoBarras, c.saidas.codigoBarras);
    EXPECT_EQ(b.DadosGerados.LinhaDigitavel, c.saidas.linhaDigitavel);
    EXPECT_EQ(b.DadosGerados.NumeroBancario, c.saidas.numeroBancario);
    EXPECT_EQ(b.DadosGerados.AgenciaCodigoCedente, c.saidas.agenciaCodigoCedente);
    EXPECT_EQ(b.DadosGerados.NomeBanco, c.saidas.nomeBanco);
    EXPECT_EQ(b.DadosGerados.CodigoBancoComDigito, c.saidas.codigoBancoComDigito);
    ConfereCoerencia(b.DadosGerados, b.CampoLivre);

    EXPECT_EQ(b.NossoNumero, c.nossoNumeroDepois);
    EXPECT_EQ(b.Especie, c.padroes.especie);
    EXPECT_EQ(b.EspecieDoc, c.padroes.especieDoc);
    EXPECT_EQ(b.Aceite, c.padroes.aceite);
    EXPECT_EQ(b.Carteira, c.padroes.carteira);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BancoTeste,
    ::testing::Values(CasoBanco {"bb7DefaultCarteira",
                                 Entrada("001")
                                     .agencia("4417")
                                     .codigoCedente("7300215")
                                     .conta("26084")
                                     .digitoConta('3')
                                     .convenio("7300215")
                                     .nossoNumero("123")
                                     .valor(TValor::DeCentavos(15000))
                                     .vencimento(Data(2017, 7, 19)),
                                 {"0000007300215000000012318", "00191722500000150000000007300215000000012318",
                                  "00190.00009 07300.215006 00000.123182 1 72250000015000", "730021500123-8",
                                  "4417/7300215-1", "Banco Brasil", "001-9"},
                                 "123",
                                 {"R$", "", "N", "18"}},
                      CasoBanco {"bb4",
                                 Entrada("001")
                                     .agencia("4417")
                                     .codigoCedente("12345678")
                                     .conta("26084")
                                     .digitoConta('3')
                                     .convenio("1234")
                                     .carteira("17")
                                     .nossoNumero("1234567")
                                     .valor(TValor::DeCentavos(15000))
                                     .vencimento(Data(2017, 7, 19)),
                                 {"1234123456744171234567817", "00195722500000150001234123456744171234567817",
                                  "00191.23413 23456.744178 12345.678176 5 72250000015000", "0012341234567-1",
                                  "4417/12345678-9", "Banco Brasil", "001-9"},
                                 "1234567",
                                 {"R$", "", "N", "17"}},
                      CasoBanco {"bb6",
                                 Entrada("001")
                                     .agencia("4417")
                                     .codigoCedente("123456")
                                     .conta("26084")
                                     .digitoConta('3')
                                     .convenio("123456")
                                     .carteira("17")
                                     .nossoNumero("9876543210")
                                     .valor(TValor::DeCentavos(15000))
                                     .vencimento(Data(2017, 7, 19)),
                                 {"1234560000000987654321021", "00192722500000150001234560000000987654321021",
                                  "00191.23454 60000.000988 76543.210215 2 72250000015000",
                                  "12345609876543210", "4417/123456-0", "Banco Brasil", "001-9"},
                                 "9876543210",
                                 {"R$", "", "N", "17"}},
                      CasoBanco {"santander11",
                                 Entrada("033")
                                     .agencia("0123")
                                     .codigoCedente("12345678901")
                                     .nossoNumero("4567")
                                     .valor(TValor::DeCentavos(10000))
                                     .vencimento(Data(2020, 1, 1)),
                                 {"1234567890100045670003339", "03391812100000100001234567890100045670003339",
                                  "03391.23457 67890.100042 56700.033394 1 81210000010000", "123 0004567-2",
                                  "123.45.67890.1", "Santander", "033-7"},
                                 "0004567",
                                 {"R$", "DM - CI", "N", "COB"}},
                      CasoBanco {"santander7",
                                 Entrada("033")
                                     .agencia("0123")
                                     .codigoCedente("1234567")
                                     .digitoConta('5')
                                     .carteira("101")
                                     .nossoNumero("89")
                                     .valor(TValor::DeCentavos(10000))
                                     .vencimento(Data(2020, 1, 1)),
                                 {"9123456700000000008920101", "03391812100000100009123456700000000008920101",
                                  "03399.12347 56700.000005 00089.201016 1 81210000010000",
                                  "123 000000000089-2", "0123 1234567", "Santander", "033-7"},
                                 "000000000089",
                                 {"R$", "DM - CI", "N", "101"}},
                      CasoBanco {"caixa1",
                                 Entrada("104")
                                     .agencia("0987")
                                     .codigoCedente("123456")
                                     .carteira("1")
                                     .nossoNumero("12345")
                                     .valor(TValor::DeCentavos(5510))
                                     .vencimento(Data(2023, 5, 31)),
                                 {"1123456900000000000012345", "10493936700000055101123456900000000000012345",
                                  "10491.12343 56900.000003 00000.123455 3 93670000005510",
                                  "900000000000012345-0", "0987/123456-8", "Caixa", "104-0"},
                                 "00000000000012345",
                                 {"R$", "", "N", "1"}},
                      CasoBanco {"caixa8",
                                 Entrada("104")
                                     .agencia("87")
                                     .codigoCedente("12345")
                                     .carteira("8")
                                     .nossoNumero("999")
                                     .valor(TValor::DeCentavos(5510))
                                     .vencimento(Data(2023, 5, 31)),
                                 {"1234500878700000000000999", "10496936700000055101234500878700000000000999",
                                  "10491.23456 00878.700004 00000.009993 6 93670000005510",
                                  "800000000000999-9", "0087.870.00012345-1", "Caixa", "104-0"},
                                 "00000000000999",
                                 {"R$", "", "N", "8"}},
                      CasoBanco {"nossaCaixa",
                                 Entrada("151")
                                     .agencia("0123")
                                     .conta("123456")
                                     .digitoConta('7')
                                     .modalidade("04")
                                     .nossoNumero("1234")
                                     .valor(TValor::DeCentavos(1000))
                                     .vencimento(Data(2024, 12, 24)),
                                 {"9900012340123412345615127", "15194994000000010009900012340123412345615127",
                                  "15199.90004 12340.123418 23456.151275 4 99400000001000", "990001234-6",
                                  "0123 04 0123456 7", "NossaCaixa", "151-1"},
                                 "0001234",
                                 {"R$", "", "N", "CIDENT"}},
                      CasoBanco {"bradesco",
                                 Entrada("237")
                                     .agencia("123")
                                     .conta("4567")
                                     .digitoConta('1')
                                     .carteira("09")
                                     .nossoNumero("123")
                                     .valor(TValor::DeCentavos(100))
                                     .vencimento(Data(2025, 2, 22)),
                                 {"0123090000000012300045670", "23794100000000001000123090000000012300045670",
                                  "23790.12301 90000.000019 23000.456709 4 10000000000100",
                                  "09/00000000123-9", "0123/0004567-1", "Bradesco", "237-2"},
                                 "00000000123",
                                 {"R$", "DM", "N", "09"}},
                      CasoBanco {"itau",
                                 Entrada("341")
                                     .agencia("0057")
                                     .conta("12345")
                                     .digitoConta('6')
                                     .carteira("109")
                                     .nossoNumero("12345678")
                                     .valor(TValor::DeCentavos(250000))
                                     .vencimento(Data(2019, 11, 30)),
                                 {"1091234567800057123456000", "34194808900002500001091234567800057123456000",
                                  "34191.09123 34567.800056 71234.560002 4 80890000250000", "109/12345678-0",
                                  "0057/12345-6", "Itau", "341-7"},
                                 "12345678",
                                 {"R$", "DP", "N", "109"}},
                      CasoBanco {"itauDocumento",
                                 Entrada("341")
                                     .agencia("0057")
                                     .codigoCedente("12345")
                                     .conta("12345")
                                     .digitoConta('6')
                                     .carteira("106")
                                     .nossoNumero("42")
                                     .documento("1234")
                                     .valor(TValor::DeCentavos(250000))
                                     .vencimento(Data(2019, 11, 30)),
                                 {"1060000004200012341234580", "34191808900002500001060000004200012341234580",
                                  "34191.06004 00004.200010 23412.345805 1 80890000250000", "106/00000042-6",
                                  "0057/12345-6", "Itau", "341-7"},
                                 "00000042",
                                 {"R$", "DP", "N", "106"}},
                      CasoBanco {"santander353",
                                 Entrada("353")
                                     .agencia("1234")
                                     .codigoCedente("7654321")
                                     .nossoNumero("1234")
                                     .valor(TValor::DeCentavos(300))
                                     .vencimento(Data(2018, 8, 8)),
                                 {"9765432100000000012340102", "35393761000000003009765432100000000012340102",
                                  "35399.76542 32100.000002 00123.401028 3 76100000000300", "000000001234-4",
                                  "1234 / 7654321", "Santander", "353-0"},
                                 "0001234",
                                 {"R$", "DM - CI", "N", "COB"}},
                      CasoBanco {"real",
                                 Entrada("356")
                                     .agencia("12")
                                     .conta("1234567")
                                     .nossoNumero("5")
                                     .valor(TValor::DeCentavos(300))
                                     .vencimento(Data(2018, 8, 8)),
                                 {"0012123456750000000000005", "35697761000000003000012123456750000000000005",
                                  "35690.01211 23456.750001 00000.000059 7 76100000000300", "0000000000005",
                                  "0012/1234567/5", "Real", "356-5"},
                                 "0000000000005",
                                 {"R$", "57", "A", "20"}},
                      CasoBanco {"unibanco1",
                                 Entrada("409")
                                     .agencia("12")
                                     .codigoCedente("1234567")
                                     .conta("123")
                                     .digitoConta('4')
                                     .carteira("1")
                                     .nossoNumero("777")
                                     .valor(TValor::DeCentavos(300))
                                     .vencimento(Data(2021, 3, 5)),
                                 {"5123456700000000000000777", "40991855000000003005123456700000000000000777",
                                  "40995.12347 56700.000005 00000.007773 1 85500000000300", "0000000777-3",
                                  "0012/000123-4", "Unibanco", "409-0"},
                                 "0000000777",
                                 {"R$", "RC", "N", "1"}},
                      CasoBanco {"unibanco4",
                                 Entrada("409")
                                     .agencia("12")
                                     .codigoCedente("1234567")
                                     .conta("123")
                                     .digitoConta('4')
                                     .carteira("4")
                                     .nossoNumero("777")
                                     .valor(TValor::DeCentavos(300))
                                     .vencimento(Data(2021, 3, 5)),
                                 {"0421030500124000000077734", "40991855000000003000421030500124000000077734",
                                  "40990.42105 30500.124000 00000.777342 1 85500000000300",
                                  "1/0000000777-3/4", "0012/000123-4", "Unibanco", "409-0"},
                                 "0000000777",
                                 {"R$", "RC", "N", "4"}},
                      CasoBanco {"sicredi",
                                 Entrada("748")
                                     .agencia("123402")
                                     .codigoCedente("12345")
                                     .nossoNumero("123")
                                     .valor(TValor::DeCentavos(300))
                                     .vencimento(Data(2024, 6, 10)),
                                 {"3124200123212340212345104", "74891974300000003003124200123212340212345104",
                                  "74893.12426 00123.212342 02123.451045 1 97430000000300", "24/200123-2",
                                  "1234.02.12345", "SICREDI", "748-X"},
                                 "123",
                                 {"R$", "DI", "N", ""}}),
    NomeDoCaso());

TEST(Padroes, CallerValuesWinAndSicrediSetsThePaymentPlace)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    b.Especie = "US$";
    b.Aceite = "A";
    b.GerarDados();
    EXPECT_EQ(b.Especie, "US$");
    EXPECT_EQ(b.Aceite, "A");
    EXPECT_EQ(b.Carteira, "17");

    TBoleto s;
    Preenche(s, Entrada("748").agencia("123402").codigoCedente("12345").nossoNumero("1"));
    s.GerarDados();
    EXPECT_EQ(s.LocalPagamento, "PAGÁVEL PREFERENCIALMENTE NAS COOP. DE CREDITO DO SICREDI");
    s.LocalPagamento = "Em qualquer banco";
    s.GerarDados();
    EXPECT_EQ(s.LocalPagamento, "Em qualquer banco");
}

TEST(Sicredi, YearComesFromTheBoletosClock)
{
    TBoleto b;
    Preenche(b, Entrada("748").agencia("123402").codigoCedente("12345").nossoNumero("123"));
    b.Relogio = [] { return Data(2031, 1, 1); };
    b.GerarDados();
    EXPECT_EQ(b.DadosGerados.NumeroBancario.substr(0, 4), "31/2");
    EXPECT_EQ(b.CampoLivre.substr(2, 2), "31");
}

struct CasoChecagem
{
    const char *nome;
    Entrada entrada;
    TipoErro tipo;
    const char *mensagem;
};

class ChecagemTeste : public ::testing::TestWithParam<CasoChecagem>
{ };

TEST_P(ChecagemTeste, RaisesItsBanksErrorWithItsMessage)
{
    TBoleto b;
    Preenche(b, GetParam().entrada);
    EsperaErro([&] { b.GerarDados(); }, GetParam().tipo, GetParam().mensagem);
    EXPECT_TRUE(b.DadosGerados.CodigoBarras.empty());
}

constexpr auto B = TipoErro::Boleto;
constexpr auto P = TipoErro::Banco;

INSTANTIATE_TEST_SUITE_P(
    BancoDoBrasil, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn7", Entrada("001").convenio("1234").nossoNumero("12345678"), B,
                      "O tamanho do NossoNúmero não pode ser maior que 7 caracteres!"},
        CasoChecagem {"nn10conv6", Entrada("001").convenio("123456").nossoNumero("12345678901"), B,
                      "O tamanho do NossoNúmero não pode ser maior que 10 caracteres!"},
        CasoChecagem {"nn10conv7", Entrada("001").convenio("7300215").nossoNumero("12345678901"), B,
                      "O tamanho do NossoNúmero não pode ser maior que 10 caracteres!"},
        CasoChecagem {"noAgreement", Entrada("001").nossoNumero("1"), B, "É necessário informar o convênio!"},
        CasoChecagem {"agreement8", Entrada("001").convenio("12345678").nossoNumero("1"), B,
                      "UNIT preparada apenas para convenios de até 7 dígitos!"},
        CasoChecagem {"agreement5", Entrada("001").convenio("12345").nossoNumero("1"), B,
                      "O convênio deve ter 4, 6 ou 7 dígitos!"},
        CasoChecagem {"agreement1", Entrada("001").convenio("1").nossoNumero("1"), B,
                      "O convênio deve ter 4, 6 ou 7 dígitos!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Santander033, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"code6", Entrada("033").agencia("1").codigoCedente("123456").nossoNumero("1"), P,
                      "O código do cedente deve ter 7 ou 11 dígitos!"},
        CasoChecagem {"nn7", Entrada("033").agencia("1").codigoCedente("12345678901").nossoNumero("12345678"),
                      P, "O tamanho do NossoNúmero não pode ser maior que 7 caracteres!"},
        CasoChecagem {
            "nn12",
            Entrada("033").agencia("1").codigoCedente("1234567").digitoConta('1').carteira("101").nossoNumero(
                "1234567890123"),
            P, "O tamanho do NossoNúmero não pode ser maior que 12 caracteres!"},
        CasoChecagem {"carteira",
                      Entrada("033").agencia("1").codigoCedente("1234567").digitoConta('1').nossoNumero("1"),
                      P,
                      "A carteira deve ser 101 (Cobrança Simples Rápida COM Registro),\r"
                      "102 (Cobrança simples SEM Registro) ou 201 (Penhor)"},
        CasoChecagem {"accountDigit",
                      Entrada("033").agencia("1").codigoCedente("1234567").carteira("201").nossoNumero("1"),
                      P, "Informe o dígito da conta corrente."},
        CasoChecagem {"agency", Entrada("033").codigoCedente("12345678901").nossoNumero("1"), P,
                      "Defina a agência bancária!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Caixa104, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"emptyCarteiraDespiteDefault",
                      Entrada("104").agencia("1").codigoCedente("123456").nossoNumero("1"), P,
                      "Somente as carteiras 1 ou 8 são suportadas!"},
        CasoChecagem {
            "nn14",
            Entrada("104").agencia("1").codigoCedente("12345").carteira("8").nossoNumero("123456789012345"),
            P, "O tamanho do NossoNúmero não pode ser maior que 14 caracteres!"},
        CasoChecagem {"code5",
                      Entrada("104").agencia("1").codigoCedente("123456").carteira("8").nossoNumero("1"), P,
                      "O Código do Cedente deve ter 5 caracteres!"},
        CasoChecagem {"nn17",
                      Entrada("104").agencia("1").codigoCedente("123456").carteira("1").nossoNumero(
                          "123456789012345678"),
                      P, "O tamanho do NossoNúmero não pode ser maior que 17 caracteres!"},
        CasoChecagem {"code6",
                      Entrada("104").agencia("1").codigoCedente("12345").carteira("1").nossoNumero("1"), P,
                      "O Código do Cedente deve ter 6 caracteres!"},
        CasoChecagem {"agency", Entrada("104").codigoCedente("12345").carteira("8").nossoNumero("1"), P,
                      "Defina a agência bancária!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    NossaCaixa151, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {
            "modality",
            Entrada("151").agencia("1").conta("1").digitoConta('1').modalidade("4").nossoNumero("1"), B,
            "Para Nossa Caixa, é necessário informar a Modalidade da Conta com 2 caracteres!"},
        CasoChecagem {
            "account",
            Entrada("151").agencia("1").conta("  ").digitoConta('1').modalidade("04").nossoNumero("1"), B,
            "Para Nossa Caixa, é necessário informar a conta corrente!"},
        CasoChecagem {"accountDigit",
                      Entrada("151").agencia("1").conta("1").modalidade("04").nossoNumero("1"), B,
                      "Para Nossa Caixa, é necessário informar o dígito da conta corrente!"},
        CasoChecagem {
            "nn7",
            Entrada("151").agencia("1").conta("1").digitoConta('1').modalidade("04").nossoNumero("12345678"),
            B, "O tamanho do NossoNúmero deve ter no máximo 7 caracteres!"},
        CasoChecagem {"agency", Entrada("151").conta("1").digitoConta('1').modalidade("04").nossoNumero("1"),
                      B, "Defina a agência bancária!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Bradesco237, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn11",
                      Entrada("237").agencia("1").conta("1").carteira("09").nossoNumero("123456789012"), P,
                      "O tamanho do NossoNúmero não pode ser maior que 11 caracteres!"},
        CasoChecagem {"account7",
                      Entrada("237").agencia("1").conta("12345678").carteira("09").nossoNumero("1"), P,
                      "A conta corrente não pode ter mais que 7 dígitos!"},
        CasoChecagem {"agency4", Entrada("237").agencia("12345").conta("1").carteira("09").nossoNumero("1"),
                      P, "A agência deve ter 4 dígitos!"},
        CasoChecagem {"emptyCarteiraDespiteDefault", Entrada("237").agencia("1").conta("1").nossoNumero("1"),
                      P, "A carteira deve possuir 2 dígitos!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Itau341, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn8",
                      Entrada("341").agencia("1").conta("12345").digitoConta('1').carteira("109").nossoNumero(
                          "123456789"),
                      P, "O tamanho do NossoNúmero não pode ser maior que 8 caracteres!"},
        CasoChecagem {
            "account5",
            Entrada("341").agencia("1").conta("1234").digitoConta('1').carteira("109").nossoNumero("1"), P,
            "A conta corrente deve ter 5 caracteres!"},
        CasoChecagem {
            "accountDigit",
            Entrada("341").agencia("1").conta("12345").digitoConta(' ').carteira("109").nossoNumero("1"), P,
            "Especifique o dígito da ContaCorrente!"},
        CasoChecagem {"agency",
                      Entrada("341").conta("12345").digitoConta('1').carteira("109").nossoNumero("1"), P,
                      "Defina a agência bancária!"},
        CasoChecagem {
            "carteira3",
            Entrada("341").agencia("1").conta("12345").digitoConta('1').carteira("10").nossoNumero("1"), P,
            "A carteira deve ter 3 caracteres!"},
        CasoChecagem {
            "carteiraNeedsCode",
            Entrada("341").agencia("1").conta("12345").digitoConta('1').carteira("198").nossoNumero("1"), P,
            "Para a carteira 198 é necessário definir o código do cedente!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Santander353, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn7", Entrada("353").agencia("1").codigoCedente("1234567").nossoNumero("12345678"), B,
                      "O tamanho do NossoNúmero não pode ser maior que 7 caracteres!"},
        CasoChecagem {"code7", Entrada("353").agencia("1").codigoCedente("123456").nossoNumero("1"), B,
                      "O Código do Cedente deve ter 7 caracteres!"},
        CasoChecagem {"agency", Entrada("353").codigoCedente("1234567").nossoNumero("1"), B,
                      "Defina a agência bancária!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Real356, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn13", Entrada("356").agencia("1").conta("1234567").nossoNumero("12345678901234"), P,
                      "O tamanho do NossoNúmero não pode ser maior que 13 caracteres!"},
        CasoChecagem {"account7", Entrada("356").agencia("1").conta("123456").nossoNumero("1"), P,
                      "A conta corrente deve ter 7 caracteres!"},
        CasoChecagem {"blankAgency", Entrada("356").agencia(" ").conta("1234567").nossoNumero("1"), P,
                      "Defina a agência bancária!"},
        CasoChecagem {"agency4", Entrada("356").agencia("12345").conta("1234567").nossoNumero("1"), P,
                      "O número da agência não pode ser maior que 4 dígitos!"}),
    NomeDoCaso());

INSTANTIATE_TEST_SUITE_P(
    Unibanco409, ChecagemTeste,
    ::testing::Values(
        CasoChecagem {"nn10", Entrada("409").agencia("1").conta("1").carteira("1").nossoNumero("12345678901"),
                      B, "O tamanho do NossoNúmero não pode ser maior que 10 caracteres!"},
        CasoChecagem {"account6", Entrada("409").agencia("1").conta("1234567").carteira("1").nossoNumero("1"),
                      B, "A conta corrente não pode ter mais que 6 dígitos!"},
        CasoChecagem {"agency4", Entrada("409").agencia("12345").conta("1").carteira("1").nossoNumero("1"), B,
                      "A agência deve ter 4 dígitos!"},
        CasoChecagem {"emptyCarteiraDespiteDefault", Entrada("409").agencia("1").conta("1").nossoNumero("1"),
                      B, "A carteira deve possuir 1 dígito!"},
        CasoChecagem {"carteiraWithoutLayout",
                      Entrada("409").agencia("1").conta("1").carteira("2").nossoNumero("1"), B,
                      "Somente as carteiras 1 ou 4 são suportadas!"},
        // Only the common checks guard SICREDI; a wrong-sized agency shows in the free field.
        CasoChecagem {
            "sicrediShortAgency", Entrada("748").agencia("1234").codigoCedente("12345").nossoNumero("1"), B,
            "O campo livre do código de barras deve ter 25 caracteres; os dados informados geraram 23!"}),
    NomeDoCaso());

TEST(DigitosProprios, BancoDoBrasil)
{
    EXPECT_EQ(TBanco001::DigitoBB("7300215"), '1'); // remainder 10
    EXPECT_EQ(TBanco001::DigitoBB("123"), '6');
    EXPECT_EQ(TBanco001::DigitoBB("6"), 'X'); // remainder 1
    EXPECT_EQ(TBanco001::DigitoBB("0"), '0'); // remainder 0
    EXPECT_EQ(TBanco001::DigitoBB("73002150000000123"), '5');
}

TEST(DigitosProprios, Santander353DigitMayHaveTwoCharacters)
{
    EXPECT_EQ(TBanco353::DigitoNossoNumero("1"), "6");
    EXPECT_EQ(TBanco353::DigitoNossoNumero("2"), "01"); // remainder 10
    EXPECT_EQ(TBanco353::DigitoNossoNumero("9"), "1"); // remainder 1: the digit itself
    EXPECT_EQ(TBanco353::DigitoNossoNumero("0"), "0");
}

TEST(DigitosProprios, Unibanco)
{
    EXPECT_EQ(TBanco409::DigitoUnibanco("1"), '9');
    EXPECT_EQ(TBanco409::DigitoUnibanco("6"), '0'); // remainder 10
    EXPECT_EQ(TBanco409::DigitoUnibanco("0000000777"), '3');
}

TEST(DigitosProprios, BradescoRemainderOneGivesP)
{
    // Weights 2..7 from the right: the carteira's 9 weighs 7.
    TBoleto b;
    b.Carteira = "09";
    b.NossoNumero = "00000000002"; // 2 x 2 + 9 x 7 = 67, remainder 1
    EXPECT_EQ(TBanco237().GetDigitoNossoNum(b), 'P');
    b.NossoNumero = "00000000001"; // 1 x 2 + 9 x 7 = 65, remainder 10
    EXPECT_EQ(TBanco237().GetDigitoNossoNum(b), '1');
    b.NossoNumero = "00000000006"; // 6 x 2 + 63 = 75, remainder 9
    EXPECT_EQ(TBanco237().GetDigitoNossoNum(b), '2');
}

TEST(DigitosProprios, Santander353LeavesGetDigitoNossoNumAlone)
{
    TBoleto b;
    EsperaErro([&] { TBanco353().GetDigitoNossoNum(b); }, TipoErro::Banco,
               "Operação não implementada por este banco!");
}

} // namespace
