#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

void TBanco356::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    const std::size_t nossoNumero = Comprimento(boleto.NossoNumero);
    if (nossoNumero > 13)
        Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue13);
    if (nossoNumero < 13)
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 13);
    if (Comprimento(boleto.Cedente.ContaCorrente) != 7)
        Falha<EErroBanco>(MsgBoleto::Conta7);
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EErroBanco>(MsgBoleto::DefinaAgencia);
    const std::size_t agencia = Comprimento(boleto.Cedente.Agencia);
    if (agencia < 4)
        boleto.Cedente.Agencia = PreencheEsquerda(boleto.Cedente.Agencia, 4);
    if (agencia > 4)
        Falha<EErroBanco>(MsgBoleto::AgenciaMaiorQue4);
}

void TBanco356::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "57");
    Padrao(boleto.Aceite, "A");
    Padrao(boleto.Carteira, "20");
}

char TBanco356::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos = boleto.NossoNumero;
    digitos += boleto.Cedente.Agencia;
    digitos += boleto.Cedente.ContaCorrente;
    return Modulo10(digitos);
}

void TBanco356::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += boleto.Cedente.ContaCorrente;
    resultado += GetDigitoNossoNum(boleto);
    resultado += boleto.NossoNumero;
}

void TBanco356::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.NossoNumero;
}

void TBanco356::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += '/';
    resultado += boleto.Cedente.ContaCorrente;
    resultado += '/';
    resultado += GetDigitoNossoNum(boleto);
}
