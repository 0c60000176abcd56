// The generation pipeline: lookup, common checks, barcode, digitable line,
// failure behaviour and reuse.

#include "ajuda.h"
#include "contaalocacoes.h"

#include "boleto/bancos.h"
#include "boleto/boleto.h"
#include "boleto/classebanco.h"

#include <gtest/gtest.h>

namespace {

TEST(Pipeline, WorkedExampleToTheCharacter)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    b.GerarDados();
    EXPECT_EQ(b.CampoLivre, "0000007300215000000012317");
    EXPECT_EQ(b.DadosGerados.CodigoBarras, "00191722500000150000000007300215000000012317");
    EXPECT_EQ(b.DadosGerados.LinhaDigitavel, "00190.00009 07300.215006 00000.123174 1 72250000015000");
    EXPECT_EQ(b.DadosGerados.NumeroBancario, "73002150000000123-5");
    EXPECT_EQ(b.DadosGerados.AgenciaCodigoCedente, "4417/7300215-1");
    EXPECT_EQ(b.DadosGerados.NomeBanco, "Banco Brasil");
    EXPECT_EQ(b.DadosGerados.CodigoBancoComDigito, "001-9");
    EXPECT_EQ(b.Banco(), nullptr);
}

struct CasoValorData
{
    const char *nome;
    TValor valor;
    std::chrono::sys_days vencimento;
    const char *fatorValor; // barcode positions 6-19
};

class ValorEDataTeste : public ::testing::TestWithParam<CasoValorData>
{ };

