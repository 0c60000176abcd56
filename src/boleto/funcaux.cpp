#include "boleto/funcaux.h"

#include "boleto/excecoes.h"
#include "boleto/mensagens.h"


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
    for (char c : texto)
        n += Continuacao(c) ? 0 : 1;
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

void AcrescentaPreenchido(std::string &destino, std::string_view texto, std::size_t largura, char preenchimento)
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

char Modulo10(std::string_view digitos)
{
    int soma = 0;
    int peso = 2;
    for (std::size_t i = digitos.size(); i-- > 0;) {
        int produto = ValorDigito(digitos, i) * peso;
        if (produto > 9)
            produto -= 9;
        soma += produto;
        peso = peso == 2 ? 1 : 2;
    }
    const int resto = soma % 10;
    return static_cast<char>('0' + (resto == 0 ? 0 : 10 - resto));
}

int RestoModulo11(std::string_view digitos, int pesoMaximo)
{
    int soma = 0;
    int peso = 2;
    for (std::size_t i = digitos.size(); i-- > 0;) {
        soma += ValorDigito(digitos, i) * peso;
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

char DigitoCodigoBarras(std::string_view codigoBarras)
{
    int soma = 0;
    int peso = 2;
    for (std::size_t i = codigoBarras.size(); i-- > 0;) {
        if (i == 4)
            continue;
        soma += ValorDigito(codigoBarras, i) * peso;
        peso = peso == 9 ? 2 : peso + 1;
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
