#include "boleto/bancos.h"
#include "boleto/regras.h"

using namespace Regras;

namespace {

enum class Carteira { Um, Oito, Outra };

Carteira CarteiraDe(const TBoleto &boleto)
{
    if (boleto.Carteira == "1")
        return Carteira::Um;
    if (boleto.Carteira == "8")
        return Carteira::Oito;
    return Carteira::Outra;
}

// Modulo 11 (weights 2..9), the two-character result (remainder 1) as "0".
char DigitoCaixa(std::string_view digitos)
{
    const int resto = RestoModulo11(digitos, 9);
    return resto <= 1 ? '0' : static_cast<char>('0' + 11 - resto);
}

// The nosso número as printed before its digit: "9" + NN (carteira 1),
// "8" + NN zero-filled to 14 (carteira 8).
void AcrescentaNumeroCaixa(std::string &destino, const TBoleto &boleto)
{
    switch (CarteiraDe(boleto)) {
    case Carteira::Um:
        destino += '9';
        destino += boleto.NossoNumero;
        break;
    case Carteira::Oito:
        destino += '8';
        AcrescentaPreenchido(destino, boleto.NossoNumero, 14);
        break;
    case Carteira::Outra: break;
    }
}

} // namespace

void TBanco104::ChecarDadosIniciais(TBoleto &boleto)
{
    TClasseBanco::ChecarDadosIniciais(boleto);
    const Carteira carteira = CarteiraDe(boleto);
    if (carteira == Carteira::Outra)
        Falha<EErroBanco>(MsgBoleto::Carteiras1ou8);
    const std::size_t codigo = Comprimento(boleto.Cedente.CodigoCedente);
    if (carteira == Carteira::Oito) {
        if (Comprimento(boleto.NossoNumero) > 14)
            Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue14);
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 14);
        if (codigo != 5)
            Falha<EErroBanco>(MsgBoleto::Cedente5);
    } else {
        if (Comprimento(boleto.NossoNumero) > 17)
            Falha<EErroBanco>(MsgBoleto::NossoNumeroMaiorQue17);
        boleto.NossoNumero = PreencheEsquerda(boleto.NossoNumero, 17);
        if (codigo != 6)
            Falha<EErroBanco>(MsgBoleto::Cedente6);
    }
    if (EmBranco(boleto.Cedente.Agencia))
        Falha<EErroBanco>(MsgBoleto::DefinaAgencia);
}

void TBanco104::InicializaDadosPadroes(TBoleto &boleto)
{
    Padrao(boleto.Especie, "R$");
    Padrao(boleto.Aceite, "N");
    Padrao(boleto.Carteira, "1");
}

char TBanco104::GetDigitoNossoNum(const TBoleto &boleto) const
{
    std::string digitos;
    AcrescentaNumeroCaixa(digitos, boleto);
    return DigitoCaixa(digitos);
}

void TBanco104::GetCampoLivre(const TBoleto &boleto, std::string &resultado) const
{
    switch (CarteiraDe(boleto)) {
    case Carteira::Um:
        resultado += '1';
        resultado += boleto.Cedente.CodigoCedente;
        resultado += '9';
        resultado += boleto.NossoNumero;
        break;
    case Carteira::Oito:
        resultado += boleto.Cedente.CodigoCedente;
        AcrescentaPreenchido(resultado, boleto.Cedente.Agencia, 4);
        resultado += "87";
        AcrescentaPreenchido(resultado, boleto.NossoNumero, 14);
        break;
    case Carteira::Outra: break;
    }
}

void TBanco104::GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const
{
    if (CarteiraDe(boleto) == Carteira::Outra)
        return;
    AcrescentaNumeroCaixa(resultado, boleto);
    resultado += '-';
    resultado += GetDigitoNossoNum(boleto);
}

void TBanco104::FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const
{
    const Carteira carteira = CarteiraDe(boleto);
    if (carteira == Carteira::Outra)
        return;
    const std::string &codigo = boleto.Cedente.CodigoCedente;
    std::string digitos;
    AcrescentaNumero(digitos, boleto.Cedente.Agencia, 4);
    resultado += digitos;
    if (carteira == Carteira::Oito) {
        resultado += ".870.000";
        digitos += "870000";
    } else {
        resultado += '/';
    }
    resultado += codigo;
    digitos += codigo;
    resultado += '-';
    resultado += DigitoCaixa(digitos);
}