TEST_P(ValorEDataTeste, FactorAndCentsInBarcodeAndLine)
{
    TBoleto b;
    Entrada e = BoletoDoSistema();
    e.valor(GetParam().valor).vencimento(GetParam().vencimento);
    Preenche(b, e);
    b.GerarDados();
    EXPECT_EQ(b.DadosGerados.CodigoBarras.substr(5, 14), GetParam().fatorValor);
    ConfereCoerencia(b.DadosGerados, b.CampoLivre);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ValorEDataTeste,
    ::testing::Values(
        CasoValorData {"example", TValor::DeCentavos(15000), Data(2017, 7, 19), "72250000015000"},
        CasoValorData {"fourDecimalsTruncated", TValor::DeDezMilesimos(123450), Data(2017, 7, 19),
                       "72250000001234"},
        CasoValorData {"belowOneCent", TValor::DeDezMilesimos(99), Data(2017, 7, 19), "72250000000000"},
        CasoValorData {"largestAmount", TValor::DeCentavos(9'999'999'999), Data(2017, 7, 19),
                       "72259999999999"},
        CasoValorData {"factorBase", TValor::DeCentavos(100), Data(1997, 10, 7), "00000000000100"},
        CasoValorData {"lastOldFactor", TValor::DeCentavos(100), Data(2025, 2, 21), "99990000000100"},
        CasoValorData {"factorRestarts", TValor::DeCentavos(100), Data(2025, 2, 22), "10000000000100"}),
    NomeDoCaso());

struct CasoErro
{
    const char *nome;
    void (*altera)(TBoleto &);
    TipoErro tipo;
    const char *mensagem;
};

class ErroComumTeste : public ::testing::TestWithParam<CasoErro>
{ };

TEST_P(ErroComumTeste, RaisesAndLeavesResultsAlone)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    GetParam().altera(b);
    EsperaErro([&] { b.GerarDados(); }, GetParam().tipo, GetParam().mensagem);
    EXPECT_EQ(b.Banco(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ErroComumTeste,
    ::testing::Values(
        CasoErro {"unknownBank", [](TBoleto &b) { b.Cedente.CodigoBanco = "999"; }, TipoErro::Boleto,
                  "Classe não definida para o banco \"999\""},
        CasoErro {"bankCodeTooLong", [](TBoleto &b) { b.Cedente.CodigoBanco = "0001"; }, TipoErro::Boleto,
                  "Classe não definida para o banco \"0001\""},
        CasoErro {"noBankCode", [](TBoleto &b) { b.Cedente.CodigoBanco.clear(); }, TipoErro::Boleto,
                  "Classe não definida para o banco \"\""},
        CasoErro {"noNossoNumero", [](TBoleto &b) { b.NossoNumero.clear(); }, TipoErro::Boleto,
                  "Nosso Número não informado!"},
        CasoErro {"blankNossoNumero", [](TBoleto &b) { b.NossoNumero = "   "; }, TipoErro::Boleto,
                  "Nosso Número não informado!"},
        CasoErro {"commonChecksFirst",
                  [](TBoleto &b) {
                      b.NossoNumero.clear();
                      b.Cedente.Banco001.Convenio.clear();
                  },
                  TipoErro::Boleto, "Nosso Número não informado!"},
        CasoErro {"noDueDate", [](TBoleto &b) { b.Vencimento.reset(); }, TipoErro::Boleto,
                  "Data de vencimento não informada!"},
        CasoErro {"zeroAmount", [](TBoleto &b) { b.Valor = TValor {}; }, TipoErro::Boleto,
                  "Valor do boleto não informado!"},
        CasoErro {"eightInstructions", [](TBoleto &b) { b.Instrucoes.assign(8, "linha"); }, TipoErro::Boleto,
                  "Instruções não pode ter mais de 7 linhas"},
        CasoErro {"negativeAmount", [](TBoleto &b) { b.Valor = TValor::DeCentavos(-100); }, TipoErro::Boleto,
                  "O valor do boleto não pode ser negativo!"},
        CasoErro {"amountTooLarge", [](TBoleto &b) { b.Valor = TValor::DeCentavos(10'000'000'000); },
                  TipoErro::Boleto, "O valor do boleto deve ser menor que 100.000.000,00!"},
        CasoErro {"dayBeforeBase", [](TBoleto &b) { b.Vencimento = Data(1997, 10, 6); }, TipoErro::Boleto,
                  "O vencimento do boleto deve ser superior à 7-Outubro-1997"},
        CasoErro {"letterInNossoNumero", [](TBoleto &b) { b.NossoNumero = "12A"; }, TipoErro::Conversao,
                  "'A' não é um valor inteiro válido"},
        CasoErro {"letterAsCurrency", [](TBoleto &b) { b.Moeda = 'X'; }, TipoErro::Conversao,
                  "'X' não é um valor inteiro válido"},
        CasoErro {
            "longCarteira", [](TBoleto &b) { b.Carteira = "017"; }, TipoErro::Boleto,
            "O campo livre do código de barras deve ter 25 caracteres; os dados informados geraram 26!"}),
    NomeDoCaso());

TEST(Pipeline, SevenInstructionLinesPass)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    b.Instrucoes.assign(7, "linha");
    EXPECT_NO_THROW(b.GerarDados());
}

TEST(Pipeline, ShortBankCodeFindsTheBankAndTheBarcodeCarriesAllThreeDigits)
{
    TBoleto b;
    Entrada e = BoletoDoSistema();
    e.Banco = "1";
    Preenche(b, e);
    b.GerarDados();
    EXPECT_EQ(b.DadosGerados.CodigoBarras, "00191722500000150000000007300215000000012317");
    EXPECT_EQ(b.DadosGerados.LinhaDigitavel, "00190.00009 07300.215006 00000.123174 1 72250000015000");
    EXPECT_EQ(b.Cedente.CodigoBanco, "1");
}

TEST(Pipeline, LimparResetsAllButMessagesPlaceBankUseAndCodeWithDigit)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    b.Moeda = '9';
    b.Instrucoes = {"a", "b"};
    b.Mensagem = {"mensagem"};
    b.LocalPagamento = "Pagável em qualquer banco até o vencimento.";
    b.UsoDoBanco = "uso";
    b.DataDocumento = Data(2017, 6, 19);
    b.Cedente.Nome = "CEDENTE";
    b.Cedente.Banco151.ModalidadeConta = "04";
    b.Sacado = TSacado {"Nome", "Rua", "Bairro", "Cidade", "QZ", "99990000", TPessoa::pFisica, "123"};
    b.GerarDados();
    b.Moeda = '8';

    b.Limpar();
    EXPECT_TRUE(b.Instrucoes.empty());
    EXPECT_EQ(b.Mensagem, std::vector<std::string> {"mensagem"});
    EXPECT_EQ(b.LocalPagamento, "Pagável em qualquer banco até o vencimento.");
    EXPECT_EQ(b.UsoDoBanco, "uso");
    EXPECT_EQ(b.DadosGerados.CodigoBancoComDigito, "001-9");
    for (const std::string *t : {&b.DadosGerados.LinhaDigitavel,
                                 &b.DadosGerados.CodigoBarras,
                                 &b.DadosGerados.AgenciaCodigoCedente,
                                 &b.DadosGerados.NomeBanco,
                                 &b.DadosGerados.NumeroBancario,
                                 &b.CampoLivre,
                                 &b.NossoNumero,
                                 &b.Documento,
                                 &b.Especie,
                                 &b.EspecieDoc,
                                 &b.Aceite,
                                 &b.Carteira,
                                 &b.Cedente.Nome,
                                 &b.Cedente.Agencia,
                                 &b.Cedente.CodigoBanco,
                                 &b.Cedente.CodigoCedente,
                                 &b.Cedente.ContaCorrente,
                                 &b.Cedente.Banco151.ModalidadeConta,
                                 &b.Cedente.Banco001.Convenio,
                                 &b.Sacado.Nome,
                                 &b.Sacado.Endereco,
                                 &b.Sacado.Bairro,
                                 &b.Sacado.Cidade,
                                 &b.Sacado.Estado,
                                 &b.Sacado.Cep,
                                 &b.Sacado.CNPJ_CPF})
        EXPECT_TRUE(t->empty()) << *t;
    EXPECT_EQ(b.Moeda, '9');
    EXPECT_EQ(b.Valor, TValor {});
    EXPECT_FALSE(b.Vencimento);
    EXPECT_FALSE(b.DataDocumento);
    EXPECT_EQ(b.Cedente.DigitoContaCorrente, '\0');
    EXPECT_EQ(b.Sacado.Pessoa, TPessoa::pJuridica);
}

TEST(Pipeline, ReuseAfterLimparGivesTheSameAsAFreshBoleto)
{
    TBoleto reusado;
    Preenche(reusado, BoletoDoSistema());
    reusado.Cedente.CodigoBanco = "237"; // a bank that rewrites fields
    reusado.Carteira = "09";
    reusado.GerarDados();
    for (const char *numero : {"1", "0000000456", "9999999999"}) {
        Entrada e = BoletoDoSistema();
        e.nossoNumero(numero);
        reusado.Limpar();
        Preenche(reusado, e);
        reusado.GerarDados();
        TBoleto novo;
        Preenche(novo, e);
        novo.GerarDados();
        EXPECT_EQ(reusado.DadosGerados.CodigoBarras, novo.DadosGerados.CodigoBarras);
        EXPECT_EQ(reusado.DadosGerados.LinhaDigitavel, novo.DadosGerados.LinhaDigitavel);
        EXPECT_EQ(reusado.DadosGerados.NumeroBancario, novo.DadosGerados.NumeroBancario);
        EXPECT_EQ(reusado.DadosGerados.AgenciaCodigoCedente, novo.DadosGerados.AgenciaCodigoCedente);
    }
}

TEST(Pipeline, RepeatedGenerationMakesNoHeapAllocation)
{
    TBoleto b;
    Preenche(b, BoletoDoSistema());
    b.GerarDados(); // the texts get their buffers once
    const long antes = AlocacoesFeitas();
    for (int i = 0; i < 100; ++i) {
        b.Limpar();
        Preenche(b, BoletoDoSistema());
        b.GerarDados();
    }
    EXPECT_EQ(AlocacoesFeitas() - antes, 0);
}

// A bank that fails at the step it is told to, counting its live instances.
class TBancoDeTeste final : public TClasseBanco
{
public:
    enum Etapa { Nenhuma, Checagem, Padroes, CampoLivre, Agencia, Numero };
    static inline Etapa falhaEm = Nenhuma;
    static inline int vivos = 0;
    static inline bool viuASiMesmo = false;

    TBancoDeTeste() { ++vivos; }
    ~TBancoDeTeste() override { --vivos; }

    void ChecarDadosIniciais(TBoleto &b) override
    {
        viuASiMesmo = b.Banco() == this;
        TClasseBanco::ChecarDadosIniciais(b);
        b.NossoNumero = PreencheEsquerda(b.NossoNumero, 10);
        Falha(Checagem);
    }
    void InicializaDadosPadroes(TBoleto &) override { Falha(Padroes); }
    void GetCampoLivre(const TBoleto &b, std::string &r) const override
    {
        Falha(CampoLivre);
        r.append(15, '0');
        r += b.NossoNumero;
    }
    std::string_view GetCodigoBanco() const override { return "990"; }
    std::string_view GetCodigoBancoComDigito() const override { return "990-0"; }
    void FormataAgencCodigoCedente(const TBoleto &b, std::string &r) const override
    {
        Falha(Agencia);
        r += b.NossoNumero;
    }
    void GetNumeroBancario(const TBoleto &b, std::string &r) const override
    {
        Falha(Numero);
        r += b.NossoNumero;
    }
    std::string_view GetNomeBanco() const override { return "Teste"; }

private:
    static void Falha(Etapa etapa)
    {
        if (falhaEm == etapa)
            throw EErroBanco("falha de teste");
    }
};

struct CasoFalha
{
    const char *nome;
    TBancoDeTeste::Etapa etapa;
    bool campoLivreNovo;
    bool barrasELinhaNovas;
    bool agenciaNova;
};

class FalhaTeste : public ::testing::TestWithParam<CasoFalha>
{
protected:
    void SetUp() override
    {
        TRegistroClasses::Instancia().Registrar<TBancoDeTeste>("TBanco990");
        TBancoDeTeste::falhaEm = TBancoDeTeste::Nenhuma;
    }
    void TearDown() override { TRegistroClasses::Instancia().Remover("TBanco990"); }
};

TEST_P(FalhaTeste, BankObjectReleasedAndEarlierStepsKept)
{
    const CasoFalha &c = GetParam();
    TBoleto b;
    Entrada e = BoletoDoSistema();
    e.Banco = "990";
    e.NossoNumero = "1";
    Preenche(b, e);
    b.GerarDados();
    EXPECT_TRUE(TBancoDeTeste::viuASiMesmo);
    const TDadosGerados antes = b.DadosGerados;
    const std::string campoLivreAntes = b.CampoLivre;

    b.NossoNumero = "2";
    TBancoDeTeste::falhaEm = c.etapa;
    EsperaErro([&] { b.GerarDados(); }, TipoErro::Banco, "falha de teste");

    EXPECT_EQ(TBancoDeTeste::vivos, 0);
    EXPECT_EQ(b.Banco(), nullptr);
    // The check rewrote it before any failure, and it stays rewritten.
    EXPECT_EQ(b.NossoNumero, "0000000002");
    EXPECT_EQ(b.CampoLivre != campoLivreAntes, c.campoLivreNovo);
    EXPECT_EQ(b.DadosGerados.CodigoBarras != antes.CodigoBarras, c.barrasELinhaNovas);
    EXPECT_EQ(b.DadosGerados.LinhaDigitavel != antes.LinhaDigitavel, c.barrasELinhaNovas);
    EXPECT_EQ(b.DadosGerados.AgenciaCodigoCedente != antes.AgenciaCodigoCedente, c.agenciaNova);
    EXPECT_EQ(b.DadosGerados.NumeroBancario, antes.NumeroBancario);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaTeste,
    ::testing::Values(CasoFalha {"checks", TBancoDeTeste::Checagem, false, false, false},
                      CasoFalha {"defaults", TBancoDeTeste::Padroes, false, false, false},
                      CasoFalha {"freeField", TBancoDeTeste::CampoLivre, false, false, false},
                      CasoFalha {"agencyText", TBancoDeTeste::Agencia, true, true, false},
                      CasoFalha {"bankNumber", TBancoDeTeste::Numero, true, true, true}),
    NomeDoCaso());

TEST(Pipeline, ValuesRewrittenByTheChecksStayRewrittenAfterAFailure)
{
    TBoleto b;
    Preenche(b, Entrada("237").agencia("12345").conta("4567").carteira("09").nossoNumero("123"));
    EsperaErro([&] { b.GerarDados(); }, TipoErro::Banco, "A agência deve ter 4 dígitos!");
    EXPECT_EQ(b.NossoNumero, "00000000123");
    EXPECT_EQ(b.Cedente.ContaCorrente, "0004567");
    EXPECT_EQ(b.Cedente.Agencia, "12345");
    EXPECT_TRUE(b.CampoLivre.empty());
    EXPECT_TRUE(b.DadosGerados.CodigoBarras.empty());
}

} // namespace
