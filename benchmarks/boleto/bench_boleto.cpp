// Boleto generation speed: fill a Banco do Brasil boleto as the issuing
// window does, generate, read the texts. Reports boletos per second and heap
// allocations per boleto.

#include "boleto/boleto.h"
#include "boleto/funcaux.h"
#include "processalinha.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <charconv>
#include <string>

extern std::atomic<long> g_alocacoes;

namespace {

// The boleto number zero-filled to 10 digits, written into `destino`
// without a new buffer.
void NumeroDe10(std::string &destino, long numero)
{
    destino.assign(10, '0');
    for (int i = 9; i >= 0 && numero > 0; --i, numero /= 10)
        destino[static_cast<std::size_t>(i)] = static_cast<char>('0' + numero % 10);
}

void Preenche(TBoleto &b, long id)
{
    b.Limpar();
    b.LocalPagamento = "Pagável em qualquer banco até o vencimento.";
    b.Cedente.Agencia = "4417";
    b.Cedente.CodigoBanco = "001";
    b.Moeda = TBoleto::MoedaReal;
    b.DataDocumento = Data(2024, 1, 2);
    char documento[24];
    const auto fim = std::to_chars(documento, documento + sizeof documento, id).ptr;
    b.Documento.assign(documento, fim);
    b.Vencimento = Data(2024, 1, 2) + std::chrono::days {id % 800};
    b.Cedente.CodigoCedente = "7300215";
    b.Valor = TValor::DeCentavos(1000 + id % 1'000'000);
    NumeroDe10(b.NossoNumero, id);
    b.Cedente.ContaCorrente = "26084";
    b.Cedente.DigitoContaCorrente = '3';
    b.Carteira = "17";
    b.Cedente.Banco001.Convenio = "7300215";
    b.Cedente.Nome = "CORPO DE BOMBEIROS DE TREMONTE-FENDAVO CNPJ 98.765.432/0001-10";
    b.Sacado.Nome = "COMERCIO DE EXTINTORES E EQUIPAMENTOS LTDA";
    b.Sacado.Endereco = "RUA DAS PALMEIRAS, 1234";
    b.Sacado.Bairro = "CENTRO";
    b.Sacado.Cep = "99990000";
    b.Sacado.Estado = "QZ";
    b.Sacado.Cidade = "TREMONTE";
    b.Sacado.CNPJ_CPF = "12.345.678/0001-90";
}

void GeracaoBancoDoBrasil(benchmark::State &state)
{
    TBoleto b;
    long id = 1;
    Preenche(b, id);
    b.GerarDados();
    const long alocacoesAntes = g_alocacoes.load();
    std::size_t lido = 0;
    for (auto _ : state) {
        Preenche(b, ++id);
        b.GerarDados();
        const TDadosGerados &d = b.DadosGerados;
        lido += d.CodigoBarras.size() + d.LinhaDigitavel.size() + d.NumeroBancario.size()
            + d.AgenciaCodigoCedente.size() + d.NomeBanco.size() + d.CodigoBancoComDigito.size();
        benchmark::DoNotOptimize(d.CodigoBarras.data());
        benchmark::DoNotOptimize(d.LinhaDigitavel.data());
        benchmark::DoNotOptimize(d.NumeroBancario.data());
        benchmark::DoNotOptimize(lido);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["alocacoes/boleto"]
        = static_cast<double>(g_alocacoes.load() - alocacoesAntes) / static_cast<double>(state.iterations());
}
BENCHMARK(GeracaoBancoDoBrasil);

// One line of the boleto tool: JSON in, JSON out.
void LinhaDaFerramenta(benchmark::State &state)
{
    const std::string linha
        = R"({"banco":"001","agencia":"4417","codigoCedente":"7300215","conta":"26084","digitoConta":"3",)"
          R"("convenio":"7300215","carteira":"17","nossoNumero":"0000000123","documento":"123",)"
          R"("valor":"150.00","vencimento":"2017-07-19"})";
    for (auto _ : state)
        benchmark::DoNotOptimize(ProcessaLinha(linha));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LinhaDaFerramenta);

} // namespace
