// boleto: reads one JSON object per line on stdin and writes, for each, one
// JSON object line with the generated boleto texts or an "erro". A bad line
// gives its error and the next line goes on.

#include "processalinha.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Longer lines are answered with an error and skipped.
constexpr std::size_t LinhaMaxima = 1 << 20;

bool EscreveTudo(const std::string &texto)
{
    std::size_t escrito = 0;
    while (escrito < texto.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, texto.data() + escrito, texto.size() - escrito);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        escrito += static_cast<std::size_t>(n);
    }
    return true;
}

void Responde(std::string &saida, std::string_view linha)
{
    if (!linha.empty() && linha.back() == '\r')
        linha.remove_suffix(1);
    saida += ProcessaLinha(linha);
    saida += '\n';
}

} // namespace

int main()
{
    std::string entrada;
    std::string saida;
    std::size_t inicio = 0; // start of the pending line in `entrada`
    bool descartando = false; // inside an over-long line, already answered
    char bloco[1 << 16];

    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, bloco, sizeof bloco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        entrada.append(bloco, static_cast<std::size_t>(n));

        std::size_t fim;
        while ((fim = entrada.find('\n', inicio)) != std::string::npos) {
            if (!descartando)
                Responde(saida, std::string_view(entrada).substr(inicio, fim - inicio));
            descartando = false;
            inicio = fim + 1;
        }
        entrada.erase(0, inicio);
        inicio = 0;
        if (entrada.size() > LinhaMaxima) {
            if (!descartando)
                saida += "{\"erro\":\"Linha longa demais\"}\n";
            descartando = true;
            entrada.clear();
        }
        // Answer before waiting for more input, so that a caller who sends a
        // line and waits for its answer is never left hanging.
        if (!saida.empty()) {
            if (!EscreveTudo(saida))
                return 1;
            saida.clear();
        }
    }
    if (!entrada.empty() && !descartando)
        Responde(saida, entrada);
    if (!EscreveTudo(saida))
        return 1;
    return 0;
}
