#pragma once

#include <string_view>

// Every text the boleto engine shows, in one place. They reach the operator
// unchanged, so keep them exactly as written (accents and punctuation too).
namespace MsgBoleto {

// Common checks, class lookup and due date.
inline constexpr std::string_view NossoNumeroNaoInformado = "Nosso Número não informado!";
inline constexpr std::string_view VencimentoNaoInformado = "Data de vencimento não informada!";
inline constexpr std::string_view ValorNaoInformado = "Valor do boleto não informado!";
// printf pattern; the number is MaxInstrucoes.
inline constexpr std::string_view InstrucoesDemais = "Instruções não pode ter mais de %d linhas";
inline constexpr std::string_view VencimentoAnteriorBase
    = "O vencimento do boleto deve ser superior à 7-Outubro-1997";
// Followed by the bank code between double quotes.
inline constexpr std::string_view ClasseNaoDefinida = "Classe não definida para o banco ";
inline constexpr std::string_view ValorNegativo = "O valor do boleto não pode ser negativo!";
inline constexpr std::string_view ValorExcessivo = "O valor do boleto deve ser menor que 100.000.000,00!";
// printf pattern; the number is the length the bank rules produced.
inline constexpr std::string_view CampoLivreInvalido
    = "O campo livre do código de barras deve ter 25 caracteres; os dados informados geraram %d!";
// printf pattern; the text is the offending character or text.
inline constexpr std::string_view NaoEInteiro = "'%s' não é um valor inteiro válido";
inline constexpr std::string_view OperacaoNaoImplementada = "Operação não implementada por este banco!";

// Shared by several banks.
inline constexpr std::string_view NossoNumeroMaiorQue7
    = "O tamanho do NossoNúmero não pode ser maior que 7 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue8
    = "O tamanho do NossoNúmero não pode ser maior que 8 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue10
    = "O tamanho do NossoNúmero não pode ser maior que 10 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue11
    = "O tamanho do NossoNúmero não pode ser maior que 11 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue12
    = "O tamanho do NossoNúmero não pode ser maior que 12 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue13
    = "O tamanho do NossoNúmero não pode ser maior que 13 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue14
    = "O tamanho do NossoNúmero não pode ser maior que 14 caracteres!";
inline constexpr std::string_view NossoNumeroMaiorQue17
    = "O tamanho do NossoNúmero não pode ser maior que 17 caracteres!";
inline constexpr std::string_view DefinaAgencia = "Defina a agência bancária!";

// 001 Banco do Brasil.
inline constexpr std::string_view ConvenioNaoInformado = "É necessário informar o convênio!";
inline constexpr std::string_view ConvenioLongo = "UNIT preparada apenas para convenios de até 7 dígitos!";
inline constexpr std::string_view ConvenioTamanho = "O convênio deve ter 4, 6 ou 7 dígitos!";

// 033 Santander.
inline constexpr std::string_view CedenteSeteOuOnze = "O código do cedente deve ter 7 ou 11 dígitos!";
inline constexpr std::string_view Carteira033
    = "A carteira deve ser 101 (Cobrança Simples Rápida COM Registro),\r"
      "102 (Cobrança simples SEM Registro) ou 201 (Penhor)";
inline constexpr std::string_view InformeDigitoConta = "Informe o dígito da conta corrente.";
inline constexpr std::string_view AgenciaAte3Digitos = "A agência deve ter no máximo 3 dígitos!";

// 104 Caixa.
inline constexpr std::string_view Carteiras1ou8 = "Somente as carteiras 1 ou 8 são suportadas!";
inline constexpr std::string_view Cedente5 = "O Código do Cedente deve ter 5 caracteres!";
inline constexpr std::string_view Cedente6 = "O Código do Cedente deve ter 6 caracteres!";

// 151 Nossa Caixa.
inline constexpr std::string_view Modalidade151
    = "Para Nossa Caixa, é necessário informar a Modalidade da Conta com 2 caracteres!";
inline constexpr std::string_view Conta151 = "Para Nossa Caixa, é necessário informar a conta corrente!";
inline constexpr std::string_view DigitoConta151
    = "Para Nossa Caixa, é necessário informar o dígito da conta corrente!";
inline constexpr std::string_view NossoNumero151
    = "O tamanho do NossoNúmero deve ter no máximo 7 caracteres!";
inline constexpr std::string_view Tamanhos151
    = "Para Nossa Caixa, a agência deve ter até 4 dígitos e a conta corrente até 7!";

// 237 Bradesco.
inline constexpr std::string_view ContaAte7 = "A conta corrente não pode ter mais que 7 dígitos!";
inline constexpr std::string_view Agencia4 = "A agência deve ter 4 dígitos!";
inline constexpr std::string_view Carteira2Digitos = "A carteira deve possuir 2 dígitos!";

// 341 Itau.
inline constexpr std::string_view Conta5 = "A conta corrente deve ter 5 caracteres!";
inline constexpr std::string_view DigitoContaItau = "Especifique o dígito da ContaCorrente!";
inline constexpr std::string_view Carteira3 = "A carteira deve ter 3 caracteres!";
// "Para a carteira " + carteira + " é necessário definir o código do cedente!"
inline constexpr std::string_view CarteiraExigeCedenteAntes = "Para a carteira ";
inline constexpr std::string_view CarteiraExigeCedenteDepois = " é necessário definir o código do cedente!";

// 353 Santander.
inline constexpr std::string_view Cedente7 = "O Código do Cedente deve ter 7 caracteres!";

// 356 Real.
inline constexpr std::string_view Conta7 = "A conta corrente deve ter 7 caracteres!";
inline constexpr std::string_view AgenciaMaiorQue4 = "O número da agência não pode ser maior que 4 dígitos!";

// 409 Unibanco.
inline constexpr std::string_view ContaAte6 = "A conta corrente não pode ter mais que 6 dígitos!";
inline constexpr std::string_view Carteira1Digito = "A carteira deve possuir 1 dígito!";
inline constexpr std::string_view Carteiras1ou4 = "Somente as carteiras 1 ou 4 são suportadas!";

// 748 SICREDI.
inline constexpr std::string_view LocalPagamentoSicredi
    = "PAGÁVEL PREFERENCIALMENTE NAS COOP. DE CREDITO DO SICREDI";

} // namespace MsgBoleto
