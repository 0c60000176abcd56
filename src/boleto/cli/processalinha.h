#pragma once

#include <string>
#include <string_view>

// One line of the boleto tool: a JSON object with the engine's inputs
// (banco, agencia, codigoCedente, conta, digitoConta, convenio, modalidade,
// carteira, nossoNumero, documento, valor, vencimento, moeda) in, a JSON
// object with the generated texts, or with "erro", out. Never throws.
// The result has no line break.
std::string ProcessaLinha(std::string_view linha);

// Appends `texto` to `destino` as a JSON string (quotes included). Bytes that
// are not valid UTF-8 become U+FFFD.
void AcrescentaTextoJson(std::string &destino, std::string_view texto);
