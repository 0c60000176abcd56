#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

std::size_t TamanhoConvenio(const TBoleto &boleto)
{
    return Comprimento(boleto.Cedente.Banco001.Convenio);
}

} // namespace

char TBanco001::DigitoBB(std::string_view digitos)
{
    const int resto = RestoModulo11(digitos, 9);
    if (resto == 0)
        return '0';
    if (resto == 1)
        return 'X';
    return static_cast<char>('0' + 11 - resto);
}

void TBanco001::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    const std::size_t convenio = TamanhoConvenio(boleto);
    const std::size_t nossoNumero = Comprimento(boleto.NossoNumero);
    if (convenio == 4 && nossoNumero > 7)
        Falha<EBoleto>(MsgBoleto::NossoNumeroMaiorQue7);
    if ((convenio == 6 || convenio == 7) && nossoNumero > 10)
        Falha<EBoleto>(MsgBoleto::NossoNumeroMaiorQue10);
    if (convenio == 0)
        Falha<EBoleto>(MsgBoleto::ConvenioNaoInformado);
    if (convenio >= 8)
        Falha<EBoleto>(MsgBoleto::ConvenioLongo);
    // There is a free-field layout for 4, 6 and 7 digits only.
    if (convenio != 4 && convenio != 6 && convenio != 7)
        Falha<EBoleto>(MsgBoleto::ConvenioTamanho);
}

void TBanco001::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "18");
}

void TBanco001::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    const std::string &convenio = boleto.Cedente.Banco001.Convenio;
    switch (TamanhoConvenio(boleto)) {
    case 4:
        AcrescentaPreenchido(resultado, convenio, 4);
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 7);
        resultado += boleto.Cedente.Agencia;
        resultado += boleto.Cedente.CodigoCedente;
        resultado += boleto.Carteira;
        break;
    case 6:
        AcrescentaPreenchido(resultado, convenio, 6);
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 17);
        resultado += "21";
        break;
    case 7:
        resultado += "000000";
        AcrescentaPreenchido(resultado, convenio, 7);
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 10);
        resultado += boleto.Carteira;
        break;
    default: break;
    }
}

char TBanco001::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos;
    AcrescentaPreenchido(digitos, boleto.Cedente.Banco001.Convenio, 6);
    AcrescentaPreenchido(digitos, boleto.NossoNumero, 5);
    return DigitoBB(digitos);
}

void TBanco001::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    const std::size_t inicio = resultado.size();
    AcrescentaPreenchido(resultado, boleto.Cedente.Banco001.Convenio, 6);
    if (TamanhoConvenio(boleto) == 6) {
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 11);
        return;
    }
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 5);
    // The same digit as GetDigitoNossoNum, over the text just written.
    const char digito = DigitoBB(std::string_view(resultado).substr(inicio));
    resultado.push_back('-');
    resultado.push_back(digito);
}

void TBanco001::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += Copia(boleto.Cedente.Agencia, 1, 4);
    resultado += '/';
    resultado += boleto.Cedente.CodigoCedente;
    resultado += '-';
    resultado += DigitoBB(boleto.Cedente.CodigoCedente);
}
