#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

// Carteiras whose free field carries the document number and the
// beneficiary code.
constexpr std::string_view CarteirasComDocumento = "106 107 122 142 143 195 196 198";
// Carteiras whose nosso-número digit leaves agency and account out.
constexpr std::string_view CarteirasDigitoSimples = "126 131 146 150 168";

// "Found inside the list", as a plain text search; an empty carteira is not.
bool Contem(std::string_view lista, std::string_view carteira)
{
    return !carteira.empty() && lista.find(carteira) != std::string_view::npos;
}

} // namespace

void TBanco341::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    if (Comprimento(boleto.NossoNumero) > 8)
        Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue8);
    boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 8);
    if (Comprimento(boleto.Cedente.ContaCorrente) != 5)
        Falha<EErroBanco>(MsgBoleto::Conta5);
    if (static_cast<unsigned char>(boleto.Cedente.DigitoContaCorrente) <= ' ')
        Falha<EErroBanco>(MsgBoleto::DigitoContaItau);
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EErroBanco>(MsgBoleto::DefinaAgencia);
    if (Comprimento(boleto.Carteira) != 3)
        Falha<EErroBanco>(MsgBoleto::Carteira3);
    if (Contem(CarteirasComDocumento, boleto.Carteira) && EmBranco(boleto.Cedente.CodigoCedente)) {
        std::string mensagem(MsgBoleto::CarteiraExigeCedenteAntes);
        mensagem += boleto.Carteira;
        mensagem += MsgBoleto::CarteiraExigeCedenteDepois;
        throw EErroBanco(mensagem);
    }
}

void TBanco341::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.EspecieDoc, "DP");
    Padrao(boleto.Aceite, "N");
}

char TBanco341::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos;
    if (!Contem(CarteirasDigitoSimples, boleto.Carteira)) {
        AcrescentaNumero(digitos, boleto.Cedente.Agencia, 4);
        AcrescentaPreenchido(digitos, boleto.Cedente.ContaCorrente, 5);
    }
    AcrescentaPreenchido(digitos, boleto.Carteira, 3);
    AcrescentaPreenchido(digitos, boleto.NossoNumero, 8);
    return Modulo10(digitos);
}

void TBanco341::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    const std::size_t inicio = resultado.size();
    resultado += boleto.Carteira;
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 8);
    if (Contem(CarteirasComDocumento, boleto.Carteira)) {
        AcrescentaPreenchido(resultado, boleto.Documento, 7);
        AcrescentaPreenchido(resultado, boleto.Cedente.CodigoCedente, 5);
        resultado += Modulo10(std::string_view(resultado).substr(inicio));
        resultado += '0';
        return;
    }
    resultado += GetDigitoNossoNum(boleto);
    AcrescentaNumero(resultado, boleto.Cedente.Agencia, 4);
    AcrescentaPreenchido(resultado, boleto.Cedente.ContaCorrente, 5);
    AcrescentaDigitoConta(resultado, boleto.Cedente.DigitoContaCorrente);
    resultado += "000";
}

void TBanco341::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Carteira;
    resultado += '/';
    AcrescentaPreenchido(resultado, boleto.NossoNumero, 8);
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco341::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    resultado += boleto.Cedente.Agencia;
    resultado += '/';
    resultado += boleto.Cedente.ContaCorrente;
    resultado += '-';
    AcrescentaDigitoConta(resultado, boleto.Cedente.DigitoContaCorrente);
}
