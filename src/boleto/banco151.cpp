#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

// "99" + the nosso número, zero-filled to 9.
void AcrescentaNumero99(std::string &destino, const TBoleto &boleto)
{
    std::string numero = "99";
    numero += boleto.NossoNumero;
    AcrescentaPreenchido(destino, numero, 9);
}

} // namespace

void TBanco151::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    if (Comprimento(boleto.Cedente.Banco151.ModalidadeConta) != 2)
        Falha<EBoleto>(MsgBoleto::Modalidade151);
    if (EmBranco(boleto.Cedente.ContaCorrente))
        Falha<EBoleto>(MsgBoleto::Conta151);
    if (boleto.Cedente.DigitoContaCorrente == '\0')
        Falha<EBoleto>(MsgBoleto::DigitoConta151);
    if (Comprimento(boleto.NossoNumero) > 7)
        Falha<EBoleto>(MsgBoleto::NossoNumero151);
    boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 7);
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EBoleto>(MsgBoleto::DefinaAgencia);
}

void TBanco151::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "CIDENT");
    const std::string_view modalidade = boleto.Cedente.Banco151.ModalidadeConta;
    m_modalidade = modalidade.size() >= 2 ? modalidade[1] : modalidade.empty() ? '\0' : modalidade[0];
}

char TBanco151::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos;
    AcrescentaPreenchido(digitos, boleto.Cedente.Agencia, 4);
    digitos += boleto.Cedente.Banco151.ModalidadeConta;
    AcrescentaPreenchido(digitos, boleto.Cedente.ContaCorrente, 7);
    AcrescentaDigitoConta(digitos, boleto.Cedente.DigitoContaCorrente);
    AcrescentaNumero99(digitos, boleto);
    const std::optional<int> soma = SomaPesosPosicionais(digitos, "31973197319731319731973");
    if (!soma)
        Falha<EBoleto>(MsgBoleto::Tamanhos151);
    const int resto = *soma % 10;
    return static_cast<char>('0' + (resto == 0 ? 0 : 10 - resto));
}

void TBanco151::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    const std::size_t inicio = resultado.size();
    std::string numero;
    AcrescentaNumero99(numero, boleto);
    resultado += '9';
    resultado += Copia(numero, 2, 8);
    AcrescentaPreenchido(resultado, boleto.Cedente.Agencia, 4);
    if (m_modalidade != '\0')
        resultado += m_modalidade;
    AcrescentaPreenchido(resultado, boleto.Cedente.ContaCorrente, 6);
    resultado += "151";
    AcrescentaDigitoDuplo(resultado, inicio);
}

void TBanco151::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    AcrescentaNumero99(resultado, boleto);
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco151::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    AcrescentaNumero(resultado, boleto.Cedente.Agencia, 4);
    resultado += ' ';
    resultado += boleto.Cedente.Banco151.ModalidadeConta;
    resultado += ' ';
    AcrescentaPreenchido(resultado, boleto.Cedente.ContaCorrente, 7);
    resultado += ' ';
    AcrescentaDigitoConta(resultado, boleto.Cedente.DigitoContaCorrente);
}
