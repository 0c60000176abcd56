#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

// The last two digits of the current year, from the boleto's clock.
void AcrescentaAno(std::string &destino, const TBoleto &boleto)
{
    const int ano = static_cast<int>(std::chrono::year_month_day {boleto.Hoje()}.year());
    const int aa = (ano % 100 + 100) % 100;
    destino += static_cast<char>('0' + aa / 10);
    destino += static_cast<char>('0' + aa % 10);
}

// Modulo 11 (weights 2..9); remainders 0 and 1 give "0".
char DigitoSicredi(std::string_view digitos)
{
    const int resto = RestoModulo11(digitos, 9);
    return resto <= 1 ? '0' : static_cast<char>('0' + 11 - resto);
}

} // namespace

void TBanco748::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "DI");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.LocalPagamento, MsgBoleto::LocalPagamentoSicredi);
}

char TBanco748::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos = boleto.Cedente.Agencia;
    digitos += boleto.Cedente.CodigoCedente;
    AcrescentaAno(digitos, boleto);
    digitos += '2';
    AcrescentaPreenchido(digitos, boleto.NossoNumero, 5);
    return DigitoSicredi(digitos);
}

void TBanco748::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    AcrescentaAno(resultado, boleto);
    resultado += "/2";
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 5);
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco748::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    const std::size_t inicio = resultado.size();
    resultado += "31";
    std::string numero;
    GetNumeroBancario(boleto, numero);
    for (char c : numero)
        if (c != ',' && c != '-' && c != '.' && c != '/')
            resultado += c;
    resultado += boleto.Cedente.Agencia;
    resultado += boleto.Cedente.CodigoCedente;
    resultado += boleto.Valor == TValor {} ? '0' : '1';
    resultado += '0';
    resultado += DigitoSicredi(std::string_view(resultado).substr(inicio));
}

void TBanco748::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += Copia(boleto.Cedente.Agencia, 1, 4);
    resultado += '.';
    resultado += Copia(boleto.Cedente.Agencia, 5, 2);
    resultado += '.';
    resultado += boleto.Cedente.CodigoCedente;
}
