#pragma once

#include "boleto/classebanco.h"

#include <string>
#include <string_view>

// The rules of the ten banks the engine knows, registered as "TBanco" + code.

// 001 Banco do Brasil. The agreement (Cedente.Banco001.Convenio) has 4, 6 or 7
// digits and decides the layout.
class TBanco001 final : public TClasseBanco
{
public:
    // Modulo 11 (weights 2..9): 11 - remainder, "X" for remainder 1, "0" for 0.
    static char DigitoBB(std::string_view digitos);

    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "001"; }
    std::string_view GetCodigoBancoComDigito() const override { return "001-9"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Banco Brasil"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 033 Santander (Banespa layouts): beneficiary code of 7 or 11 characters.
class TBanco033 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "033"; }
    std::string_view GetCodigoBancoComDigito() const override { return "033-7"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Santander"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 104 Caixa: carteiras 1 and 8.
class TBanco104 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "104"; }
    std::string_view GetCodigoBancoComDigito() const override { return "104-0"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Caixa"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 151 Nossa Caixa. Remembers one character of the account modality from the
// defaults step to the free field.
class TBanco151 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "151"; }
    std::string_view GetCodigoBancoComDigito() const override { return "151-1"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "NossaCaixa"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;

private:
    char m_modalidade = '\0';
};

// 237 Bradesco.
class TBanco237 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "237"; }
    std::string_view GetCodigoBancoComDigito() const override { return "237-2"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Bradesco"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 341 Itau.
class TBanco341 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "341"; }
    std::string_view GetCodigoBancoComDigito() const override { return "341-7"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Itau"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 353 Santander. Its nosso-número digit may have two characters, so it has a
// routine of its own instead of GetDigitoNossoNum.
class TBanco353 final : public TClasseBanco
{
public:
    // Over the nosso número zero-filled to 12: weights 2..9, 2..5 from the left.
    static std::string DigitoNossoNumero(std::string_view nossoNumero);

    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "353"; }
    std::string_view GetCodigoBancoComDigito() const override { return "353-0"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Santander"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 356 Real.
class TBanco356 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "356"; }
    std::string_view GetCodigoBancoComDigito() const override { return "356-5"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Real"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 409 Unibanco: carteiras 1 and 4.
class TBanco409 final : public TClasseBanco
{
public:
    // Weights 2..9 from the rightmost digit; (sum x 10) mod 11, 10 counting as 0.
    static char DigitoUnibanco(std::string_view digitos);

    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "409"; }
    std::string_view GetCodigoBancoComDigito() const override { return "409-0"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "Unibanco"; }
    void ChecarDadosIniciais(TBoleto &boleto) override;
    void InicializaDadosPadroes(TBoleto &boleto) override;
};

// 748 SICREDI: only the common checks; the printed number carries the
// current year from the boleto's clock.
class TBanco748 final : public TClasseBanco
{
public:
    void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetCodigoBanco() const override { return "748"; }
    std::string_view GetCodigoBancoComDigito() const override { return "748-X"; }
    void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const override;
    char GetDigitoNossoNum(const TBoleto &boleto) const override;
    void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const override;
    std::string_view GetNomeBanco() const override { return "SICREDI"; }
    void InicializaDadosPadroes(TBoleto &boleto) override;
};
