#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

bool CodigoDe11(const TBoleto &boleto)
{
    return Comprimento(boleto.Cedente.CodigoCedente) == 11;
}

} // namespace

void TBanco033::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    const std::size_t codigo = Comprimento(boleto.Cedente.CodigoCedente);
    if (codigo != 7 && codigo != 11)
        Falha<EErroBanco>(MsgBoleto::CedenteSeteOuOnze);
    if (codigo == 11) {
        if (Comprimento(boleto.NossoNumero) > 7)
            Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue7);
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 7);
    } else {
        if (Comprimento(boleto.NossoNumero) > 12)
            Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue12);
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 12);
        if (boleto.Carteira != "102" && boleto.Carteira != "101" && boleto.Carteira != "201")
            Falha<EErroBanco>(MsgBoleto::Carteira033);
        if (boleto.Cedente.DigitoContaCorrente == '\0')
            Falha<EErroBanco>(MsgBoleto::InformeDigitoConta);
    }
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EErroBanco>(MsgBoleto::DefinaAgencia);
}

void TBanco033::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "DM - CI");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "COB");
}

char TBanco033::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos;
    if (CodigoDe11(boleto)) {
        AcrescentaNumero(digitos, boleto.Cedente.Agencia, 3);
        AcrescentaPreenchido(digitos, boleto.NossoNumero, 7);
        const std::optional<int> soma = SomaPesosPosicionais(digitos, "7319731973");
        if (!soma)
            Falha<EErroBanco>(MsgBoleto::AgenciaAte3Digitos);
        const int resto = *soma % 10;
        return static_cast<char>('0' + (resto == 0 ? 0 : 10 - resto));
    }
    AcrescentaPreenchido(digitos, boleto.NossoNumero, 12);
    const int resto = RestoModulo11(digitos, 9);
    if (resto == 0 || resto == 1)
        return '0';
    if (resto == 10)
        return '1';
    return static_cast<char>('0' + 11 - resto);
}

void TBanco033::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    if (CodigoDe11(boleto)) {
        const std::size_t inicio = resultado.size();
        resultado += boleto.Cedente.CodigoCedente;
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 7);
        resultado += "00033";
        AcrescentaDigitoDuplo(resultado, inicio);
        return;
    }
    std::string comDigito = boleto.NossoNumero;
    comDigito.push_back(GetDigitoNossoNum(boleto));
    resultado += '9';
    resultado += boleto.Cedente.CodigoCedente;
    AcrescentaPreenchido(resultado, comDigito, 13);
    resultado += '0';
    resultado += boleto.Carteira;
}

void TBanco033::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    AcrescentaNumero(resultado, boleto.Cedente.Agencia, 3);
    resultado += ' ';
    AcrescentaPreenchido(resultado, boleto.NossoNumero, CodigoDe11(boleto) ? 7 : 12);
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco033::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    const std::string &codigo = boleto.Cedente.CodigoCedente;
    if (CodigoDe11(boleto)) {
        resultado += Copia(codigo, 1, 3);
        resultado += '.';
        resultado += Copia(codigo, 4, 2);
        resultado += '.';
        resultado += Copia(codigo, 6, 5);
        resultado += '.';
        resultado += Copia(codigo, 11, 1);
        return;
    }
    resultado += boleto.Cedente.Agencia;
    resultado += ' ';
    resultado += codigo;
}
