#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

void TBanco237::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    if (Comprimento(boleto.NossoNumero) > 11)
        Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue11);
    boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 11);

    const std::size_t conta = Comprimento(boleto.Cedente.ContaCorrente);
    if (conta > 7)
        Falha<EErroBanco>(MsgBoleto::ContaAte7);
    if (conta < 7)
        boleto.Cedente.ContaCorrente = PreencheEsquerda(boleto.Cedente.ContaCorrente, 7);

    const std::size_t agencia = Comprimento(boleto.Cedente.Agencia);
    if (agencia > 4)
        Falha<EErroBanco>(MsgBoleto::Agencia4);
    if (agencia < 4)
        boleto.Cedente.Agencia = PreencheEsquerda(boleto.Cedente.Agencia, 4);

    if (Comprimento(boleto.Carteira) != 2)
        Falha<EErroBanco>(MsgBoleto::Carteira2Digitos);
}

void TBanco237::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "DM");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "06");
}

char TBanco237::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos = boleto.Carteira;
    digitos += boleto.NossoNumero;
    const int resto = RestoModulo11(digitos, 7);
    if (resto == 1)
        return 'P';
    if (resto == 0)
        return '0';
    return static_cast<char>('0' + 11 - resto);
}

void TBanco237::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += boleto.Carteira;
    resultado += boleto.NossoNumero;
    resultado += boleto.Cedente.ContaCorrente;
    resultado += '0';
}

void TBanco237::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Carteira;
    resultado += '/';
    resultado += boleto.NossoNumero;
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco237::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += Copia(boleto.Cedente.Agencia, 1, 4);
    resultado += '/';
    resultado += boleto.Cedente.ContaCorrente;
    resultado += '-';
    AcrescentaDigitoConta(resultado, boleto.Cedente.DigitoContaCorrente);
}
