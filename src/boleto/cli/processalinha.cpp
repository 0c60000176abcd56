#include "processalinha.h"

#include "boleto/boleto.h"
#include "boleto/funcaux.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace {

using Json = nlohmann::json;

enum Campo : std::size_t {
    Banco,
    Agencia,
    CodigoCedente,
    Conta,
    DigitoConta,
    Convenio,
    Modalidade,
    Carteira,
    NossoNumero,
    Documento,
    Valor,
    Vencimento,
    Moeda,
    TotalCampos
};

constexpr std::array<std::string_view, TotalCampos> NomesCampos = {
    "banco",    "agencia",     "codigoCedente", "conta", "digitoConta", "convenio", "modalidade",
    "carteira", "nossoNumero", "documento",     "valor", "vencimento",  "moeda",
};

// A line's inputs: every field is a text; a JSON number is taken as written.
struct Entrada
{
    std::array<std::string, TotalCampos> textos;
};

class ErroEntrada : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads one flat JSON object straight into an Entrada, refusing nesting.
class LeitorEntrada final : public nlohmann::json_sax<Json>
{
public:
    explicit LeitorEntrada(Entrada &entrada) : m_entrada(entrada) { }

    const std::string &erro() const { return m_erro; }

    bool null() override { return valor(nullptr); }
    bool boolean(bool) override { return tipoInvalido(); }
    bool number_integer(number_integer_t v) override { return numero(std::to_string(v)); }
    bool number_unsigned(number_unsigned_t v) override { return numero(std::to_string(v)); }
    bool number_float(number_float_t, const string_t &texto) override { return numero(texto); }
    bool string(string_t &v) override { return valor(&v); }
    bool binary(binary_t &) override { return tipoInvalido(); }
    bool start_object(std::size_t) override
    {
        if (m_nivel > 0)
            return tipoInvalido();
        ++m_nivel;
        return true;
    }
    bool key(string_t &chave) override
    {
        m_campo = TotalCampos;
        for (std::size_t i = 0; i < TotalCampos; ++i)
            if (NomesCampos[i] == chave)
                m_campo = i;
        m_chave = chave;
        return true;
    }
    bool end_object() override
    {
        --m_nivel;
        return true;
    }
    bool start_array(std::size_t) override { return tipoInvalido(); }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &e) override
    {
        m_erro = std::string("JSON inválido: ") + e.what();
        return false;
    }

private:
    bool numero(const std::string &texto)
    {
        std::string copia = texto;
        return valor(&copia);
    }
    bool valor(std::string *texto)
    {
        if (m_nivel == 0) {
            m_erro = "A linha deve ser um objeto JSON";
            return false;
        }
        if (m_campo < TotalCampos) {
            // null counts as absent.
            m_entrada.textos[m_campo] = texto ? std::move(*texto) : std::string();
        }
        return true;
    }
    bool tipoInvalido()
    {
        m_erro = m_nivel == 0 ? "A linha deve ser um objeto JSON"
                              : "O campo \"" + m_chave + "\" deve ser um texto ou um número";
        return false;
    }

    Entrada &m_entrada;
    std::string m_erro;
    std::string m_chave;
    std::size_t m_campo = TotalCampos;
    int m_nivel = 0;
};

// "YYYY-MM-DD", a real calendar date.
std::optional<std::chrono::sys_days> LeData(std::string_view texto)
{
    if (texto.size() != 10 || texto[4] != '-' || texto[7] != '-')
        return std::nullopt;
    int numeros[3] = {};
    const std::size_t inicios[3] = {0, 5, 8};
    const std::size_t tamanhos[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t i = 0; i < tamanhos[p]; ++i) {
            const char c = texto[inicios[p] + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            numeros[p] = numeros[p] * 10 + (c - '0');
        }
    }
    const std::chrono::year_month_day data {std::chrono::year {numeros[0]},
                                            std::chrono::month {unsigned(numeros[1])},
                                            std::chrono::day {unsigned(numeros[2])}};
    if (!data.ok())
        return std::nullopt;
    return std::chrono::sys_days {data};
}

// A one-character field: empty gives `vazio`.
char LeCaractere(const Entrada &entrada, Campo campo, char vazio)
{
    const std::string &texto = entrada.textos[campo];
    if (texto.empty())
        return vazio;
    if (texto.size() != 1)
        throw ErroEntrada("O campo \"" + std::string(NomesCampos[campo]) + "\" deve ter um único caractere");
    return texto[0];
}

