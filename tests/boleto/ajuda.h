#pragma once

// Shared by the boleto tests: filling a boleto from one table row and
// catching an error of one exact type.

#include "boleto/boleto.h"
#include "boleto/excecoes.h"
#include "boleto/funcaux.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>

enum class TipoErro { Boleto, Banco, Conversao };

inline const char *NomeTipo(TipoErro tipo)
{
    switch (tipo) {
    case TipoErro::Boleto: return "EBoleto";
    case TipoErro::Banco: return "EErroBanco";
    case TipoErro::Conversao: return "EConversao";
    }
    return "?";
}

inline const char *NomeTipo(const std::exception &e)
{
    if (typeid(e) == typeid(EBoleto))
        return "EBoleto";
    if (typeid(e) == typeid(EErroBanco))
        return "EErroBanco";
    if (typeid(e) == typeid(EConversao))
        return "EConversao";
    return typeid(e).name();
}

// Runs `acao`, expects it to raise exactly `tipo` with `mensagem`.
inline void EsperaErro(const std::function<void()> &acao, TipoErro tipo, const std::string &mensagem)
{
    try {
        acao();
        ADD_FAILURE() << "no error raised; expected " << NomeTipo(tipo) << ": " << mensagem;
    } catch (const std::exception &e) {
        EXPECT_STREQ(NomeTipo(e), NomeTipo(tipo));
        EXPECT_EQ(std::string(e.what()), mensagem);
    }
}

// The inputs a table row sets; what it does not set stays empty, with the
// amount 150,00 and the due date 19 July 2017.
class Entrada
{
public:
    Entrada() = default;
    explicit Entrada(std::string banco) : Banco(std::move(banco)) { }

    Entrada &agencia(std::string v)
    {
        Agencia = std::move(v);
        return *this;
    }
    Entrada &codigoCedente(std::string v)
    {
        CodigoCedente = std::move(v);
        return *this;
    }
    Entrada &conta(std::string v)
    {
        Conta = std::move(v);
        return *this;
    }
    Entrada &digitoConta(char v)
    {
        DigitoConta = v;
        return *this;
    }
    Entrada &convenio(std::string v)
    {
        Convenio = std::move(v);
        return *this;
    }
    Entrada &modalidade(std::string v)
    {
        Modalidade = std::move(v);
        return *this;
    }
    Entrada &carteira(std::string v)
    {
        Carteira = std::move(v);
        return *this;
    }
    Entrada &nossoNumero(std::string v)
    {
        NossoNumero = std::move(v);
        return *this;
    }
    Entrada &documento(std::string v)
    {
        Documento = std::move(v);
        return *this;
    }
    Entrada &valor(TValor v)
    {
        Valor = v;
        return *this;
    }
    Entrada &vencimento(TData v)
    {
        Vencimento = v;
        return *this;
    }

    std::string Banco;
    std::string Agencia;
    std::string CodigoCedente;
    std::string Conta;
    char DigitoConta = '\0';
    std::string Convenio;
    std::string Modalidade;
    std::string Carteira;
    std::string NossoNumero;
    std::string Documento;
    TValor Valor = TValor::DeCentavos(15000);
    TData Vencimento = Data(2017, 7, 19);
};

inline void Preenche(TBoleto &b, const Entrada &e)
{
    b.Cedente.CodigoBanco = e.Banco;
    b.Cedente.Agencia = e.Agencia;
    b.Cedente.CodigoCedente = e.CodigoCedente;
    b.Cedente.ContaCorrente = e.Conta;
    b.Cedente.DigitoContaCorrente = e.DigitoConta;
    b.Cedente.Banco001.Convenio = e.Convenio;
    b.Cedente.Banco151.ModalidadeConta = e.Modalidade;
    b.Carteira = e.Carteira;
    b.NossoNumero = e.NossoNumero;
    b.Documento = e.Documento;
    b.Valor = e.Valor;
    b.Vencimento = e.Vencimento;
}

// The system's own Banco do Brasil boleto: agreement 7300215, carteira 17.
inline Entrada BoletoDoSistema()
{
    return Entrada("001")
        .agencia("4417")
        .codigoCedente("7300215")
        .conta("26084")
        .digitoConta('3')
        .convenio("7300215")
        .carteira("17")
        .nossoNumero("0000000123")
        .documento("123");
}

// Checks what every generated boleto must satisfy, independently of the
// engine's code: 44 digits with a valid general check digit at position 5,
// and a 54-character digitable line whose digits are the barcode's,
// rearranged, with valid modulo-10 digits per field.
inline void ConfereCoerencia(const TDadosGerados &d, const std::string &campoLivre)
{
    const std::string &b = d.CodigoBarras;
    ASSERT_EQ(b.size(), 44u) << b;
    for (char c : b)
        ASSERT_TRUE(c >= '0' && c <= '9') << b;
    int soma = 0, peso = 2;
    for (int i = 43; i >= 0; --i) {
        if (i == 4)
            continue;
        soma += (b[i] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int dv = 11 - soma % 11;
    EXPECT_EQ(b[4], (dv == 0 || dv == 1 || dv > 9) ? '1' : static_cast<char>('0' + dv)) << b;
    EXPECT_EQ(b.substr(19), campoLivre);

    const std::string &l = d.LinhaDigitavel;
    ASSERT_EQ(l.size(), 54u) << l;
    auto mod10 = [](const std::string &s) {
        int t = 0, w = 2;
        for (auto it = s.rbegin(); it != s.rend(); ++it) {
            const int p = (*it - '0') * w;
            t += p > 9 ? p - 9 : p;
            w = 3 - w;
        }
        return static_cast<char>('0' + (t % 10 == 0 ? 0 : 10 - t % 10));
    };
    const std::string campo1 = b.substr(0, 4) + b.substr(19, 5);
    const std::string campo2 = b.substr(24, 10);
    const std::string campo3 = b.substr(34, 10);
    const std::string esperado = campo1.substr(0, 5) + "." + campo1.substr(5) + mod10(campo1) + " "
        + campo2.substr(0, 5) + "." + campo2.substr(5) + mod10(campo2) + " " + campo3.substr(0, 5) + "."
        + campo3.substr(5) + mod10(campo3) + " " + b[4] + " " + b.substr(5, 14);
    EXPECT_EQ(l, esperado);
}

// Test names from the rows' "nome".
struct NomeDoCaso
{
    template<class Info> std::string operator()(const Info &caso) const { return caso.param.nome; }
};
