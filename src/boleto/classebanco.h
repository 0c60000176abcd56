#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TBoleto;

// The rules of one bank. GerarDados creates an instance for one generation
// and releases it at the end; the text operations append their result to the
// string they receive.
class TClasseBanco
{
public:
    virtual ~TClasseBanco() = default;

    // The 25-character free field of the barcode.
    virtual void GetCampoLivre(const TBoleto &boleto, std::string &resultado) const = 0;
    // The three-digit bank code.
    virtual std::string_view GetCodigoBanco() const = 0;
    // The bank code, "-" and its check digit.
    virtual std::string_view GetCodigoBancoComDigito() const = 0;
    // The printed agency-and-beneficiary-code text.
    virtual void FormataAgencCodigoCedente(const TBoleto &boleto, std::string &resultado) const = 0;
    // The nosso número's check digit. A bank that computes it some other way
    // leaves this alone; calling it then raises EErroBanco.
    virtual char GetDigitoNossoNum(const TBoleto &boleto) const;
    // The printed nosso número.
    virtual void GetNumeroBancario(const TBoleto &boleto, std::string &resultado) const = 0;
    virtual std::string_view GetNomeBanco() const = 0;
    // Raises on the first failed check. This base runs the checks common to
    // every bank, raising EBoleto; each bank runs them first, then its own,
    // which may rewrite NossoNumero, Agencia and ContaCorrente zero-filled.
    virtual void ChecarDadosIniciais(TBoleto &boleto);
    // Bank defaults for the fields that are still empty.
    virtual void InicializaDadosPadroes(TBoleto &boleto) = 0;

protected:
    static void Padrao(std::string &campo, std::string_view valor)
    {
        if (campo.empty())
            campo.append(valor);
    }
};

// Bank classes by name: "TBanco" followed by the three-digit bank code.
// Registration belongs to program start; lookups may then run from any thread.
class TRegistroClasses
{
public:
    static constexpr std::string_view Prefixo = "TBanco";
    // Instances are built in place, without a heap allocation, in a block of
    // this size.
    static constexpr std::size_t TamanhoMaximo = 64;
    using TFabrica = TClasseBanco *(*)(void *memoria);

    struct TEntrada
    {
        std::string Nome;
        TFabrica Criar = nullptr;
    };

    // The program's registry, holding the ten bank classes of the engine.
    static TRegistroClasses &Instancia();

    template<class T> void Registrar(std::string nome)
    {
        static_assert(std::is_base_of_v<TClasseBanco, T>);
        static_assert(sizeof(T) <= TamanhoMaximo && alignof(T) <= alignof(std::max_align_t));
        Registrar(std::move(nome), [](void *memoria) -> TClasseBanco * { return new (memoria) T(); });
    }
    // Registers a class; a second registration under a name replaces the first.
    void Registrar(std::string nome, TFabrica criar);
    void Remover(std::string_view nome);
    const TEntrada *Buscar(std::string_view nome) const;

private:
    std::vector<TEntrada> m_entradas;
};