void Preenche(TBoleto &boleto, const Entrada &e)
{
    boleto.Cedente.CodigoBanco = e.textos[Banco];
    boleto.Cedente.Agencia = e.textos[Agencia];
    boleto.Cedente.CodigoCedente = e.textos[CodigoCedente];
    boleto.Cedente.ContaCorrente = e.textos[Conta];
    boleto.Cedente.DigitoContaCorrente = LeCaractere(e, DigitoConta, '\0');
    boleto.Cedente.Banco001.Convenio = e.textos[Convenio];
    boleto.Cedente.Banco151.ModalidadeConta = e.textos[Modalidade];
    boleto.Carteira = e.textos[Carteira];
    boleto.NossoNumero = e.textos[NossoNumero];
    boleto.Documento = e.textos[Documento];
    boleto.Moeda = LeCaractere(e, Moeda, TBoleto::MoedaReal);

    if (!e.textos[Valor].empty()) {
        const std::optional<TValor> valor = TValor::DeTexto(e.textos[Valor]);
        if (!valor)
            throw ErroEntrada("O campo \"valor\" deve ser um número com ponto decimal e até quatro casas, "
                              "como 150.00");
        boleto.Valor = *valor;
    }
    if (!e.textos[Vencimento].empty()) {
        const std::optional<std::chrono::sys_days> data = LeData(e.textos[Vencimento]);
        if (!data)
            throw ErroEntrada("O campo \"vencimento\" deve ser uma data no formato AAAA-MM-DD");
        boleto.Vencimento = *data;
    }
}

// Appends "chave":"valor" to an object under construction ("{" so far, or more).
void AcrescentaPar(std::string &destino, std::string_view chave, std::string_view valor)
{
    if (destino.size() > 1)
        destino += ',';
    AcrescentaTextoJson(destino, chave);
    destino += ':';
    AcrescentaTextoJson(destino, valor);
}

std::string Erro(std::string_view mensagem)
{
    std::string saida = "{";
    AcrescentaPar(saida, "erro", mensagem);
    saida += '}';
    return saida;
}

// Length of the valid UTF-8 sequence at the start of `t`, or 0.
std::size_t SequenciaUtf8(std::string_view t)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char c = b(0);
    std::size_t n;
    unsigned char min2 = 0x80, max2 = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            min2 = 0xA0; // no overlong forms
        if (c == 0xED)
            max2 = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            min2 = 0x90;
        if (c == 0xF4)
            max2 = 0x8F; // nothing above U+10FFFF
    } else
        return 0;
    if (t.size() < n || b(1) < min2 || b(1) > max2)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return n;
}

} // namespace

void AcrescentaTextoJson(std::string &destino, std::string_view texto)
{
    static constexpr char hex[] = "0123456789abcdef";
    destino += '"';
    std::size_t i = 0;
    while (i < texto.size()) {
        const unsigned char c = static_cast<unsigned char>(texto[i]);
        if (c >= 0x80) {
            const std::size_t n = SequenciaUtf8(texto.substr(i));
            if (n == 0) {
                destino += "\xEF\xBF\xBD";
                ++i;
            } else {
                destino.append(texto, i, n);
                i += n;
            }
            continue;
        }
        switch (c) {
        case '"': destino += "\\\""; break;
        case '\\': destino += "\\\\"; break;
        case '\n': destino += "\\n"; break;
        case '\r': destino += "\\r"; break;
        case '\t': destino += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                destino += "\\u00";
                destino += hex[c >> 4];
                destino += hex[c & 0xF];
            } else {
                destino += static_cast<char>(c);
            }
        }
        ++i;
    }
    destino += '"';
}

std::string ProcessaLinha(std::string_view linha)
{
    try {
        Entrada entrada;
        LeitorEntrada leitor(entrada);
        const bool lido = Json::sax_parse(linha.begin(), linha.end(), &leitor);
        if (!lido)
            return Erro(leitor.erro().empty() ? std::string_view("JSON inválido")
                                              : std::string_view(leitor.erro()));

        TBoleto boleto;
        Preenche(boleto, entrada);
        boleto.GerarDados();

        const TDadosGerados &d = boleto.DadosGerados;
        std::string saida = "{";
        saida.reserve(320);
        AcrescentaPar(saida, "codigoBarras", d.CodigoBarras);
        AcrescentaPar(saida, "linhaDigitavel", d.LinhaDigitavel);
        AcrescentaPar(saida, "campoLivre", boleto.CampoLivre);
        AcrescentaPar(saida, "numeroBancario", d.NumeroBancario);
        AcrescentaPar(saida, "agenciaCodigoCedente", d.AgenciaCodigoCedente);
        AcrescentaPar(saida, "nomeBanco", d.NomeBanco);
        AcrescentaPar(saida, "codigoBancoComDigito", d.CodigoBancoComDigito);
        saida += '}';
        return saida;
    } catch (const std::exception &e) {
        return Erro(e.what());
    } catch (...) {
        return Erro("Erro inesperado");
    }
}
