#include "boleto/funcaux.h"

#include "boleto/excecoes.h"
#include "boleto/mensagens.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

bool Continuacao(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool Branco(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// The whole UTF-8 character that holds byte `posicao`.
std::string_view CaractereEm(std::string_view texto, std::size_t posicao)
{
    std::size_t inicio = posicao;
    while (inicio > 0 && Continuacao(texto[inicio]))
        --inicio;
    std::size_t fim = inicio + 1;
    while (fim < texto.size() && Continuacao(texto[fim]))
        ++fim;
    return texto.substr(inicio, fim - inicio);
}

[[noreturn]] void FalhaConversao(std::string_view texto)
{
    std::string mensagem(MsgBoleto::NaoEInteiro);
    mensagem.replace(mensagem.find("%s"), 2, texto);
    throw EConversao(mensagem);
}

// Byte offset of character `indice` (counted from 0), or texto.size().
std::size_t DeslocamentoDe(std::string_view texto, std::size_t indice)
{
    std::size_t i = 0;
    while (i < texto.size()) {
        if (!Continuacao(texto[i])) {
            if (indice == 0)
                return i;
            --indice;
        }
        ++i;
    }
    return texto.size();
}

} // namespace

std::size_t Comprimento(std::string_view texto)
{
    std::size_t n = 0;
    std::size_t i = 0;
    // Eight plain ASCII bytes at a time, the usual case.
    for (; i + 8 <= texto.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, texto.data() + i, 8);
        if (x & 0x8080808080808080ull)
            break;
        n += 8;
    }
    for (; i < texto.size(); ++i)
        n += Continuacao(texto[i]) ? 0 : 1;
    return n;
}

std::string_view Copia(std::string_view texto, std::size_t inicio, std::size_t quantos)
{
    if (inicio < 1)
        inicio = 1;
    const std::size_t de = DeslocamentoDe(texto, inicio - 1);
    const std::string_view resto = texto.substr(de);
    return resto.substr(0, DeslocamentoDe(resto, quantos));
}

std::string_view Apara(std::string_view texto)
{
    std::size_t inicio = 0;
    std::size_t fim = texto.size();
    while (inicio < fim && Branco(texto[inicio]))
        ++inicio;
    while (fim > inicio && Branco(texto[fim - 1]))
        --fim;
    return texto.substr(inicio, fim - inicio);
}

void AcrescentaPreenchido(std::string &destino, std::string_view texto, std::size_t largura,
                          char preenchimento)
{
    const std::string_view aparado = Apara(texto);
    const std::size_t tamanho = Comprimento(aparado);
    if (tamanho < largura)
        destino.append(largura - tamanho, preenchimento);
    destino.append(aparado);
}

std::string PreencheEsquerda(std::string_view texto, std::size_t largura, char preenchimento)
{
    std::string resultado;
    AcrescentaPreenchido(resultado, texto, largura, preenchimento);
    return resultado;
}

std::string_view ComoNumero(std::string_view texto)
{
    const std::string_view aparado = Apara(texto);
    if (aparado.empty())
        FalhaConversao(aparado);
    for (char c : aparado)
        if (c < '0' || c > '9')
            FalhaConversao(aparado);
    const std::size_t primeiro = aparado.find_first_not_of('0');
    return primeiro == std::string_view::npos ? aparado.substr(aparado.size() - 1) : aparado.substr(primeiro);
}

void AcrescentaNumero(std::string &destino, std::string_view texto, std::size_t largura)
{
    AcrescentaPreenchido(destino, ComoNumero(texto), largura, '0');
}

int ValorDigito(std::string_view texto, std::size_t posicao)
{
    const char c = texto[posicao];
    if (c < '0' || c > '9')
        FalhaConversao(CaractereEm(texto, posicao));
    return c - '0';
}

namespace {

// True when all eight bytes of `x` are ASCII digits: high nibble 3, and low
// nibble at most 9 (adding 6 must not carry into the high nibble).
bool OitoDigitos(std::uint64_t x)
{
    constexpr std::uint64_t altos = 0xF0F0F0F0F0F0F0F0ull;
    constexpr std::uint64_t tres = 0x3030303030303030ull;
    constexpr std::uint64_t seis = 0x0606060606060606ull;
    return (x & altos) == tres && ((x + seis) & altos) == tres;
}

// Raises EConversao for the first character that is not a decimal digit.
// The usual all-digit text is checked eight bytes at a time.
void ExigeDigitos(std::string_view texto)
{
    std::size_t i = 0;
    for (; i + 8 <= texto.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, texto.data() + i, 8);
        if (!OitoDigitos(x))
            break;
    }
    for (; i < texto.size(); ++i)
        ValorDigito(texto, i);
}

} // namespace

