#pragma once

#include <stdexcept>
#include <string>

// Errors of the boleto engine. All carry only their message (UTF-8) and derive
// from std::runtime_error, so a caller that shows "any error" catches them all.

// The engine's own error: common checks, class lookup, due date, and the
// checks of the banks that report through it (001, 151, 353, 409).
class EBoleto : public std::runtime_error
{
public:
    explicit EBoleto(const std::string &mensagem) : std::runtime_error(mensagem) { }
};

// The plain error that the checks of banks 033, 104, 237, 341 and 356 raise.
// It is deliberately not an EBoleto: code that tells the two apart must see
// the difference.
class EErroBanco : public std::runtime_error
{
public:
    explicit EErroBanco(const std::string &mensagem) : std::runtime_error(mensagem) { }
};

// A digit routine met a character that is not a decimal digit, or a text that
// should hold an integer does not.
class EConversao : public std::runtime_error
{
public:
    explicit EConversao(const std::string &mensagem) : std::runtime_error(mensagem) { }
};
