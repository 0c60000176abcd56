#pragma once

// Small pieces the bank classes share. Not part of the engine's interface.

#include "boleto/boleto.h"
#include "boleto/excecoes.h"
#include "boleto/funcaux.h"
#include "boleto/mensagens.h"

#include <optional>
#include <string>
#include <string_view>

namespace Regras {

template<class Excecao> [[noreturn]] void Falha(std::string_view mensagem)
{
    throw Excecao(std::string(mensagem));
}

// The account digit as printed: nothing when it is not set.
inline void AcrescentaDigitoConta(std::string &destino, char digito)
{
    if (digito != '\0')
        destino.push_back(digito);
}

// Sum of each digit times the weight in the same position of `pesos` (left
// to right). No value when the text has more digits than there are weights.
inline std::optional<int> SomaPesosPosicionais(std::string_view digitos, std::string_view pesos)
{
    if (digitos.size() > pesos.size())
        return std::nullopt;
    int soma = 0;
    for (std::size_t i = 0; i < digitos.size(); ++i)
        soma += ValorDigito(digitos, i) * (pesos[i] - '0');
    return soma;
}

// Appends to `texto` the two check digits, shared by Santander (033) and
// Nossa Caixa (151), of its characters from byte `inicio` on (L): D1 is
// modulo 10 of L; while modulo 11 (weights 2..7) of L + D1 leaves remainder
// 1, D1 goes up by one (9 wraps to 0); D2 is that modulo 11's digit.
inline void AcrescentaDigitoDuplo(std::string &texto, std::size_t inicio)
{
    char d1 = Modulo10(std::string_view(texto).substr(inicio));
    texto.push_back(d1);
    // Each step changes the sum by a different amount mod 11, so remainder 1
    // comes up at most once.
    int resto = RestoModulo11(std::string_view(texto).substr(inicio), 7);
    while (resto == 1) {
        d1 = d1 == '9' ? '0' : static_cast<char>(d1 + 1);
        texto.back() = d1;
        resto = RestoModulo11(std::string_view(texto).substr(inicio), 7);
    }
    texto.push_back(resto == 0 ? '0' : static_cast<char>('0' + 11 - resto));
}

} // namespace Regras
