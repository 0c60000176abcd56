#include "boleto/bancos.h"
#include "boleto/regras.h"

#include <cstdio>

using namespace Regras;

namespace {

// N: the nosso número zero-filled to 10 and its Unibanco digit.
void AcrescentaN(std::string &destino, const TBoleto &boleto)
{
    const std::size_t inicio = destino.size();
    AcrescentaPreenchido(destino, boleto.NossoNumero, 10);
    destino += TBanco409::DigitoUnibanco(std::string_view(destino).substr(inicio));
}

// U("1" + N).
char DigitoDoN(std::string_view n)
{
    std::string texto = "1";
    texto += n;
    return TBanco409::DigitoUnibanco(texto);
}

} // namespace

char TBanco409::DigitoUnibanco(std::string_view digitos)
{
    int soma = 0;
    int peso = 2;
    for (std::size_t i = digitos.size(); i-- > 0;) {
        soma += ValorDigito(digitos, i) * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma * 10 % 11;
    return resto == 10 ? '0' : static_cast<char>('0' + resto);
}

void TBanco409::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    const std::size_t nossoNumero = Comprimento(boleto.NossoNumero);
    if (nossoNumero > 10)
        Falha<EBoleto>(MsgBoleto::NossoNumeroMaiorQue10);
    if (nossoNumero < 10)
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 10);

    const std::size_t conta = Comprimento(boleto.Cedente.ContaCorrente);
    if (conta > 6)
        Falha<EBoleto>(MsgBoleto::ContaAte6);
    if (conta < 6)
        boleto.Cedente.ContaCorrente = PreencheEsquerda(boleto.Cedente.ContaCorrente, 6);

    const std::size_t agencia = Comprimento(boleto.Cedente.Agencia);
    if (agencia > 4)
        Falha<EBoleto>(MsgBoleto::Agencia4);
    if (agencia < 4)
        boleto.Cedente.Agencia = PreencheEsquerda(boleto.Cedente.Agencia, 4);

    if (Comprimento(boleto.Carteira) != 1)
        Falha<EBoleto>(MsgBoleto::Carteira1Digito);
    // Only carteiras 1 and 4 have a free-field layout.
    if (boleto.Carteira != "1" && boleto.Carteira != "4")
        Falha<EBoleto>(MsgBoleto::Carteiras1ou4);
}

void TBanco409::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "RC");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "1");
}

char TBanco409::GetDigitoNossoNum(const TBoleto &boleto) const
{
    const int resto = RestoModulo11(boleto.NossoNumero, 9);
    if (resto == 0 || resto == 10)
        return '0';
    if (resto == 1)
        return '1';
    return static_cast<char>('0' + 11 - resto);
}

void TBanco409::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    if (boleto.Carteira == "1") {
        resultado += '5';
        resultado += boleto.Cedente.CodigoCedente;
        resultado += "00";
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 15);
    } else if (boleto.Carteira == "4") {
        const std::chrono::year_month_day data {boleto.Vencimento.value_or(std::chrono::sys_days {})};
        char aammdd[16];
        std::snprintf(aammdd, sizeof aammdd, "%02d%02u%02u", static_cast<int>(data.year()) % 100,
                      static_cast<unsigned>(data.month()), static_cast<unsigned>(data.day()));
        resultado += "04";
        resultado += aammdd;
        const std::size_t agencia = resultado.size();
        resultado += boleto.Cedente.Agencia;
        resultado += DigitoUnibanco(std::string_view(resultado).substr(agencia));
        const std::size_t n = resultado.size();
        AcrescentaN(resultado, boleto);
        resultado += DigitoDoN(std::string_view(resultado).substr(n));
    }
}

void TBanco409::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    if (boleto.Carteira == "1") {
        resultado += boleto.NossoNumero;
        resultado += '-';
        resultado += GetDigitoNossoNum(boleto);
    } else if (boleto.Carteira == "4") {
        std::string n;
        AcrescentaN(n, boleto);
        resultado += "1/";
        resultado.append(n, 0, n.size() - 1);
        resultado += '-';
        resultado += n.back();
        resultado += '/';
        resultado += DigitoDoN(n);
    }
}

void TBanco409::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += '/';
    resultado += boleto.Cedente.ContaCorrente;
    resultado += '-';
    AcrescentaDigitoConta(resultado, boleto.Cedente.DigitoContaCorrente);
}
