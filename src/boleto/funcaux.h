#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Routines that every bank rule shares: left fill, the modulo 10 and modulo 11
// check digits, the barcode's general check digit and the due-date factor.
//
// Texts are UTF-8; widths, lengths and positions count characters, not bytes.
// The digit routines read one character at a time: anything but 0-9 raises
// EConversao.

// Number of characters of a UTF-8 text.
std::size_t Comprimento(std::string_view texto);

// Up to `quantos` characters from character `inicio` (counted from 1); shorter
// or empty past the end, like a plain substring copy.
std::string_view Copia(std::string_view texto, std::size_t inicio, std::size_t quantos);

// The text without leading and trailing blanks (space and control characters).
std::string_view Apara(std::string_view texto);

// True when the text holds nothing but blanks.
inline bool EmBranco(std::string_view texto)
{
    return Apara(texto).empty();
}

// Trims the text, then prefixes as many fill characters as are missing to
// reach `largura`. A text already as wide or wider comes back trimmed, never cut.
std::string PreencheEsquerda(std::string_view texto, std::size_t largura, char preenchimento = '0');

// PreencheEsquerda appended to `destino` (no temporary text).
void AcrescentaPreenchido(std::string &destino, std::string_view texto, std::size_t largura,
                          char preenchimento = '0');

// The integer a text holds, written back without leading zeros ("0042" gives
// "42", "000" gives "0"). Blanks around it are ignored; an empty text or any
// other character raises EConversao.
std::string_view ComoNumero(std::string_view texto);

// ComoNumero(texto), left-filled with zeros to `largura`, appended to `destino`.
void AcrescentaNumero(std::string &destino, std::string_view texto, std::size_t largura);

// The value of the decimal digit at byte `posicao` of `texto`; raises
// EConversao naming the character when it is not one.
int ValorDigito(std::string_view texto, std::size_t posicao);

// Modulo 10 with weights 2, 1, 2, ... from the rightmost digit; products above
// 9 count as product - 9. Returns the digit '0'..'9'.
char Modulo10(std::string_view digitos);

// Modulo 11 with weights 2, 3, ..., pesoMaximo, 2, ... from the rightmost digit.
struct TModulo11
{
    int Resto = 0; // sum mod 11, 0..10
    std::string Texto; // "0" for remainder 0, else 11 - remainder ("10" for remainder 1)
};
TModulo11 Modulo11(std::string_view digitos, int pesoMaximo);

// Only the remainder of Modulo11.
int RestoModulo11(std::string_view digitos, int pesoMaximo);

// The barcode's general check digit over its 44 positions, position 5 (the
// digit's own place) skipped: '1' when 11 - remainder is 0, 1, 10 or 11.
char DigitoCodigoBarras(std::string_view codigoBarras);

// The first day the due-date factor counts from, its factor being "0000".
inline constexpr std::chrono::sys_days DataBaseFator {std::chrono::year {1997} / 10 / 7};
// The day the factor starts again at 1000, the day after it reached 9999.
inline constexpr std::chrono::sys_days DataReinicioFator {std::chrono::year {2025} / 2 / 22};

// Four-digit due-date factor. Up to 21 February 2025 it is the number of days
// since 7 October 1997; from 22 February 2025 on it starts again at 1000 and
// counts on, returning to 1000 after every 9999. A date before 7 October 1997
// raises EBoleto.
std::string FatorVencimento(std::chrono::sys_days vencimento);

// A calendar date as the engine stores it.
constexpr std::chrono::sys_days Data(int ano, unsigned mes, unsigned dia)
{
    return std::chrono::sys_days {std::chrono::year {ano} / std::chrono::month {mes}
                                  / std::chrono::day {dia}};
}
