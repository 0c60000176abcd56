#pragma once

#include "boleto/valor.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TClasseBanco;

// A calendar date; empty means "not set".
using TData = std::optional<std::chrono::sys_days>;

// Fields that only Nossa Caixa (151) reads.
struct TCamposBanco151
{
    std::string ModalidadeConta;
};

// Fields that only Banco do Brasil (001) reads.
struct TCamposBanco001
{
    std::string Convenio;
};

// The beneficiary: who receives the payment.
struct TCedente
{
    std::string Nome;
    std::string CodigoBanco; // three digits, "001"; selects the bank rules
    std::string Agencia; // some bank rules rewrite it zero-filled
    std::string CodigoCedente;
    std::string ContaCorrente; // some bank rules rewrite it zero-filled
    char DigitoContaCorrente = '\0'; // '\0': not set
    TCamposBanco151 Banco151;
    TCamposBanco001 Banco001;
};

enum class TPessoa { pFisica, pJuridica };

// The payer.
struct TSacado
{
    std::string Nome;
    std::string Endereco;
    std::string Bairro;
    std::string Cidade;
    std::string Estado;
    std::string Cep;
    TPessoa Pessoa = TPessoa::pFisica;
    std::string CNPJ_CPF; // printed unchanged
};

// What the last generation produced.
struct TDadosGerados
{
    std::string LinhaDigitavel; // 54 characters: 47 digits with dots and blanks
    std::string CodigoBarras; // 44 digits
    std::string AgenciaCodigoCedente;
    std::string NomeBanco;
    std::string NumeroBancario; // the printed nosso número
    std::string CodigoBancoComDigito; // "001-9"
};

// One bank payment slip (boleto de cobrança). Fill the fields, call
// GerarDados, read DadosGerados; Limpar makes it ready for the next one.
// Everything that differs between banks lives in the bank-rules class chosen
// by Cedente.CodigoBanco.
class TBoleto
{
public:
    static constexpr std::size_t MaxInstrucoes = 7;
    // The currency code for the real.
    static constexpr char MoedaReal = '9';

    TBoleto();
    TBoleto(const TBoleto &) = delete;
    TBoleto &operator=(const TBoleto &) = delete;
    ~TBoleto();

    TCedente Cedente;
    TSacado Sacado;
    TData Vencimento;
    char Moeda = MoedaReal;
    TValor Valor;
    std::string NossoNumero; // the bank rules may rewrite it zero-filled
    std::string LocalPagamento;
    TData DataDocumento;
    std::string Documento;
    std::string Especie;
    std::string EspecieDoc;
    std::string Aceite;
    std::string Carteira;
    std::vector<std::string> Instrucoes; // at most MaxInstrucoes lines
    std::vector<std::string> Mensagem;
    std::string UsoDoBanco;

    // Results of the last generation.
    TDadosGerados DadosGerados;
    // The 25-character free field of the last generation.
    std::string CampoLivre;

    // The day bank rules that need "today" read (SICREDI's year). The system
    // clock by default; tests install a fixed one.
    std::function<std::chrono::sys_days()> Relogio;
    std::chrono::sys_days Hoje() const;

    // The bank-rules object; set only while GerarDados runs.
    const TClasseBanco *Banco() const { return m_banco; }

    // Resets the boleto for the next use. Mensagem, LocalPagamento, UsoDoBanco,
    // Relogio and DadosGerados.CodigoBancoComDigito keep their values.
    void Limpar();

    // Raises EBoleto for a negative amount or one of 100 000 000,00 or more:
    // the barcode has ten digits for the cents.
    static void ChecarFaixaValor(TValor valor);

    // Runs the checks and computes DadosGerados and CampoLivre. Raises on the
    // first failure; the texts written before it stay, and so do the values
    // the checks rewrote zero-filled.
    void GerarDados();

private:
    void MontarCodigoBarras();
    void MontarLinhaDigitavel();

    TClasseBanco *m_banco = nullptr;
    char m_codigoBanco[3] = {}; // the three-digit code the rules were found by
    std::string m_rascunho; // scratch for texts before they are published
};
