// The shared digit and text routines, the due-date factor and the amount type.

#include "ajuda.h"

#include "boleto/funcaux.h"
#include "boleto/valor.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct CasoPreenche
{
    const char *texto;
    std::size_t largura;
    char preenchimento;
    const char *esperado;
};

class PreencheEsquerdaTeste : public ::testing::TestWithParam<CasoPreenche>
{ };

TEST_P(PreencheEsquerdaTeste, TrimsAndFillsNeverCuts)
{
    const CasoPreenche &c = GetParam();
    EXPECT_EQ(PreencheEsquerda(c.texto, c.largura, c.preenchimento), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PreencheEsquerdaTeste,
    ::testing::Values(CasoPreenche {"123", 10, '0', "0000000123"}, CasoPreenche {"  123 ", 5, '0', "00123"},
                      CasoPreenche {"\t7\r\n", 3, '0', "007"}, CasoPreenche {"12345", 5, '0', "12345"},
                      CasoPreenche {" 1234567 ", 3, '0', "1234567"}, CasoPreenche {"", 4, '0', "0000"},
                      CasoPreenche {"   ", 2, '*', "**"}, CasoPreenche {"ção", 5, ' ', "  ção"}));

struct CasoModulo
{
    const char *digitos;
    char modulo10;
    int resto11; // weights up to 9
    const char *texto11;
};

class ModulosTeste : public ::testing::TestWithParam<CasoModulo>
{ };

TEST_P(ModulosTeste, Modulo10AndModulo11)
{
    const CasoModulo &c = GetParam();
    EXPECT_EQ(Modulo10(c.digitos), c.modulo10);
    const TModulo11 m = Modulo11(c.digitos, 9);
    EXPECT_EQ(m.Resto, c.resto11);
    EXPECT_EQ(m.Texto, c.texto11);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ModulosTeste,
    ::testing::Values(CasoModulo {"123", '0', 5, "6"}, CasoModulo {"", '0', 0, "0"},
                      // 6 x 2 = 12 counts as 3 in modulo 10; remainder 1 gives "10".
                      CasoModulo {"6", '7', 1, "10"}, CasoModulo {"7300215", '6', 10, "1"},
                      // the ninth digit from the right weighs 2 again
                      CasoModulo {"111111111", '6', 2, "9"},
                      CasoModulo {"0019373700000001000500940144816060680935031", '1', 8, "3"}));

TEST(Modulo11, HighestWeightWrapsBackToTwo)
{
    // The seventh digit from the right weighs 2 with highest weight 7, 8 with 9.
    EXPECT_EQ(Modulo11("1000007", 7).Resto, (7 * 2 + 1 * 2) % 11);
    EXPECT_EQ(Modulo11("1000007", 9).Resto, (7 * 2 + 1 * 8) % 11);
    // With 9 the tenth digit weighs 3.
    EXPECT_EQ(Modulo11("1000000007", 9).Resto, (7 * 2 + 1 * 3) % 11);
}

TEST(DigitoCodigoBarras, GeneralCheckDigitSkipsPositionFive)
{
    // The worked example: its digit is 1.
    EXPECT_EQ(DigitoCodigoBarras("00190722500000150000000007300215000000012317"), '1');
    // Position 5 takes no part: whatever it holds, the digit is the same.
    EXPECT_EQ(DigitoCodigoBarras("00199722500000150000000007300215000000012317"), '1');
    // Remainders 0, 1 and 10 all give 1; 11 - 2 = 9 otherwise.
    EXPECT_EQ(DigitoCodigoBarras("23790100000000001000123090000000012300045670"), '4');
}

TEST(Conversao, NonDigitRaisesAConversionErrorNamingTheCharacter)
{
    EsperaErro([] { Modulo10("12A4"); }, TipoErro::Conversao, "'A' não é um valor inteiro válido");
    EsperaErro([] { Modulo11("1 3", 9); }, TipoErro::Conversao, "' ' não é um valor inteiro válido");
    EsperaErro([] { Modulo11("12é", 9); }, TipoErro::Conversao, "'é' não é um valor inteiro válido");
    EsperaErro([] { DigitoCodigoBarras("00191-22500000150000000007300215000000012317"); },
               TipoErro::Conversao, "'-' não é um valor inteiro válido");
    EsperaErro([] { ComoNumero(""); }, TipoErro::Conversao, "'' não é um valor inteiro válido");
    EsperaErro([] { ComoNumero("12x"); }, TipoErro::Conversao, "'12x' não é um valor inteiro válido");
}

TEST(ComoNumero, DropsLeadingZerosAndBlanks)
{
    EXPECT_EQ(ComoNumero("0123"), "123");
    EXPECT_EQ(ComoNumero(" 0042 "), "42");
    EXPECT_EQ(ComoNumero("000"), "0");
}

TEST(TextoUtf8, LengthAndCopyCountCharacters)
{
    EXPECT_EQ(Comprimento("Açaí"), 4u);
    EXPECT_EQ(Copia("Açaí123", 1, 4), "Açaí");
    EXPECT_EQ(Copia("Açaí123", 5, 10), "123");
    EXPECT_EQ(Copia("ab", 3, 2), "");
    EXPECT_EQ(Copia("12345678901", 11, 1), "1");
}

struct CasoFator
{
    std::chrono::sys_days data;
    const char *fator;
};

class FatorTeste : public ::testing::TestWithParam<CasoFator>
{ };

TEST_P(FatorTeste, FourDigitsRestartingAt1000From22February2025)
{
    EXPECT_EQ(FatorVencimento(GetParam().data), GetParam().fator);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FatorTeste,
    ::testing::Values(CasoFator {Data(1997, 10, 7), "0000"}, CasoFator {Data(1997, 10, 8), "0001"},
                      CasoFator {Data(2000, 7, 3), "1000"}, CasoFator {Data(2017, 7, 19), "7225"},
                      CasoFator {Data(2025, 2, 21), "9999"}, CasoFator {Data(2025, 2, 22), "1000"},
                      CasoFator {Data(2025, 2, 23), "1001"}, CasoFator {Data(2026, 1, 1), "1313"},
                      CasoFator {Data(2049, 10, 13), "9999"}, CasoFator {Data(2049, 10, 14), "1000"}));

TEST(Fator, DayBeforeTheBaseIsRefused)
{
    EsperaErro([] { FatorVencimento(Data(1997, 10, 6)); }, TipoErro::Boleto,
               "O vencimento do boleto deve ser superior à 7-Outubro-1997");
}

struct CasoValor
{
    const char *texto;
    std::optional<std::int64_t> dezMilesimos;
};

class ValorTeste : public ::testing::TestWithParam<CasoValor>
{ };

TEST_P(ValorTeste, ReadsDecimalTextExactly)
{
    const std::optional<TValor> v = TValor::DeTexto(GetParam().texto);
    ASSERT_EQ(v.has_value(), GetParam().dezMilesimos.has_value());
    if (v) {
        EXPECT_EQ(v->DezMilesimos(), *GetParam().dezMilesimos);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ValorTeste,
                         ::testing::Values(CasoValor {"150", 1500000}, CasoValor {"150.00", 1500000},
                                           CasoValor {"0.1", 1000}, CasoValor {"12.345", 123450},
                                           CasoValor {"-0.0001", -1}, CasoValor {"0.29", 2900},
                                           CasoValor {"922337203685477.5807", INT64_MAX},
                                           CasoValor {"-922337203685477.5808", INT64_MIN},
                                           CasoValor {"922337203685477.5808", std::nullopt},
                                           CasoValor {"1.23456", std::nullopt},
                                           CasoValor {"1,50", std::nullopt}, CasoValor {".5", std::nullopt},
                                           CasoValor {"5.", std::nullopt}, CasoValor {"", std::nullopt},
                                           CasoValor {"-", std::nullopt}, CasoValor {"1e3", std::nullopt},
                                           CasoValor {" 1", std::nullopt}, CasoValor {"+1", std::nullopt}));

TEST(Valor, CentsAreTruncatedTowardZero)
{
    EXPECT_EQ(TValor::DeDezMilesimos(123450).Centavos(), 1234);
    EXPECT_EQ(TValor::DeDezMilesimos(99).Centavos(), 0);
    EXPECT_EQ(TValor::DeDezMilesimos(-199).Centavos(), -1);
}

} // namespace
