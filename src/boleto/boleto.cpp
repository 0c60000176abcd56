#include "boleto/boleto.h"

#include "boleto/classebanco.h"
#include "boleto/excecoes.h"
#include "boleto/funcaux.h"
#include "boleto/mensagens.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr std::size_t TamanhoCampoLivre = 25;
constexpr std::size_t TamanhoCodigoBanco = 3;
// Ten digits of cents: 99 999 999,99 at most.
constexpr std::int64_t LimiteCentavos = 10'000'000'000;

std::string Formata(std::string_view padrao, long long numero)
{
    char texto[256];
    std::snprintf(texto, sizeof texto, std::string(padrao).c_str(), static_cast<int>(numero));
    return texto;
}

// Destroys the bank object built in place and clears the boleto's pointer to
// it, whichever way GerarDados leaves.
class LiberaBanco
{
public:
    LiberaBanco(TClasseBanco *banco, TClasseBanco *&referencia) : m_banco(banco), m_referencia(referencia)
    {
        m_referencia = banco;
    }
    ~LiberaBanco()
    {
        m_referencia = nullptr;
        m_banco->~TClasseBanco();
    }
    LiberaBanco(const LiberaBanco &) = delete;
    LiberaBanco &operator=(const LiberaBanco &) = delete;

private:
    TClasseBanco *m_banco;
    TClasseBanco *&m_referencia;
};

} // namespace

TBoleto::TBoleto() = default;
TBoleto::~TBoleto() = default;

std::chrono::sys_days TBoleto::Hoje() const
{
    if (Relogio)
        return Relogio();
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return Data(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday));
}

void TBoleto::Limpar()
{
    Instrucoes.clear();
    DadosGerados.LinhaDigitavel.clear();
    DadosGerados.CodigoBarras.clear();
    DadosGerados.AgenciaCodigoCedente.clear();
    DadosGerados.NomeBanco.clear();
    DadosGerados.NumeroBancario.clear();
    m_banco = nullptr;
    Vencimento.reset();
    Moeda = MoedaReal;
    Valor = TValor{};
    NossoNumero.clear();
    CampoLivre.clear();
    DataDocumento.reset();
    Documento.clear();
    Especie.clear();
    EspecieDoc.clear();
    Aceite.clear();
    Carteira.clear();

    Cedente.Nome.clear();
    Cedente.Agencia.clear();
    Cedente.CodigoBanco.clear();
    Cedente.CodigoCedente.clear();
    Cedente.ContaCorrente.clear();
    Cedente.DigitoContaCorrente = '\0';
    Cedente.Banco151.ModalidadeConta.clear();
    Cedente.Banco001.Convenio.clear();

    Sacado.Nome.clear();
    Sacado.Endereco.clear();
    Sacado.Bairro.clear();
    Sacado.Cidade.clear();
    Sacado.Estado.clear();
    Sacado.Cep.clear();
    Sacado.CNPJ_CPF.clear();
    Sacado.Pessoa = TPessoa::pJuridica;
}

void TBoleto::ChecarFaixaValor(TValor valor)
{
    if (valor.DezMilesimos() < 0)
        throw EBoleto(std::string(MsgBoleto::ValorNegativo));
    if (valor.Centavos() >= LimiteCentavos)
        throw EBoleto(std::string(MsgBoleto::ValorExcessivo));
}

void TBoleto::GerarDados()
{
    // "TBanco" + the code fits the short-string buffer: no allocation.
    std::string nome(TRegistroClasses::Prefixo);
    AcrescentaPreenchido(nome, Cedente.CodigoBanco, TamanhoCodigoBanco, '0');
    const std::string_view codigo = std::string_view(nome).substr(TRegistroClasses::Prefixo.size());
    const TRegistroClasses::TEntrada *entrada =
        codigo.size() == TamanhoCodigoBanco ? TRegistroClasses::Instancia().Buscar(nome) : nullptr;
    if (entrada == nullptr)
        throw EBoleto(std::string(MsgBoleto::ClasseNaoDefinida) + '"' + Cedente.CodigoBanco + '"');
    // The barcode carries the code the rules were found by: "1" and "001"
    // both give "001".
    codigo.copy(m_codigoBanco, TamanhoCodigoBanco);

    alignas(std::max_align_t) unsigned char memoria[TRegistroClasses::TamanhoMaximo];
    LiberaBanco libera(entrada->Criar(memoria), m_banco);

    m_banco->ChecarDadosIniciais(*this);
    m_banco->InicializaDadosPadroes(*this);
    MontarCodigoBarras();
    MontarLinhaDigitavel();

    m_rascunho.clear();
    m_banco->FormataAgencCodigoCedente(*this, m_rascunho);
    DadosGerados.AgenciaCodigoCedente = m_rascunho;

    m_rascunho.clear();
    m_banco->GetNumeroBancario(*this, m_rascunho);
    DadosGerados.NumeroBancario = m_rascunho;

    DadosGerados.NomeBanco = m_banco->GetNomeBanco();
    DadosGerados.CodigoBancoComDigito = m_banco->GetCodigoBancoComDigito();
}

void TBoleto::MontarCodigoBarras()
{
    m_rascunho.clear();
    m_banco->GetCampoLivre(*this, m_rascunho);
    const std::size_t tamanho = Comprimento(m_rascunho);
    if (tamanho != TamanhoCampoLivre)
        throw EBoleto(Formata(MsgBoleto::CampoLivreInvalido, static_cast<long long>(tamanho)));
    CampoLivre = m_rascunho;

    // The checks have seen both already; a bank class that skipped them must
    // not get a malformed barcode either.
    if (!Vencimento)
        throw EBoleto(std::string(MsgBoleto::VencimentoNaoInformado));
    ChecarFaixaValor(Valor);
    const std::string fator = FatorVencimento(*Vencimento);
    char valor[10];
    std::int64_t centavos = Valor.Centavos();
    for (std::size_t i = sizeof valor; i-- > 0; centavos /= 10)
        valor[i] = static_cast<char>('0' + centavos % 10);

    m_rascunho.clear();
    m_rascunho.append(m_codigoBanco, TamanhoCodigoBanco);
    m_rascunho.push_back(Moeda);
    m_rascunho.push_back('0');
    m_rascunho.append(fator);
    m_rascunho.append(valor, 10);
    m_rascunho.append(CampoLivre);
    m_rascunho[4] = DigitoCodigoBarras(m_rascunho);
    DadosGerados.CodigoBarras = m_rascunho;
}

void TBoleto::MontarLinhaDigitavel()
{
    const std::string_view barras = DadosGerados.CodigoBarras;
    const std::string_view livre = CampoLivre;

    m_rascunho.clear();
    // A field of the line: its digits, a "." before the sixth, its Modulo10 digit.
    auto campo = [this](std::string_view dados) {
        const char digito = Modulo10(dados);
        m_rascunho.append(dados.substr(0, 5));
        m_rascunho.push_back('.');
        m_rascunho.append(dados.substr(5));
        m_rascunho.push_back(digito);
        m_rascunho.push_back(' ');
    };
    char primeiro[9];
    std::string_view(m_codigoBanco, TamanhoCodigoBanco).copy(primeiro, TamanhoCodigoBanco);
    primeiro[3] = Moeda;
    livre.copy(primeiro + 4, 5);
    campo(std::string_view(primeiro, 9));
    campo(livre.substr(5, 10));
    campo(livre.substr(15, 10));
    m_rascunho.push_back(barras[4]);
    m_rascunho.push_back(' ');
    m_rascunho.append(barras.substr(5, 14));
    DadosGerados.LinhaDigitavel = m_rascunho;
}
