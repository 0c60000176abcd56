#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

std::string TBanco353::DigitoNossoNumero(std::string_view nossoNumero)
{
    std::string digitos;
    AcrescentaPreenchido(digitos, nossoNumero, 12);
    const std::optional<int> soma = SomaPesosPosicionais(digitos, "234567892345");
    if (!soma)
        Falha<EBoleto>(MsgBoleto::NossoNumeroMaiorQue12);
    const int resto = *soma % 11;
    if (resto == 0 || resto == 1)
        return std::string(1, static_cast<char>('0' + resto));
    if (resto == 10)
        return "01";
    return std::string(1, static_cast<char>('0' + 11 - resto));
}

void TBanco353::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    if (Comprimento(boleto.NossoNumero) > 7)
        Falha<EBoleto>(MsgBoleto::NossoNumeroMaiorQue7);
    boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 7);
    if (Comprimento(boleto.Cedente.CodigoCedente) != 7)
        Falha<EBoleto>(MsgBoleto::Cedente7);
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EBoleto>(MsgBoleto::DefinaAgencia);
}

void TBanco353::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "DM - CI");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "COB");
}

void TBanco353::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    resultado += '9';
    resultado += Copia(boleto.Cedente.CodigoCedente, 1, 7);
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 13);
    resultado += "0102";
}

void TBanco353::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 12);
    resultado += '-';
    resultado += DigitoNossoNumero(boleto.NossoNumero);
}

void TBanco353::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += " / ";
    resultado += boleto.Cedente.CodigoCedente;
}
