#include "boleto/valor.h"

#include <limits>

std::optional<TValor> TValor::DeTexto(std::string_view texto)
{
    bool negativo = false;
    if (!texto.empty() && texto.front() == '-') {
        negativo = true;
        texto.remove_prefix(1);
    }
    const std::size_t ponto = texto.find('.');
    const std::string_view inteiros = texto.substr(0, ponto);
    const std::string_view decimais
        = ponto == std::string_view::npos ? std::string_view {} : texto.substr(ponto + 1);
    if (inteiros.empty() || (ponto != std::string_view::npos && (decimais.empty() || decimais.size() > 4)))
        return std::nullopt;

    // Accumulate as a negative number: its range holds the most negative amount.
    constexpr std::int64_t minimo = std::numeric_limits<std::int64_t>::min();
    std::int64_t acumulado = 0;
    auto acrescenta = [&](char c) {
        if (c < '0' || c > '9')
            return false;
        const int digito = c - '0';
        if (acumulado < (minimo + digito) / 10)
            return false;
        acumulado = acumulado * 10 - digito;
        return true;
    };
    for (char c : inteiros)
        if (!acrescenta(c))
            return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i)
        if (!acrescenta(i < decimais.size() ? decimais[i] : '0'))
            return std::nullopt;

    if (!negativo) {
        if (acumulado == minimo)
            return std::nullopt;
        acumulado = -acumulado;
    }
    return TValor::DeDezMilesimos(acumulado);
}
