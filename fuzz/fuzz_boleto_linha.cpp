// Fuzzes the boleto tool's input path: every line of the input goes through
// ProcessaLinha, as the tool does. Besides crashes and sanitizer reports, it
// stops on an answer that is not one JSON object, or on a generated boleto
// whose barcode and digitable line do not agree.

#include "processalinha.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Falha(const char *motivo, const std::string &saida)
{
    std::fprintf(stderr, "%s\n%s\n", motivo, saida.c_str());
    std::abort();
}

char Modulo10(std::string_view s)
{
    int soma = 0, peso = 2;
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        const int p = (*it - '0') * peso;
        soma += p > 9 ? p - 9 : p;
        peso = 3 - peso;
    }
    return static_cast<char>('0' + (soma % 10 == 0 ? 0 : 10 - soma % 10));
}

std::string Campo(std::string_view dez)
{
    std::string c(dez.substr(0, 5));
    c += '.';
    c += dez.substr(5);
    c += Modulo10(dez);
    return c;
}

void ConfereBoleto(const nlohmann::json &r, const std::string &saida)
{
    for (const char *chave : {"codigoBarras", "linhaDigitavel", "campoLivre", "numeroBancario",
                              "agenciaCodigoCedente", "nomeBanco", "codigoBancoComDigito"})
        if (!r.contains(chave) || !r.at(chave).is_string())
            Falha("missing text in a generated boleto", saida);
    if (r.size() != 7)
        Falha("unexpected keys", saida);

    const std::string barras = r.at("codigoBarras");
    const std::string livre = r.at("campoLivre");
    if (barras.size() != 44 || barras.find_first_not_of("0123456789") != std::string::npos)
        Falha("barcode is not 44 digits", saida);
    int soma = 0, peso = 2;
    for (int i = 43; i >= 0; --i) {
        if (i == 4)
            continue;
        soma += (barras[static_cast<std::size_t>(i)] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int d = 11 - soma % 11;
    if (barras[4] != ((d == 0 || d == 1 || d > 9) ? '1' : static_cast<char>('0' + d)))
        Falha("wrong barcode check digit", saida);
    if (barras.substr(19) != livre)
        Falha("barcode does not end with the free field", saida);

    const std::string linha = Campo(barras.substr(0, 4) + livre.substr(0, 5)) + " "
        + Campo(livre.substr(5, 10)) + " " + Campo(livre.substr(15, 10)) + " " + barras[4] + " "
        + barras.substr(5, 14);
    if (r.at("linhaDigitavel") != linha)
        Falha("digitable line does not match the barcode", saida);
}

void Confere(std::string_view linha)
{
    const std::string saida = ProcessaLinha(linha);
    if (saida.find('\n') != std::string::npos)
        Falha("answer spans lines", saida);
    nlohmann::json r;
    try {
        r = nlohmann::json::parse(saida);
    } catch (const std::exception &) {
        Falha("answer is not valid JSON", saida);
    }
    if (!r.is_object())
        Falha("answer is not an object", saida);
    if (r.contains("erro")) {
        if (r.size() != 1 || !r.at("erro").is_string() || r.at("erro").get<std::string>().empty())
            Falha("malformed error answer", saida);
        return;
    }
    ConfereBoleto(r, saida);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho)
{
    std::string_view entrada(reinterpret_cast<const char *>(dados), tamanho);
    // The tool hands over one line at a time, without its line break.
    while (!entrada.empty()) {
        const std::size_t fim = entrada.find('\n');
        std::string_view linha = entrada.substr(0, fim);
        if (!linha.empty() && linha.back() == '\r')
            linha.remove_suffix(1);
        Confere(linha);
        if (fim == std::string_view::npos)
            break;
        entrada.remove_prefix(fim + 1);
    }
    return 0;
}