char Modulo10(std::string_view digitos)
{
    ExigeDigitos(digitos);
    // Twice the digit, with a product above 9 counted as product - 9.
    static constexpr int dobro[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    int soma = 0;
    const std::size_t n = digitos.size();
    for (std::size_t k = 0; k < n; ++k) {
        const int d = digitos[n - 1 - k] - '0';
        soma += (k & 1) ? d : dobro[d];
    }
    const int resto = soma % 10;
    return static_cast<char>('0' + (resto == 0 ? 0 : 10 - resto));
}

namespace {

// Weights 2, 3, ..., 9, 2, ... from the rightmost position (index 0).
constexpr std::array<unsigned char, 64> PesosAte9 = [] {
    std::array<unsigned char, 64> pesos {};
    for (std::size_t k = 0; k < pesos.size(); ++k)
        pesos[k] = static_cast<unsigned char>(2 + k % 8);
    return pesos;
}();

} // namespace

int RestoModulo11(std::string_view digitos, int pesoMaximo)
{
    ExigeDigitos(digitos);
    const std::size_t n = digitos.size();
    int soma = 0;
    if (pesoMaximo == 9 && n <= PesosAte9.size()) {
        for (std::size_t k = 0; k < n; ++k)
            soma += (digitos[n - 1 - k] - '0') * PesosAte9[k];
        return soma % 11;
    }
    int peso = 2;
    for (std::size_t i = n; i-- > 0;) {
        soma += (digitos[i] - '0') * peso;
        peso = peso >= pesoMaximo ? 2 : peso + 1;
    }
    return soma % 11;
}

TModulo11 Modulo11(std::string_view digitos, int pesoMaximo)
{
    TModulo11 resultado;
    resultado.Resto = RestoModulo11(digitos, pesoMaximo);
    const int digito = resultado.Resto == 0 ? 0 : 11 - resultado.Resto;
    if (digito >= 10)
        resultado.Texto.push_back('1');
    resultado.Texto.push_back(static_cast<char>('0' + digito % 10));
    return resultado;
}

namespace {

constexpr std::size_t TamanhoCodigoBarras = 44;
constexpr std::size_t PosicaoDigitoGeral = 4; // position 5, counted from 0

// The weight of each barcode position: 2, 3, ..., 9, 2, ... from position 44
// down to position 1, position 5 weighing nothing and not advancing the cycle.
constexpr std::array<unsigned char, TamanhoCodigoBarras> PesosCodigoBarras = [] {
    std::array<unsigned char, TamanhoCodigoBarras> pesos {};
    unsigned char peso = 2;
    for (std::size_t i = TamanhoCodigoBarras; i-- > 0;) {
        if (i == PosicaoDigitoGeral)
            continue;
        pesos[i] = peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    return pesos;
}();

} // namespace

char DigitoCodigoBarras(std::string_view codigoBarras)
{
    // Position 5 holds the digit's own place: it is neither read nor weighed.
    const std::string_view inicio = codigoBarras.substr(0, PosicaoDigitoGeral);
    const std::string_view resto = codigoBarras.size() > PosicaoDigitoGeral + 1
        ? codigoBarras.substr(PosicaoDigitoGeral + 1)
        : std::string_view {};
    ExigeDigitos(inicio);
    ExigeDigitos(resto);
    int soma = 0;
    if (codigoBarras.size() == TamanhoCodigoBarras) {
        // Position 5 weighs 0, whatever it holds.
        for (std::size_t i = 0; i < TamanhoCodigoBarras; ++i)
            soma += (codigoBarras[i] - '0') * PesosCodigoBarras[i];
    } else {
        int peso = 2;
        for (std::size_t i = resto.size(); i-- > 0;) {
            soma += (resto[i] - '0') * peso;
            peso = peso == 9 ? 2 : peso + 1;
        }
        for (std::size_t i = inicio.size(); i-- > 0;) {
            soma += (inicio[i] - '0') * peso;
            peso = peso == 9 ? 2 : peso + 1;
        }
    }
    const int digito = 11 - soma % 11;
    if (digito == 0 || digito == 1 || digito == 10 || digito == 11)
        return '1';
    return static_cast<char>('0' + digito);
}

std::string FatorVencimento(std::chrono::sys_days vencimento)
{
    if (vencimento < DataBaseFator)
        throw EBoleto(std::string(MsgBoleto::VencimentoAnteriorBase));
    long long dias = (vencimento - DataBaseFator).count();
    if (vencimento >= DataReinicioFator)
        dias = 1000 + (vencimento - DataReinicioFator).count() % 9000;
    std::string texto(4, '0');
    for (std::size_t i = 4; i-- > 0 && dias > 0; dias /= 10)
        texto[i] = static_cast<char>('0' + dias % 10);
    return texto;
}
